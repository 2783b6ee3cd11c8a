#pragma once
// The base of everything the toolkit manages: forms (top-level windows) and the controls
// drawn inside them. An element stores its geometry, colours, font, text and state; the
// event loop calls its virtual event operations, which raise the application's callbacks.
// Setters only store until the element is created; afterwards they reach the window
// system through the Apply... hooks, which subclasses override.

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "toolkit/FontSpec.h"
#include "toolkit/Callbacks.h"
#include "toolkit/Geometry.h"

namespace sassorbi {

class GUIElement {
public:
    // Registers the element with the application.
    explicit GUIElement(uint64_t owner);
    virtual ~GUIElement() = default;
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // Geometry.
    virtual int GetWidth() const;
    virtual int GetActualWidth();
    virtual int GetHeight() const;
    virtual int GetActualHeight();
    virtual Point GetLocation() const;
    virtual Size GetSize() const;
    virtual Size GetExtent() const;
    virtual void SetSize(int width, int height);
    virtual void SetLocation(int x, int y);
    virtual void Move(int x, int y);
    virtual void SetLocationPoint(Point point);
    // Colour and visibility.
    virtual void SetBackColor(Colour colour);
    virtual Colour GetBackColor() const;
    virtual void Show();
    virtual void ShowMapped();
    virtual void Hide();
    virtual bool IsVisible() const;
    virtual bool IsCreated() const;
    virtual void SpareHook();
    virtual void SetEnabled(bool enabled);
    virtual bool IsEnabled() const;
    virtual void AddChild(GUIElement* child);
    virtual void BringToFront();
    virtual void Raise();
    virtual void SendToBack();
    virtual void SetName(const std::string& name);
    virtual std::string GetName() const;
    virtual void SetFontSpec(const FontSpec& font);
    virtual FontSpec* GetFontSpec();
    virtual bool IsTabStop() const;
    virtual bool IsDrawable() const;
    virtual bool IsChild() const;
    virtual bool HitTest(Point point);
    virtual void SetText(const std::string& text);
    virtual std::string GetText();
    virtual std::string GetTextValue();
    // Events, raised by the event loop.
    virtual void Click(Point point);
    virtual void MouseDown(Point point);
    virtual void DoubleClick(Point point);
    virtual void OtherButtonUp(Point point);
    virtual void OtherButtonDown(Point point);
    virtual void SpareEvent1(int64_t value);
    virtual void KeyUp(KeySym key);
    virtual void KeyDown(KeySym key);
    virtual bool KeyChar(char character);
    virtual void MouseMove(int x, int y);
    virtual void SpareEvent2(int64_t first, int64_t second);
    virtual void SpareEvent3(int64_t first, int64_t second);
    virtual void SetFocus();
    virtual void Moved();
    virtual void Resized();
    virtual void Paint();
    virtual bool QueryClose();
    virtual void Closed();
    virtual void GotFocus();
    virtual void LostFocus();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Load(uint64_t tag);
    virtual void UpdateBackColor();
    // Flags A and B: mutually exclusive markers (a dialog blocks the form it is open over).
    virtual bool IsBlocked() const;
    virtual bool IsMarked() const;
    virtual void SetBlocked(bool blocked);
    virtual void SetMarked(bool marked);
    virtual void SpareHook2();
    virtual uint64_t* GetTagAddress();
    // Every concrete class creates itself: assigns its id and sets the created flag.
    virtual void Create() = 0;
    // Hooks through which a created element reaches the window system.
    virtual void ApplyLocation();
    virtual void ApplySize();
    virtual void ApplyBackColor();
    virtual void ApplyBringToFront();
    virtual void ApplySendToBack();
    virtual void OnChildAdded(GUIElement* child);
    virtual void ApplyStyle();

    // For what reads it (logs, tests); behaviour follows the flags below, never the kind.
    const std::string& GetKind() const { return kind_; }
    // A top-level window: the form that controls below it are drawn in.
    bool IsForm() const { return form_; }
    // Pointer motion reaches the element while it is focused, wherever the pointer goes.
    bool FollowsDrags() const { return follows_drags_; }
    // Controls may sit inside it: the registry walks and searches through it.
    bool HoldsChildren() const { return holds_children_; }
    int GetId() const { return id_; }
    uint64_t GetTag() const { return tag_; }
    void SetTag(uint64_t tag) { tag_ = tag; }
    uint64_t GetOwner() const { return owner_; }
    GUIElement* GetParent() const { return parent_; }
    void SetParent(GUIElement* parent) { parent_ = parent; }
    // The nearest ancestor that is a form; every control has one.
    GUIElement* GetOwnerForm() const;
    // Adds the locations of the ancestors below the form: a position inside panels becomes
    // a position in the form's window.
    Point ToFormCoordinates(int x, int y);
    // Gives the element the next id (and the same tag) unless it has one.
    void AssignId();
    // Never reused, unlike addresses: tells a live element from a new one at a freed address.
    uint64_t GetSerial() const { return serial_; }

