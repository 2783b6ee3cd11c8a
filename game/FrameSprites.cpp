#include "game/FrameSprites.h"

#include <algorithm>

#include "graphics/PixelCopy.h"

namespace sassorbi {

void FrameSprites::Begin() {
    current_.clear();
    recording_ = true;
}

void FrameSprites::StartSprite(int id, int frame) {
    current_.push_back({id, frame, {}});
}

void FrameSprites::Add(const SpriteDraw& draw) {
    if (recording_ && !current_.empty()) current_.back().draws.push_back(draw);
}

// Compared place by place: a sprite taken out of the list changes every later place too,
// which over-reports but never misses a change in drawing order.
void FrameSprites::End(DamageRegion* damage) {
    recording_ = false;
    const size_t places = std::max(last_.size(), current_.size());
    for (size_t i = 0; i < places; ++i) {
        const bool in_last = i < last_.size(), in_current = i < current_.size();
        if (in_last && in_current && last_[i] == current_[i]) continue;
        if (in_last) AddAreas(last_[i], damage);
        if (in_current) AddAreas(current_[i], damage);
    }
    last_.swap(current_);
}

void FrameSprites::AddAreas(const Trace& trace, DamageRegion* damage) {
    for (const SpriteDraw& draw : trace.draws)
        damage->Add(draw.area);
}

void FrameSprites::Replay(const Rect& area, XImage* target) const {
    for (const Trace& trace : last_) {
        for (const SpriteDraw& draw : trace.draws) {
            const Rect part = Intersection(draw.area, area);
            if (part.IsEmpty()) continue;
            BlitImage(*draw.image, draw.src_x + part.x - draw.area.x,
                      draw.src_y + part.y - draw.area.y, part.w, part.h, target, part.x, part.y,
                      draw.transparent);
        }
    }
}

void FrameSprites::Forget() {
    last_.clear();
    current_.clear();
    recording_ = false;
}

}  // namespace sassorbi
