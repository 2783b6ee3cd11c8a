#include "controls/CheckBox.h"

#include "controls/ControlDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"

namespace sassorbi {
namespace {

constexpr char kSpace = 32;
// The box and its caption need at least this height.
constexpr int kMinimumHeight = 22;

}  // namespace

// A new size or place is painted at once, without erasing the old one.
CheckBox::CheckBox(GUIElement* parent, const std::string& caption)
    : DrawnControl(parent, "checkbox", TagRule::kIdWhenGiven, MoveRule::kRepaint) {
    SetTabStop(true);
    Child::SetSize(80, 30);
    Child::SetText(caption);
}

void CheckBox::SetText(const std::string& caption) {
    Child::SetText(caption);
    Paint();
}

void CheckBox::MouseDown(Point) {}

void CheckBox::Click(Point point) {
    if (IsEnabled() && !Toggle()) return;
    Child::Click(point);
}

void CheckBox::KeyDown(KeySym) {}

bool CheckBox::KeyChar(char character) {
    if (IsEnabled() && IsFocused() && character == kSpace && !Toggle()) return true;
    return Child::KeyChar(character);
}

void CheckBox::GotFocus() {
    ElementRef self(this);
    Child::GotFocus();
    if (self) Paint();
}

void CheckBox::LostFocus() {
    ElementRef self(this);
    Child::LostFocus();
    if (self) Paint();
}

void CheckBox::SetTextColour(Colour colour) {
    text_colour_ = colour;
    Paint();
}

void CheckBox::SetChecked(bool checked) {
    checked_ = checked;
    Paint();
}

bool CheckBox::Toggle() {
    ElementRef self(this);
    checked_ = !checked_;
    Paint();
    FlushDisplay(*this);
    RunCommand(this);
    return static_cast<bool>(self);
}

void CheckBox::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    if (GetHeight() < kMinimumHeight) Child::SetSize(GetWidth(), kMinimumHeight);
    XImage* picture = pictures_.For(this, checked_, IsEnabled());
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int w = GetWidth(), h = GetHeight();
    const Colour back = ControlBackColour(*this);
    graphics.FillRectangle(at.x, at.y, w + 1, h + 1, 0, kNoColour, back);
    if (picture != nullptr) graphics.PutImage(at.x + 1, at.y + 1, 20, 20, picture);
    const Colour fore = IsEnabled() ? text_colour_ : kDisabledTextColour;
    // One row less than the box: the caption's background, filled from one row down, stays
    // within the box instead of painting over what lies below it.
    graphics.DrawText(at.x + 26, at.y + 1, w - 30, h - 1, GetText(), fore, back, 0);
    if (IsFocused() && IsEnabled())
        DrawDashedFrame(graphics, at.x + 23, at.x + w - 8, at.y + 2, at.y + h - 1, at.y + h - 1,
                        text_colour_);
}

}  // namespace sassorbi
