#include "game/SpriteAnim.h"

#include "game/FormGames.h"
#include "game/Sprite.h"

namespace sassorbi {

SpriteAnim::SpriteAnim(FormGames* owner, const SpriteKind* kind, Sprite* target)
    : interval_(kind->FrameInterval),
      first_frame_(kind->FirstFrame),
      last_frame_(kind->LastFrame),
      kind_(kind),
      target_(target),
      owner_(owner) {}

void SpriteAnim::Advance(int milliseconds) {
    elapsed_ += milliseconds;
    if (elapsed_ < interval_) return;
    elapsed_ = 0;
    Step();
}

// A one-frame range never redraws the sprite.
void SpriteAnimazione::Step() {
    Sprite* target = GetTarget();
    const int current = target->GetFrame();
    int next = current + 1;
    if (next > LastFrame()) next = FirstFrame();
    if (next != current) {
        target->SetFrame(next);
        target->Draw(GetOwner()->GetGraphics());
    }
    target->FrameChanged(next);
}

}  // namespace sassorbi
