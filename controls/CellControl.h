#pragma once
// The label: a text in a rectangle of its form, with an alignment, a text colour and a
// background, optionally framed by a sunken border, switched to a highlight colour pair,
// marked with a small "*" in its bottom-right corner or showing a small picture. It takes
// no focus and is painted by its form.

#include <X11/Xlib.h>

#include <string>

#include "graphics/DrawnControl.h"

namespace sassorbi {

class CellControl : public DrawnControl {
public:
    explicit CellControl(GUIElement* parent);

    // The same text again changes nothing, not even the dirty flag.
    void SetText(const std::string& text) override;
    void Paint() override;

    // 0 left, 1 right, any other value centred.
    void SetTextAlign(int align);
    void SetForeColor(Colour colour);
    void SetBorder(bool border);
    void SetMark(bool mark);
    void SetHighlight(bool highlight);
    void SetHighlightForeColor(Colour colour);
    void SetHighlightBackColor(Colour colour);
    // The image stays the caller's. Align 1 right, 2 centred, any other value left.
    void SetImage(XImage* image, int width, int height, int align);
    // Back to the background the cell had when it was created.
    void RestoreBackColor();

    int GetTextAlign() const { return text_align_; }
    Colour GetForeColor() const { return fore_colour_; }
    bool HasBorder() const { return border_; }
    bool HasMark() const { return mark_; }
    bool IsHighlighted() const { return highlight_; }
    // Set by the content setters, cleared by Create; the owner may read and clear it.
    bool IsDirty() const { return dirty_; }
    void ClearDirty() { dirty_ = false; }

protected:
    // Remembers the background for RestoreBackColor and starts clean.
    void OnCreated() override;
    // Exactly the cell's area, in the form's colour whatever the parent's.
    void EraseArea() override;

private:
    // Stores a changed value, marks the cell dirty and repaints; an equal value does nothing.
    template <typename T>
    void Change(T& field, T value);

    int text_align_ = 2;
    Colour fore_colour_ = 0x000000;
    bool border_ = false;
    bool highlight_ = false;
    Colour highlight_fore_colour_ = 0x000000;
    Colour highlight_back_colour_ = 0xFFFF00;
    bool mark_ = false;
    XImage* image_ = nullptr;
    int image_width_ = 0;
    int image_height_ = 0;
    int image_align_ = 1;
    bool dirty_ = false;
    Colour saved_back_colour_ = kNoColour;
};

}  // namespace sassorbi
