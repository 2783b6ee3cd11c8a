#include "controls/CellControl.h"

#include "controls/ControlSupport.h"
#include "graphics/Graphics.h"
#include "toolkit/Application.h"

namespace sassorbi {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

}  // namespace

// A new size or place is only stored: the form paints the cell.
CellControl::CellControl(GUIElement* parent)
    : DrawnControl(parent, "cellcontrol", TagRule::kUsers, MoveRule::kStoreOnly) {}

void CellControl::OnCreated() {
    saved_back_colour_ = GetBackColor();
    dirty_ = false;
}

void CellControl::SetText(const std::string& text) {
    if (text == GetText()) return;
    DrawnControl::SetText(text);
    dirty_ = true;
    Repaint();
}

void CellControl::EraseArea() {
    if (const GUIElement* form = GetOwnerForm()) {
        FillControlArea(*this, 1, FirstSetColour({form->GetBackColor()}));
    }
}

// The text step paints the background too, so a box too low for text shows nothing at all.
void CellControl::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int w = GetWidth(), h = GetHeight();
    const int inset = border_ ? 1 : 0;
    const int x = at.x + inset, y = at.y + inset, iw = w - 2 * inset, ih = h - 2 * inset;
    const Colour back = highlight_ ? highlight_back_colour_ : FirstSetColour({GetBackColor()});
    const Colour fore = highlight_ ? highlight_fore_colour_ : fore_colour_;
    if (border_) {
        const Colour light = back == kWhite ? kBlack : kWhite;
        graphics.DrawLine(at.x, at.y, at.x + w - 1, at.y, kBlack);
        graphics.DrawLine(at.x, at.y + h - 1, at.x, at.y, kBlack);
        graphics.DrawLine(at.x + w - 1, at.y, at.x + w - 1, at.y + h - 1, light);
        graphics.DrawLine(at.x, at.y + h - 1, at.x + w - 1, at.y + h - 1, light);
    }
    graphics.DrawText(x, y, iw, ih, GetText(), fore, back, text_align_);
    if (mark_) {
        const int th = graphics.TextHeight();
        graphics.DrawText(x + iw - th, y + ih - th - 4, th, th, "*", fore, back, 2);
    }
    if (image_ == nullptr) return;
    const int image_x = image_align_ == 1   ? x + iw - image_width_ - 3
                        : image_align_ == 2 ? x + (iw - image_width_) / 2
                                            : x + 3;
    graphics.PutImage(image_x, y + (ih - image_height_) / 2, image_width_, image_height_, image_);
}

template <typename T>
void CellControl::Change(T& field, T value) {
    if (field == value) return;
    field = value;
    dirty_ = true;
    Repaint();
}

void CellControl::SetTextAlign(int align) {
    Change(text_align_, align);
}
void CellControl::SetForeColor(Colour colour) {
    Change(fore_colour_, colour);
}
void CellControl::SetBorder(bool border) {
    Change(border_, border);
}
void CellControl::SetMark(bool mark) {
    Change(mark_, mark);
}

void CellControl::SetHighlight(bool highlight) {
    highlight_ = highlight;
    Repaint();
}

void CellControl::SetHighlightForeColor(Colour colour) {
    highlight_fore_colour_ = colour;
    Repaint();
}

void CellControl::SetHighlightBackColor(Colour colour) {
    highlight_back_colour_ = colour;
    Repaint();
}

void CellControl::SetImage(XImage* image, int width, int height, int align) {
    image_ = image;
    image_width_ = width;
    image_height_ = height;
    image_align_ = align;
    Repaint();
}

void CellControl::RestoreBackColor() {
    if (!IsCreated() || saved_back_colour_ < 0 || saved_back_colour_ == GetBackColor()) return;
    StoreBackColor(saved_back_colour_);
    dirty_ = true;
    Paint();
}

}  // namespace sassorbi
