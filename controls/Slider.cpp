#include "controls/Slider.h"

#include <X11/keysym.h>

#include <algorithm>
#include <string>

#include "controls/ControlDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"

namespace sassorbi {
namespace {

constexpr char kSpace = 32;
constexpr Colour kTrackLight = 0xDDDDDD;
// X coordinates are 16-bit: no track is made longer than that to give each step 8 pixels.
constexpr int64_t kLongestSide = 32767;

int16_t Coordinate(int value) {
    return static_cast<int16_t>(value);
}

void DrawPointer(Graphics& graphics, XPoint tip, XPoint second, XPoint third, Colour fill) {
    XPoint corners[] = {tip, second, third};
    graphics.FillPolygon(corners, 3, 1, kTrackLight, fill);
}

}  // namespace

Slider::Slider(GUIElement* parent, bool vertical, int minimum, int maximum)
    : DrawnControl(parent, "slider", TagRule::kIdWhenGiven, MoveRule::kRepaint),
      vertical_(vertical),
      minimum_(minimum),
      maximum_(maximum),
      value_(minimum) {
    SetTabStop(true);
    SetFollowsDrags(true);
    Child::SetSize(80, 30);
}

void Slider::SetFocus() {
    Child::SetFocus();
    Paint();
}

void Slider::GotFocus() {
    ElementRef self(this);
    Child::GotFocus();
    if (self) Paint();
}

void Slider::LostFocus() {
    ElementRef self(this);
    Child::LostFocus();
    if (!self) return;
    dragging_ = false;
    Paint();
}

void Slider::Click(Point point) {
    dragging_ = false;
    Child::Click(point);
}

void Slider::MouseDown(Point point) {
    ElementRef self(this);
    if (IsEnabled()) {
        dragging_ = true;
        PickValue(point.x, point.y);
    }
    if (self) Child::MouseDown(point);
}

void Slider::MouseMove(int x, int y) {
    ElementRef self(this);
    if (dragging_) PickValue(x, y);
    if (self) Child::MouseMove(x, y);
}

void Slider::KeyDown(KeySym key) {
    if (!IsEnabled() || !IsFocused()) return;
    if (key == XK_Right || key == XK_Down) {
        Step(1);
    } else if (key == XK_Left || key == XK_Up) {
        Step(-1);
    }
}

bool Slider::KeyChar(char character) {
    ElementRef self(this);
    if (character == kSpace) KeyDown(XK_Down);
    return self ? Child::KeyChar(character) : true;
}

void Slider::SetColour(Colour colour) {
    colour_ = colour;
    Paint();
}

void Slider::SetShowLimits(bool show) {
    show_limits_ = show;
    if (IsCreated()) Paint();
}

void Slider::SetValue(int value) {
    value_ = std::clamp(value, minimum_, std::max(minimum_, maximum_));
    Paint();
}

void Slider::RaiseValueChanged() {
    ElementRef self(this);
    if (on_value_changed_ != nullptr) on_value_changed_(this, value_);
    if (self) RaiseTextChanged();
}

// Past either end the value goes round to the other; no step leaves the int range.
void Slider::Step(int delta) {
    const int old = value_;
    if (delta > 0) {
        value_ = value_ >= maximum_ ? minimum_ : value_ + 1;
    } else {
        value_ = value_ <= minimum_ ? maximum_ : value_ - 1;
    }
    Paint();
    if (value_ != old) RaiseValueChanged();
}

// The first tick at or beyond the pointer, with two pixels of slack.
void Slider::PickValue(int x, int y) {
    const auto tick = std::find_if(ticks_.begin(), ticks_.end(), [&](const XPoint& point) {
        return vertical_ ? point.y + 2 >= y : point.x + 2 >= x;
    });
    if (tick == ticks_.end()) return;
    const auto value =
        static_cast<int>(minimum_ + tick_steps_[static_cast<size_t>(tick - ticks_.begin())]);
    if (value == value_) return;
    value_ = value;
    Paint();
    RaiseValueChanged();
}

// The track length becomes a multiple of the steps, at least 8 pixels a step. A range too
// large for that keeps the length it has, and its ticks share pixels.
void Slider::ApplySizeRules() {
    const int64_t steps = Steps();
    int64_t w = std::min<int64_t>(GetWidth(), kLongestSide);
    int64_t h = std::min<int64_t>(GetHeight(), kLongestSide);
    if (vertical_) {
        w = std::max<int64_t>(w, 40);
        h = std::max<int64_t>(h, 36);
        if (steps * 8 + 36 <= kLongestSide) {
            h = h >= steps * 8 + 36 ? steps * ((h - 36) / steps) + 36 : steps * 8 + 36;
        }
    } else {
        h = std::max<int64_t>(h, 36);
        w = std::max<int64_t>(w, 40);
        if (steps * 8 + 40 <= kLongestSide) {
            w = steps * ((std::max(w, steps * 8 + 40) - 40) / steps) + 40;
        }
    }
    Child::SetSize(static_cast<int>(w), static_cast<int>(h));
}

// Proportional: exactly step x (span / steps) whenever the size rules could give every step
// its pixels; the last value sits at the end.
int Slider::OffsetOf(int64_t step, int span) const {
    if (step >= Range()) return span;
    return static_cast<int>(step * span / Steps());
}

// The first value at each pixel of the track, in order: never more ticks than pixels. A
// reversed range has none.
std::vector<Slider::TickAt> Slider::TicksAlong(int span) const {
    std::vector<TickAt> ticks;
    for (int64_t step = 0; Range() >= 0;) {
        const int offset = OffsetOf(step, span);
        ticks.push_back({offset, step});
        if (step >= Range()) break;
        // The first step whose offset, step x span / steps, reaches the next pixel.
        const int64_t next = ((int64_t{offset} + 1) * Steps() + span - 1) / span;
        step = std::clamp(next, step + 1, Range());
    }
    return ticks;
}

void Slider::AddTick(int x, int y, int64_t step) {
    ticks_.push_back({Coordinate(x), Coordinate(y)});
    tick_steps_.push_back(step);
}

void Slider::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    ApplySizeRules();
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int w = GetWidth(), h = GetHeight();
    const Colour back = ControlBackColour(*this);
    const Colour fore = IsEnabled() ? colour_ : kDisabledTextColour;
    graphics.FillRectangle(at.x, at.y, w + 1, h + 1, 0, kNoColour, back);
    ticks_.clear();
    tick_steps_.clear();
    if (vertical_) {
        PaintVertical(graphics, at.x, at.y, w, h, fore, back);
    } else {
        PaintHorizontal(graphics, at.x, at.y, w, h, fore, back);
    }
    if (IsFocused() && IsEnabled())
        DrawDashedFrame(graphics, at.x, at.x + w - 1, at.y + 1, at.y + h - 2, at.y + h - 1, fore);
}

