#pragma once
// Timed steps attached to one sprite: every time the interval has been counted, one Step
// (the next picture frame, or a move). The game's tick advances every animation by 10 ms.

#include "game/SpriteKind.h"

namespace sassorbi {

class FormGames;
class Sprite;

class SpriteAnim {
public:
    // Takes the interval and the frame range from the kind.
    SpriteAnim(FormGames* owner, const SpriteKind* kind, Sprite* target);
    virtual ~SpriteAnim() = default;

    virtual void Step() = 0;
    // Counts the milliseconds; one Step when the interval is reached.
    void Advance(int milliseconds);

    int GetInterval() const { return interval_; }
    Sprite* GetTarget() const { return target_; }

protected:
    FormGames* GetOwner() const { return owner_; }
    const SpriteKind* GetKind() const { return kind_; }
    void SetInterval(int interval) { interval_ = interval; }
    int FirstFrame() const { return first_frame_; }
    int LastFrame() const { return last_frame_; }

private:
    int elapsed_ = 0;
    int interval_;
    int first_frame_;
    int last_frame_;
    const SpriteKind* kind_;
    Sprite* target_;
    FormGames* owner_;
};

// Cycles the target through the kind's frame range.
class SpriteAnimazione : public SpriteAnim {
public:
    using SpriteAnim::SpriteAnim;
    void Step() override;
};

}  // namespace sassorbi
