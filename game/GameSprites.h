#pragma once
// The game's own sprites: the player's ship, the diamonds (part of the static layer until
// collected) and the asteroids with their fall.

#include "game/Sprite.h"
#include "game/SpriteAnim.h"

namespace sassorbi {

class FormMain;

class SpritePlayer : public Sprite {
public:
    SpritePlayer(FormMain* owner, XImage* strip, int width, int height);
};

class SpriteDiamante : public Sprite {
public:
    SpriteDiamante(FormMain* owner, XImage* strip, int width, int height);
    // A collected diamond is never drawn again.
    void Draw(Graphics* graphics) override;
    bool IsAlive() const { return alive_; }
    void SetAlive(bool alive) { alive_ = alive; }

private:
    bool alive_ = true;
};

class SpriteSassorbi : public Sprite {
public:
    SpriteSassorbi(FormMain* owner, XImage* strip, int width, int height);
    void Draw(Graphics* graphics) override;

    int SpeedY = 0;  // pixels per movement step
    int MinX = 0;
    int MaxX = 0;
    int MinY = 20;
    int MaxY = 0;
    bool Enabled = true;
};

// The fall of one asteroid: every movement interval it drops by its speed, re-enters at the
// top in a new column after leaving the bottom, and costs a life when it touches the ship.
class MovementAsteroide : public SpriteAnim {
public:
    MovementAsteroide(FormMain* owner, const SpriteKind* kind, SpriteSassorbi* asteroid,
                      int interval);
    void Step() override;

private:
    FormMain* game_;
    SpriteSassorbi* asteroid_;
};

}  // namespace sassorbi
