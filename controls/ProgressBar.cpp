#include "controls/ProgressBar.h"

#include <algorithm>

#include "controls/ControlDrawing.h"
#include "toolkit/Application.h"

namespace sassorbi {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBarColour = 0x0000FF;

}  // namespace

ProgressBar::ProgressBar(GUIElement* parent, int minimum, int maximum)
    : DrawnControl(parent, "progressbar", TagRule::kUsers, MoveRule::kEraseAndRedraw),
      minimum_(minimum),
      maximum_(maximum),
      value_(minimum) {
    Child::SetSize(190, 25);
}

void ProgressBar::Hide() {
    if (IsCreated()) EraseArea();
    GUIElement::Hide();
}

void ProgressBar::SetValue(int value) {
    if (value == value_) return;
    value_ = std::clamp(value, minimum_, std::max(minimum_, maximum_));
    Repaint();
}

void ProgressBar::SetBorder(bool border) {
    border_ = border;
    Repaint();
}

// An empty range draws no bar: nothing divides by zero.
void ProgressBar::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int x = at.x, y = at.y, w = GetWidth(), h = GetHeight();
    // All w x h pixels: a border switched off leaves no edge behind.
    graphics.FillRectangle(x, y, w + 1, h + 1, 0, kNoColour, FirstSetColour({GetBackColor()}));
    if (border_) {
        graphics.DrawLine(x, y, x + w - 1, y, kBlack);
        graphics.DrawLine(x, y + h - 1, x, y, kBlack);
        graphics.DrawLine(x + w - 1, y, x + w - 1, y + h - 1, kWhite);
        graphics.DrawLine(x, y + h - 1, x + w - 1, y + h - 1, kWhite);
    }
    if (maximum_ <= minimum_) return;
    const double fraction =
        static_cast<double>(value_ - minimum_) / static_cast<double>(maximum_ - minimum_);
    if (fraction <= 0) return;
    const int bar = static_cast<int>((w - 2) * fraction);
    graphics.FillRectangle(x + 1, y + 1, bar, h - 2, 0, kNoColour, kBarColour);
}

}  // namespace sassorbi