    void SetOnLoad(LoadCallback callback) { on_load_ = callback; }
    void SetOnClick(PointCallback callback) { on_click_ = callback; }
    void SetOnMouseDown(PointCallback callback) { on_mouse_down_ = callback; }
    void SetOnDoubleClick(PointCallback callback) { on_double_click_ = callback; }
    void SetOnOtherButtonUp(PointCallback callback) { on_other_button_up_ = callback; }
    void SetOnOtherButtonDown(PointCallback callback) { on_other_button_down_ = callback; }
    void SetOnSpareEvent1(ValueCallback callback) { on_spare1_ = callback; }
    void SetOnKeyUp(KeyCallback callback) { on_key_up_ = callback; }
    void SetOnKeyDown(KeyCallback callback) { on_key_down_ = callback; }
    void SetOnKeyChar(CharCallback callback) { on_key_char_ = callback; }
    void SetOnMoved(ElementCallback callback) { on_moved_ = callback; }
    void SetOnResize(ElementCallback callback) { on_resize_ = callback; }
    void SetOnQueryClose(QueryCallback callback) { on_query_close_ = callback; }
    void SetOnClosed(ElementCallback callback) { on_closed_ = callback; }
    void SetOnGotFocus(ElementCallback callback) { on_got_focus_ = callback; }
    void SetOnLostFocus(ElementCallback callback) { on_lost_focus_ = callback; }
    void SetOnMouseEnter(ElementCallback callback) { on_mouse_enter_ = callback; }
    void SetOnMouseLeave(ElementCallback callback) { on_mouse_leave_ = callback; }
    void SetOnTextChanged(ElementCallback callback) { on_text_changed_ = callback; }
    void SetOnMouseMove(MoveCallback callback) { on_mouse_move_ = callback; }
    void SetOnSpareEvent2(ValuesCallback callback) { on_spare2_ = callback; }
    void SetOnSpareEvent3(ValuesCallback callback) { on_spare3_ = callback; }

    // A second click within this many milliseconds of the previous one is a double click.
    static constexpr int64_t kDoubleClickMilliseconds = 500;

protected:
    void SetKind(const std::string& kind) { kind_ = kind; }
    void SetChildFlag(bool child) { child_ = child; }
    void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }
    void SetFormFlag(bool form) { form_ = form; }
    void SetFollowsDrags(bool follows) { follows_drags_ = follows; }
    void SetHoldsChildren(bool holds) { holds_children_ = holds; }
    void SetDrawable(bool drawable) { drawable_ = drawable; }
    void SetVisibleFlag(bool visible) { visible_ = visible; }
    void SetCreatedFlag(bool created) { created_ = created; }
    void SetFocusedFlag(bool focused) { focused_ = focused; }
    bool IsFocused() const { return focused_; }
    bool IsClosed() const { return closed_; }
    // The id alone, for elements whose tag stays the user's (timers, cells, panels).
    void AssignIdKeepTag();
    // Store without reaching the window system.
    void StoreBounds(int x, int y, int width, int height);
    void StoreBackColor(Colour colour) { back_colour_ = colour; }
    // For controls whose value changes without a focus change (sliders).
    void RaiseTextChanged() {
        if (on_text_changed_ != nullptr) on_text_changed_(this);
    }

private:
    std::string kind_;
    bool child_ = false;
    bool tab_stop_ = true;
    bool form_ = false;
    bool follows_drags_ = false;
    bool holds_children_ = false;
    bool drawable_ = false;
    bool visible_ = false;
    bool closed_ = false;
    bool blocked_ = false;  // flag A
    bool marked_ = false;   // flag B
    uint64_t tag_ = 0;
    uint64_t owner_;
    FontSpec font_;
    int width_ = 100;
    int height_ = 50;
    int left_ = 100;
    int top_ = 100;
    bool created_ = false;
    Colour back_colour_ = kNoColour;
    bool enabled_ = true;
    int id_ = 0;
    std::string name_;
    std::string text_;
    std::string text_snapshot_;
    GUIElement* parent_ = nullptr;
    LoadCallback on_load_ = nullptr;
    bool loaded_ = false;
    PointCallback on_click_ = nullptr;
    PointCallback on_mouse_down_ = nullptr;
    PointCallback on_double_click_ = nullptr;
    PointCallback on_other_button_up_ = nullptr;
    PointCallback on_other_button_down_ = nullptr;
    ValueCallback on_spare1_ = nullptr;
    KeyCallback on_key_up_ = nullptr;
    KeyCallback on_key_down_ = nullptr;
    CharCallback on_key_char_ = nullptr;
    ElementCallback on_moved_ = nullptr;
    ElementCallback on_resize_ = nullptr;
    QueryCallback on_query_close_ = nullptr;
    ElementCallback on_closed_ = nullptr;
    ElementCallback on_got_focus_ = nullptr;
    ElementCallback on_lost_focus_ = nullptr;
    ElementCallback on_mouse_enter_ = nullptr;
    ElementCallback on_mouse_leave_ = nullptr;
    ElementCallback on_text_changed_ = nullptr;
    MoveCallback on_mouse_move_ = nullptr;
    ValuesCallback on_spare2_ = nullptr;
    ValuesCallback on_spare3_ = nullptr;
    bool focused_ = false;
    // Monotonic time of the previous click; 0 before the first one.
    int64_t last_click_ms_ = 0;
    uint64_t serial_;
};

}  // namespace sassorbi
