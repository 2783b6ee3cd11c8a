#include "game/DamageRegion.h"

#include <algorithm>

namespace sassorbi {
namespace {

// Pixels the bounding box would send that neither rectangle covers.
long JoinWaste(const Rect& a, const Rect& b) {
    return BoundingBox(a, b).Area() - a.Area() - b.Area() + Intersection(a, b).Area();
}

// Joins pairs until no join pays for itself.
void Merge(std::vector<Rect>* areas) {
    bool joined = true;
    while (joined) {
        joined = false;
        for (size_t i = 0; i < areas->size() && !joined; ++i) {
            for (size_t j = i + 1; j < areas->size() && !joined; ++j) {
                if (JoinWaste((*areas)[i], (*areas)[j]) > DamageRegion::kJoinSlackPixels) continue;
                (*areas)[i] = BoundingBox((*areas)[i], (*areas)[j]);
                areas->erase(areas->begin() + static_cast<std::ptrdiff_t>(j));
                joined = true;
            }
        }
    }
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
