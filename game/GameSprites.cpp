#include "game/GameSprites.h"

#include "game/FormMain.h"
#include "util/Random.h"

namespace sassorbi {

SpritePlayer::SpritePlayer(FormMain* owner, XImage* strip, int width, int height)
    : Sprite(owner, strip, width, height) {
    SetTypeName("spriteplayer");
}

SpriteDiamante::SpriteDiamante(FormMain* owner, XImage* strip, int width, int height)
    : Sprite(owner, strip, width, height) {
    SetStatic(true);
}

void SpriteDiamante::Draw(Graphics* graphics) {
    if (alive_) Sprite::Draw(graphics);
}

SpriteSassorbi::SpriteSassorbi(FormMain* owner, XImage* strip, int width, int height)
    : Sprite(owner, strip, width, height) {}

void SpriteSassorbi::Draw(Graphics* graphics) {
    if (Enabled) Sprite::Draw(graphics);
}

MovementAsteroide::MovementAsteroide(FormMain* owner, const SpriteKind* kind,
                                     SpriteSassorbi* asteroid, int interval)
    : SpriteAnim(owner, kind, asteroid), game_(owner), asteroid_(asteroid) {
    SetInterval(interval);
}

void MovementAsteroide::Step() {
    int x = asteroid_->GetX();
    int y = asteroid_->GetY() + asteroid_->SpeedY;
    if (y > asteroid_->MaxY) {
        y = asteroid_->MinY;
        x = Random(1, asteroid_->MaxX);
    }
    asteroid_->SetPosition(x, y);
    asteroid_->Draw(game_->GetGraphics());
    const Sprite* player = game_->GetPlayer();
    if (player != nullptr && asteroid_->Overlaps(*player, 10, 10)) game_->LoseLife();
}

}  // namespace sassorbi
