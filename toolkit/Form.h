#pragma once
// A top-level X window: the only element that owns one. It turns the stored geometry,
// title and visibility into window-system calls, paints its controls on every expose and
// destroys its window when closed. Dialogs and the game form derive from it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "toolkit/GUIElement.h"

namespace sassorbi {

class Screen;

class Form : public GUIElement {
public:
    explicit Form(uint64_t owner = 0, bool dialog = false);
    // Unregisters the form and destroys its window.
    ~Form() override;

    int GetActualWidth() override;
    int GetActualHeight() override;
    Point GetLocation() const override;
    void SetBackColor(Colour colour) override;
    void Show() override;
    void ShowMapped() override;
    void Hide() override;
    void SetFocus() override;
    void Paint() override;
    void SetBlocked(bool blocked) override;
    void Create() override;
    void ApplyLocation() override;
    void ApplySize() override;
    void ApplyBringToFront() override;
    void ApplySendToBack() override;
    void OnChildAdded(GUIElement* child) override;

    virtual void FormHook();
    // Called first by the close handlers of dialogs and of the game form.
    virtual void OnClosing();
    virtual std::string GetTitle();
    virtual void SetTitle(const std::string& title);
    virtual std::string GetTitleValue();
    virtual void SetTitleFrom(const std::string& title);
    // After the created flag is set, before the window is mapped.
    virtual void OnCreated();
    // The loop's user message: a client message of type 0 whose first long is 1.
    virtual void OnUserMessage();
    virtual void FormHook2();
    virtual void SetFlagC(bool value);
    virtual void SetFlagD(bool value);
    virtual void SetFlagE(bool value);
    virtual void DestroyWindow();
    // A message box opened over this form delivers its answer here.
    virtual void DialogResult(int kind, int result);
    virtual bool IsDialog() const;
    virtual void SetIcon(Pixmap icon);
    // The icon task bars and window switchers show (_NET_WM_ICON): for each size its width,
    // its height and its pixels as 0xAARRGGBB, one long each. Kept for every window the
    // form creates; an empty list takes the icon away.
    void SetWindowIcon(std::vector<unsigned long> icon);
    virtual void SetClientSize(int width, int height);
    virtual void SetClientSizeEx(int width, int height, bool adjust);
    virtual void SetFlagF(bool value);
    virtual void SetFlagG(bool value);
    virtual void SetActiveDialog(Form* dialog);
    // Stores the bounds without reaching the window system (the window already has them).
    virtual void SetBounds(int x, int y, int width, int height);
    virtual void SetScreen(Screen* screen);
    virtual Screen* GetScreen() const;
    virtual void CenterOnScreen();
    virtual void ShowForm();
    virtual void ShowFormAlias();
    virtual Window GetWindow() const;
    virtual void SetMarkedOn();
    virtual void SetMarkedOff();
    // The window lost the keyboard focus (only for forms that ask for focus events).
    virtual void OnFocusOut();

    // Full screen is asked of the window manager (_NET_WM_STATE_FULLSCREEN); the fixed size
    // hints are lifted meanwhile, since a window manager keeps a fixed-size window as it is,
    // and restored on the way back. Only a created form changes.
    void SetFullScreen(bool full_screen);
    void ToggleFullScreen() { SetFullScreen(!full_screen_); }
    // Whether full screen was last asked for.
    bool IsFullScreen() const { return full_screen_; }

    Form* GetActiveDialog() const { return active_dialog_; }
    Atom GetDeleteWindowAtom() const { return delete_window_atom_; }
    Atom GetPingAtom() const { return ping_atom_; }
    Display* GetDisplay() const;

protected:
    // Asks for more kinds of events than every form gets.
    void AddInputMask(long mask);

private:
    void CreateWindow();
    void SetWindowManagerProperties();
    void SetSizeHints(XSizeHints* hints, Size size) const;
    void SendWindowState(bool add, const char* state);
    void SetWindowManagerHints(XWMHints* hints) const;
    void SetNames(XSizeHints* size_hints, XWMHints* wm_hints, XClassHint* class_hints);
    void MarkAsDialog();
    void ApplyWindowIcon();
    void LoadAndMap();
    bool IsWindowViewable() const;

    Form* active_dialog_ = nullptr;
    Atom delete_window_atom_ = None;
    Atom ping_atom_ = None;
    Pixmap icon_ = 0;
    std::vector<unsigned long> window_icon_;
    Screen* screen_ = nullptr;
    Window window_ = 0;
    bool flag_g_ = true;
    bool flag_c_ = true;
    bool flag_d_ = true;
    bool flag_e_ = true;
    bool dialog_;
    bool flag_f_ = false;
    long input_mask_;
    bool full_screen_ = false;
    // The fixed size the window goes back to when it leaves full screen.
    Size windowed_size_;
};

// The form an element is drawn in: the element itself when it is a form, else its nearest
// form ancestor; null for null or an element outside any form.
Form* FormOf(GUIElement* element);

}  // namespace sassorbi
