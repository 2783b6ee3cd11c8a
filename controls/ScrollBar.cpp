#include "controls/ScrollBar.h"

#include <X11/keysym.h>

#include <algorithm>

#include "controls/ControlDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"

namespace sassorbi {
namespace {

constexpr char kSpace = 32;
constexpr Colour kFrameLight = 0xDDDDDD;
// Each arrow takes 21 pixels at its end of the bar.
constexpr int kArrowLength = 21;

// A segment needs two pixels for its thumb to show: the fill leaves out its last column.
int MostSegments(int track) {
    return std::max(track / 2, 1);
}

int16_t Coordinate(int value) {
    return static_cast<int16_t>(value);
}

void DrawArrow(Graphics& graphics, int x1, int y1, int x2, int y2, int x3, int y3, Colour fill) {
    XPoint corners[] = {{Coordinate(x1), Coordinate(y1)},
                        {Coordinate(x2), Coordinate(y2)},
                        {Coordinate(x3), Coordinate(y3)}};
    graphics.FillPolygon(corners, 3, 1, kFrameLight, fill);
}

}  // namespace

ScrollBar::ScrollBar(GUIElement* parent, int minimum, int maximum)
    : DrawnControl(parent, "scrollbar", TagRule::kIdWhenGiven, MoveRule::kEraseAndRedraw),
      minimum_(minimum),
      maximum_(maximum) {
    SetTabStop(true);
    SetFollowsDrags(true);
    Child::SetSize(80, 13);
}

void ScrollBar::SetSize(int width, int height) {
    GUIElement::SetSize(width, height);
    Paint();
}

void ScrollBar::SetFocus() {
    Child::SetFocus();
    Paint();
}

void ScrollBar::GotFocus() {
    ElementRef self(this);
    Child::GotFocus();
    if (self) Paint();
}

void ScrollBar::LostFocus() {
    ElementRef self(this);
    Child::LostFocus();
    if (!self) return;
    dragging_ = false;
    Paint();
}

void ScrollBar::Click(Point point) {
    dragging_ = false;
    Child::Click(point);
}

void ScrollBar::MouseDown(Point point) {
    ElementRef self(this);
    if (IsEnabled() && !segment_starts_.empty()) {
        dragging_ = true;
        const Pages pages = GetPages();
        const XPoint first = segment_starts_.front();
        const XPoint last = segment_starts_.back();
        const int end = pages.segment + pages.extra;
        if (vertical_ && point.y < first.y) {
            StepPage(-1);
        } else if (vertical_ && point.y > last.y + end) {
            StepPage(1);
        } else if (horizontal_ && point.x < first.x) {
            StepPage(-1);
        } else if (horizontal_ && point.x > last.x + end) {
            StepPage(1);
        } else if (PickPage(point.x, point.y) && self) {
            Paint();
        }
    }
    if (self) Child::MouseDown(point);
}

void ScrollBar::MouseMove(int x, int y) {
    ElementRef self(this);
    if (dragging_ && PickPage(x, y) && self) Paint();
    if (self) Child::MouseMove(x, y);
}

void ScrollBar::KeyDown(KeySym key) {
    if (!IsEnabled() || !IsFocused()) return;
    if (key == XK_Left || key == XK_Up) {
        StepPage(-1);
    } else if (key == XK_Right || key == XK_Down) {
        StepPage(1);
    }
}

bool ScrollBar::KeyChar(char character) {
    ElementRef self(this);
    if (character == kSpace) KeyDown(XK_Down);
    return self ? Child::KeyChar(character) : true;
}

void ScrollBar::SetHorizontal(bool horizontal) {
    horizontal_ = horizontal;
    if (horizontal) vertical_ = false;
    if (IsCreated()) {
        Hide();
        Show();
    }
}

void ScrollBar::SetVertical(bool vertical) {
    vertical_ = vertical;
    if (vertical) horizontal_ = false;
    if (IsCreated()) {
        Hide();
        Show();
    }
}

void ScrollBar::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    Paint();
}

void ScrollBar::SetPosition(int position) {
    position_ = position;
    Paint();
}

void ScrollBar::RaiseScroll(int value) {
    if (on_scroll_ != nullptr) on_scroll_(this, static_cast<int64_t>(value) * 10, value);
}

// A zero (or reversed) range is one page: nothing divides by a page count of 0. Ranges up
// to the whole int range are counted in 64 bits.
ScrollBar::Pages ScrollBar::GetPages() const {
    Pages pages{};
    pages.track = std::max((vertical_ ? GetHeight() : GetWidth()) - 2 * kArrowLength, 1);
    const int64_t range = std::max<int64_t>(int64_t{maximum_} - minimum_, 0);
    pages.count = std::max<int64_t>((range + pages.track - 1) / pages.track, 1);
    pages.current = (int64_t{position_} - minimum_) / pages.track;
    pages.segments = static_cast<int>(std::min<int64_t>(pages.count, MostSegments(pages.track)));
    pages.segment = pages.track / pages.segments;
    pages.extra = pages.track % pages.segments;
    return pages;
}