void Slider::PaintVertical(Graphics& graphics, int x, int y, int w, int h, Colour fore,
                           Colour back) {
    const int xc = x + (w + 1) / 2;
    if (show_limits_) {
        graphics.DrawText(x, y, w + 1, 18, std::to_string(minimum_), fore, back, 2);
        graphics.DrawText(x, y + h - 18, w + 1, 18, std::to_string(maximum_), fore, back, 2);
    }
    graphics.DrawLine(xc + 1, y + 18, xc + 1, y + h - 17, kTrackLight);
    graphics.DrawLine(xc, y + 18, xc, y + h - 17, fore);
    const int span = h - 35;
    for (const TickAt& tick : TicksAlong(span)) {
        const int yi = y + 18 + tick.offset;
        graphics.DrawLine(xc - 3, yi, xc + 3, yi, fore);
        graphics.DrawLine(xc - 3, yi + 1, xc + 3, yi + 1, kTrackLight);
        AddTick(xc, yi, tick.step);
    }
    if (Range() < 0) return;
    const int yv = y + 18 + OffsetOf(int64_t{value_} - minimum_, span);
    DrawPointer(graphics, {Coordinate(xc + 5), Coordinate(yv)},
                {Coordinate(xc + 15), Coordinate(yv - 10)},
                {Coordinate(xc + 15), Coordinate(yv + 10)}, fore);
}

void Slider::PaintHorizontal(Graphics& graphics, int x, int y, int w, int h, Colour fore,
                             Colour back) {
    const int yc = y + (h + 1) / 2;
    if (show_limits_) {
        graphics.DrawText(x, y, 20, h, std::to_string(minimum_), fore, back, 2);
        graphics.DrawText(x + w - 19, y, 20, h, std::to_string(maximum_), fore, back, 2);
    }
    graphics.DrawLine(x + 20, yc, x + w - 19, yc, fore);
    graphics.DrawLine(x + 20, yc + 1, x + w - 19, yc + 1, kTrackLight);
    const int span = w - 39;
    for (const TickAt& tick : TicksAlong(span)) {
        const int xi = x + 20 + tick.offset;
        graphics.DrawLine(xi, yc - 3, xi, yc + 3, fore);
        graphics.DrawLine(xi + 1, yc - 3, xi + 1, yc + 3, kTrackLight);
        AddTick(xi, yc, tick.step);
    }
    if (Range() < 0) return;
    const int xv = x + 20 + OffsetOf(int64_t{value_} - minimum_, span);
    DrawPointer(graphics, {Coordinate(xv), Coordinate(yc - 5)},
                {Coordinate(xv + 10), Coordinate(yc - 15)},
                {Coordinate(xv - 10), Coordinate(yc - 15)}, fore);
}

}  // namespace sassorbi
