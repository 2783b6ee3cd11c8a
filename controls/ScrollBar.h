#pragma once
// The scroll bar: moves a position between a minimum and a maximum in pages. The track
// length in pixels is the page size in value units; the track is cut into one segment per
// page and the thumb is the segment of the current page. It remembers where it drew its
// segments, to turn later pointer positions back into pages.

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "graphics/DrawnControl.h"

namespace sassorbi {

class Graphics;

class ScrollBar : public DrawnControl {
public:
    // Receives the position times ten and, from keys, the position; from a pick on the
    // track, the segment's index.
    using ScrollCallback = void (*)(GUIElement* element, int64_t value, int position);

    ScrollBar(GUIElement* parent, int minimum, int maximum);

    // A new size is painted at once; a new place erases the old one first.
    void SetSize(int width, int height) override;
    void SetFocus() override;
    void GotFocus() override;
    void LostFocus() override;
    void Click(Point point) override;
    // On the arrows a page back or on; on the track the page under the pointer.
    void MouseDown(Point point) override;
    void MouseMove(int x, int y) override;
    // The arrows move a page, stopping at either end.
    void KeyDown(KeySym key) override;
    // The space bar acts as Down.
    bool KeyChar(char character) override;
    void Paint() override;

    void SetHorizontal(bool horizontal);
    void SetVertical(bool vertical);
    void SetRange(int minimum, int maximum);
    // Stored as given, unchecked.
    void SetPosition(int position);
    int GetPosition() const { return position_; }
    void SetOnScroll(ScrollCallback callback) { on_scroll_ = callback; }
    // OnScroll with v x 10 and v.
    void RaiseScroll(int value);
    const std::vector<XPoint>& GetSegmentStarts() const { return segment_starts_; }

    // How the track is cut into pages, from the current size, range and position.
    // A range of more pages than the track has room for shows a segment every two pixels,
    // each standing for an equal share of the pages.
    struct Pages {
        int track;        // track length in pixels, and page size in value units
        int64_t count;    // pages, at least one
        int64_t current;  // page of the position
        int segments;     // segments drawn: one per page, at most one per two pixels
        int segment;      // pixels per segment
        int extra;        // pixels the last segment has in addition

        // Rounded up, so that the segment of a segment's first page is that segment.
        int64_t FirstPageOf(int index) const { return (index * count + segments - 1) / segments; }
        int SegmentOf(int64_t page) const { return static_cast<int>(page * segments / count); }
    };
    Pages GetPages() const;

private:
    void ApplySizeRules();
    void PaintArrows(Graphics& graphics, int x, int y, int w, int h, Colour fore);
    void PaintSegments(Graphics& graphics, int x, int y, int w, int h, Colour fore);
    int PagePosition(const Pages& pages, int64_t page) const;
    // Moves the position by whole pages; Paint and OnScroll when it changed.
    void StepPage(int delta);
    // The page of the segment under the pointer; false when there is none.
    bool PickPage(int x, int y);

    bool horizontal_ = true;
    bool vertical_ = false;
    int minimum_;
    int maximum_;
    int position_ = 0;
    bool dragging_ = false;
    std::vector<XPoint> segment_starts_;
    ScrollCallback on_scroll_ = nullptr;
};

}  // namespace sassorbi
