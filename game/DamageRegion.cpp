#include "game/DamageRegion.h"

#include <algorithm>
#include <utility>

namespace sassorbi {
namespace {

// Pixels the bounding box would send that neither rectangle covers.
long JoinWaste(const Rect& a, const Rect& b) {
    return BoundingBox(a, b).Area() - a.Area() - b.Area() + Intersection(a, b).Area();
}

// Each rectangle joins every merged area whose join pays for itself; an area grown by a join
// is checked against the others again before it is kept.
void Merge(std::vector<Rect>* areas) {
    std::vector<Rect> merged;
    for (Rect area : *areas) {
        for (size_t i = 0; i < merged.size();) {
            if (JoinWaste(merged[i], area) > DamageRegion::kJoinSlackPixels) {
                ++i;
                continue;
            }
            area = BoundingBox(merged[i], area);
            merged.erase(merged.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        }
        merged.push_back(area);
    }
    *areas = std::move(merged);
}

}  // namespace

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.w, b.x + b.w), bottom = std::min(a.y + a.h, b.y + b.h);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

Rect BoundingBox(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.w, b.x + b.w), bottom = std::max(a.y + a.h, b.y + b.h);
    return {left, top, right - left, bottom - top};
}

void DamageRegion::Add(const Rect& area) {
    if (!whole_ && !area.IsEmpty()) areas_.push_back(area);
}

std::vector<Rect> DamageRegion::Take(int w, int h) {
    const Rect frame{0, 0, w, h};
    std::vector<Rect> areas;
    if (!whole_) {
        for (const Rect& area : areas_) {
            const Rect visible = Intersection(area, frame);
            if (!visible.IsEmpty()) areas.push_back(visible);
        }
        Merge(&areas);
    }
    long covered = 0;
    for (const Rect& area : areas)
        covered += area.Area();
    if (whole_ || covered * 100 > frame.Area() * kWholeFramePercent) areas = {frame};
    if (frame.IsEmpty()) areas.clear();
    areas_.clear();
    whole_ = false;
    return areas;
}

}  // namespace sassorbi
