#include "controls/ButtonCustom.h"

#include <X11/keysym.h>

#include "controls/ControlSupport.h"
#include "graphics/Graphics.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"

namespace sassorbi {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

}  // namespace

// A created button is erased and drawn again at its new size or place, relief included.
ButtonCustom::ButtonCustom(GUIElement* parent, const std::string& caption)
    : DrawnControl(parent, "ButtonCustom", TagRule::kIdWhenGiven, MoveRule::kEraseAndRedraw) {
    SetTabStop(true);
    Child::SetSize(80, 30);
    Child::SetText(caption);
}

void ButtonCustom::SetText(const std::string& caption) {
    Child::SetText(caption);
    Repaint();
}

void ButtonCustom::MouseDown(Point point) {
    if (!IsEnabled()) return;
    SetPressedAndShow(true);
    Child::MouseDown(point);
}

// The command may close the button's form or destroy the button itself.
void ButtonCustom::Click(Point point) {
    if (!IsEnabled()) return;
    ElementRef self(this);
    SetPressedAndShow(false);
    RunCommand(this);
    if (self) Child::Click(point);
}

void ButtonCustom::KeyDown(KeySym key) {
    if (!IsEnabled()) return;
    ElementRef self(this);
    Child::KeyDown(key);
    if (self && IsFocused() && key == XK_Return) SetPressedAndShow(true);
}

// Return arrives as character 13 when the key is released.
bool ButtonCustom::KeyChar(char character) {
    if (!IsEnabled()) return false;
    if (IsFocused() && character == '\r') {
        ElementRef self(this);
        SetPressedAndShow(false);
        RunCommand(this);
        if (!self) return true;
    }
    return Child::KeyChar(character);
}

void ButtonCustom::GotFocus() {
    ElementRef self(this);
    Child::GotFocus();
    if (self) Paint();
}

void ButtonCustom::LostFocus() {
    ElementRef self(this);
    Child::LostFocus();
    if (!self) return;
    pressed_ = false;
    Paint();
}

void ButtonCustom::SetTextColour(Colour colour) {
    text_colour_ = colour;
}

void ButtonCustom::SetContentHidden(bool hidden) {
    content_hidden_ = hidden;
    Repaint();
}

void ButtonCustom::SetImage(XImage* image) {
    image_ = image;
    Repaint();
}

void ButtonCustom::SetDisabledImage(XImage* image) {
    disabled_image_ = image;
    Repaint();
}

void ButtonCustom::SetPressedAndShow(bool pressed) {
    pressed_ = pressed;
    Paint();
    if (Form* form = OwnerFormOf(*this); form != nullptr && form->GetDisplay() != nullptr) {
        XFlush(form->GetDisplay());
    }
}

void ButtonCustom::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int w = GetWidth(), h = GetHeight();
    const Colour back = ControlBackColour(*this);
    graphics.FillRectangle(at.x, at.y, w, h, 0, kNoColour, back);
    DrawRelief(graphics, at.x, at.y, w, h);
    if (IsFocused() && IsEnabled() && !pressed_) DrawFocusRectangle(graphics, at.x, at.y, w, h);
    if (!content_hidden_) DrawContent(graphics, at.x, at.y, w, h, back, GetText());
}

// Light from the top left when up, from the bottom right when pressed.
void ButtonCustom::DrawRelief(Graphics& graphics, int x, int y, int w, int h) const {
    const Colour top_left = pressed_ ? kBlack : kWhite;
    const Colour bottom_right = pressed_ ? kWhite : kBlack;
    graphics.DrawLine(x, y, x + w - 1, y, top_left);
    graphics.DrawLine(x, y + h - 1, x, y, top_left);
    graphics.DrawLine(x + w - 1, y, x + w - 1, y + h - 1, bottom_right);
    graphics.DrawLine(x, y + h - 1, x + w - 1, y + h - 1, bottom_right);
}

void ButtonCustom::DrawFocusRectangle(Graphics& graphics, int x, int y, int w, int h) const {
    graphics.DrawLine(x + 4, y + 3, x + w - 5, y + 3, 1, text_colour_);
    graphics.DrawLine(x + 4, y + h - 4, x + 4, y + 2, 1, text_colour_);
    graphics.DrawLine(x + w - 5, y + 3, x + w - 5, y + h - 3, 1, text_colour_);
    graphics.DrawLine(x + 4, y + h - 4, x + w - 5, y + h - 4, 1, text_colour_);
}

void ButtonCustom::DrawContent(Graphics& graphics, int x, int y, int w, int h, Colour back,
                               const std::string& caption) const {
    const Colour fore = IsEnabled() ? text_colour_ : kDisabledTextColour;
    XImage* picture =
        !IsEnabled() && disabled_image_ != nullptr && image_ != nullptr ? disabled_image_ : image_;
    if (picture == nullptr) {
        if (!caption.empty())
            graphics.DrawText(x + 6, y + 4, w - 12, h - 8, caption, fore, back, 2);
        return;
    }
    if (caption.empty()) {
        graphics.PutImage(x + (w - picture->width) / 2, y + (h - picture->height) / 2, picture);
        return;
    }
    // The caption takes what is left right of the picture, up to 6 pixels from the edge.
    const int text_x = x + picture->width + 10;
    graphics.DrawText(text_x, y + 4, x + w - 6 - text_x, h - 8, caption, fore, back, 0);
    graphics.PutImage(x + 8, y + (h - picture->height) / 2, picture);
}

}  // namespace sassorbi
