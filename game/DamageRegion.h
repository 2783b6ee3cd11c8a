#pragma once
// What changed in the screen buffer since the last frame, as a few rectangles: the frame
// restores, redraws and sends only these. Rectangles that overlap or lie close together
// join when one request for their bounding box costs less than two; when the damage covers
// most of the window the whole buffer goes at once.

#include <vector>

namespace sassorbi {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool IsEmpty() const { return w <= 0 || h <= 0; }
    long Area() const { return IsEmpty() ? 0 : static_cast<long>(w) * h; }
    bool operator==(const Rect& other) const {
        return x == other.x && y == other.y && w == other.w && h == other.h;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};

// The common part of two rectangles (empty when they do not meet).
Rect Intersection(const Rect& a, const Rect& b);
// The smallest rectangle holding both.
Rect BoundingBox(const Rect& a, const Rect& b);

class DamageRegion {
public:
    // Extra pixels a join may send that neither rectangle needed, for one request fewer: about
    // what one request costs (bench_frame's request_cost_pixels measured 1000 to 1900).
    static constexpr long kJoinSlackPixels = 1500;
    // Damage above this share of the window (in percent) goes as one whole frame: sixteen
    // areas cost as much to restore and send as the whole window at 65 to 95 percent
    // (bench_frame's break_even_share_percent).
    static constexpr long kWholeFramePercent = 70;

    void Add(const Rect& area);
    // Something the rectangles cannot bound: the whole frame.
    void AddAll() { whole_ = true; }
    bool IsEmpty() const { return !whole_ && areas_.empty(); }
    // The damage clipped to a w x h frame and merged; the region is empty afterwards.
    std::vector<Rect> Take(int w, int h);

private:
    std::vector<Rect> areas_;
    bool whole_ = false;
};

}  // namespace sassorbi