// The first page lies track x (count - 1) < range past the minimum: the sum stays an int.
int ScrollBar::PagePosition(const Pages& pages, int64_t page) const {
    return static_cast<int>(minimum_ + pages.track * page);
}

void ScrollBar::StepPage(int delta) {
    const Pages pages = GetPages();
    const int64_t page = std::clamp<int64_t>(pages.current + delta, 0, pages.count - 1);
    const int position = PagePosition(pages, page);
    if (position == position_) return;
    ElementRef self(this);
    position_ = position;
    Paint();
    if (self) RaiseScroll(position_);
}

bool ScrollBar::PickPage(int x, int y) {
    const Pages pages = GetPages();
    const auto start =
        std::find_if(segment_starts_.begin(), segment_starts_.end(), [&](const XPoint& point) {
            return vertical_ ? point.y + pages.segment >= y : point.x + pages.segment >= x;
        });
    if (start == segment_starts_.end()) return false;
    const int index = static_cast<int>(start - segment_starts_.begin());
    const int position = PagePosition(pages, pages.FirstPageOf(index));
    if (position == position_) return false;
    position_ = position;
    ElementRef self(this);
    if (on_scroll_ != nullptr) on_scroll_(this, static_cast<int64_t>(position) * 10, index);
    return static_cast<bool>(self);
}

void ScrollBar::ApplySizeRules() {
    if (vertical_) {
        Child::SetSize(std::max(GetWidth(), 21), std::max(GetHeight(), 52));
    } else {
        Child::SetSize(std::max(GetWidth(), 52), std::max(GetHeight(), 21));
    }
}

void ScrollBar::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    ApplySizeRules();
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int x = at.x, y = at.y, w = GetWidth(), h = GetHeight();
    const Colour fore = IsEnabled() ? 0x000000 : kDisabledTextColour;
    // The frame is the bar's own outermost pixels: nothing is drawn over a neighbour, and
    // hiding, which erases w x h, leaves nothing of the bar.
    graphics.FillRectangle(x, y, w + 1, h + 1, 0, kNoColour, ControlBackColour(*this));
    graphics.DrawLine(x, y, x + w - 1, y, kFrameLight);
    graphics.DrawLine(x, y, x, y + h - 1, kFrameLight);
    graphics.DrawLine(x + w - 1, y, x + w - 1, y + h - 1, fore);
    graphics.DrawLine(x, y + h - 1, x + w - 1, y + h - 1, fore);
    segment_starts_.clear();
    PaintArrows(graphics, x, y, w, h, fore);
    PaintSegments(graphics, x, y, w, h, fore);
}

void ScrollBar::PaintArrows(Graphics& graphics, int x, int y, int w, int h, Colour fore) {
    if (vertical_) {
        DrawArrow(graphics, x + w / 2, y + 2, x + w - 2, y + 19, x + 2, y + 19, fore);
        DrawArrow(graphics, x + w / 2, y + h - 2, x + w - 2, y + h - 19, x + 2, y + h - 19, fore);
    } else {
        DrawArrow(graphics, x + 2, y + h / 2, x + 19, y + 2, x + 19, y + h - 2, fore);
        DrawArrow(graphics, x + w - 2, y + h / 2, x + w - 19, y + 2, x + w - 19, y + h - 2, fore);
    }
}

// A single page has no thumb. A position outside the range shows the nearest page, so the
// thumb never leaves the track.
void ScrollBar::PaintSegments(Graphics& graphics, int x, int y, int w, int h, Colour fore) {
    const Pages pages = GetPages();
    for (int i = 0; i < pages.segments; ++i) {
        const int offset = kArrowLength + i * pages.segment;
        segment_starts_.push_back(vertical_ ? XPoint{Coordinate(x), Coordinate(y + offset)}
                                            : XPoint{Coordinate(x + offset), Coordinate(y)});
    }
    if (pages.count <= 1) return;
    const int segment = pages.SegmentOf(std::clamp<int64_t>(pages.current, 0, pages.count - 1));
    const int offset = kArrowLength + segment * pages.segment;
    const int length = pages.segment + (segment == pages.segments - 1 ? pages.extra : 0);
    if (vertical_) {
        graphics.FillRectangle(x + 2, y + offset, w - 2, length, 0, kNoColour, fore);
    } else {
        graphics.FillRectangle(x + offset, y + 2, length, h - 2, 0, kNoColour, fore);
    }
}

}  // namespace sassorbi
