// The rules of play: building a level, the asteroids and diamonds, the ship's moves and the
// diamonds it collects.

#include <X11/keysym.h>

#include <algorithm>

#include "devices/Joystick.h"
#include "game/FormMain.h"
#include "util/Random.h"

namespace sassorbi {
namespace {

// Backgrounds and asteroid sequences by level modulo 5.
constexpr const char* kBackgrounds[] = {"santuario.bin", "sanmartino2.bin", "cattedrale.bin",
                                        "chiesacerreto.bin", "palazzogenio.bin"};
constexpr const char* kAsteroidSequences[] = {"ABAABABABABBA", "ABAABABABABA", "ABAABAABBABA",
                                              "ABAABABABABA", "ABAABABAABBA"};

}  // namespace

void FormMain::NewGame() {
    state_ = GameState::Setup;
    ClearSprites();
    DeleteAnimations();
    retired_animations_.clear();
    DeleteLevelSprites();
    const int k = level_ % 5;
    RenderSfondo(std::string("Data/") + kBackgrounds[k]);
    for (const char* c = kAsteroidSequences[k]; *c != '\0'; ++c) {
        SpawnAsteroid(*c == 'A' ? asteroid_kind_a_ : asteroid_kind_b_);
    }
    for (int i = 0; i < 10; ++i)
        SpawnDiamond(diamond_kind_);
    player_ = CreateSprite<SpritePlayer>(player_kind_, player_strip_.get());
    player_->SetPosition((player_kind_.AreaWidth - player_kind_.SpriteWidth) / 2,
                         player_kind_.AreaHeight - player_kind_.SpriteHeight);
    AttachFrameAnimation(player_kind_, player_.get());
    DrawSprite(player_.get());
    ShowHud();
    state_ = GameState::Playing;
}

template <typename SpriteType>
std::unique_ptr<SpriteType> FormMain::CreateSprite(const SpriteKind& kind, XImage* strip) {
    auto sprite = std::make_unique<SpriteType>(this, strip, kind.SpriteWidth, kind.SpriteHeight);
    AddSprite(sprite.get());
    return sprite;
}

void FormMain::AttachFrameAnimation(const SpriteKind& kind, Sprite* sprite) {
    sprite->SetFrame(kind.FirstFrame);
    frame_animations_.push_back(std::make_unique<SpriteAnimazione>(this, &kind, sprite));
}

void FormMain::DrawSprite(Sprite* sprite) {
    sprite->Draw(GetGraphics());
}

// A new asteroid at the top, in a random column, with a fall whose pace and step grow with
// the level: L + 4 to L + 7 pixels (at most its height) every 55 - L to 105 - L ms.
void FormMain::SpawnAsteroid(const SpriteKind& kind) {
    std::unique_ptr<SpriteSassorbi> asteroid =
        CreateSprite<SpriteSassorbi>(kind, asteroid_strip_.get());
    asteroid->MinX = 0;
    asteroid->MinY = 20;
    asteroid->MaxX = kind.AreaWidth - kind.SpriteWidth;
    asteroid->MaxY = kind.AreaHeight - kind.SpriteHeight;
    const int x = Random(1, asteroid->MaxX);
    const int interval = kind.SpeedOffset - level_ + Random(kind.SpeedBase / 2, kind.SpeedBase);
    asteroid->SpeedY = std::min(Random(level_ + 4, level_ + 7), kind.SpriteHeight);
    asteroid->SetPosition(x, asteroid->MinY);
    DrawSprite(asteroid.get());
    AttachFrameAnimation(kind, asteroid.get());
    move_animations_.push_back(
        std::make_unique<MovementAsteroide>(this, &kind, asteroid.get(), interval));
    asteroids_.push_back(std::move(asteroid));
}

void FormMain::SpawnDiamond(const SpriteKind& kind) {
    std::unique_ptr<SpriteDiamante> diamond =
        CreateSprite<SpriteDiamante>(kind, diamond_strip_.get());
    diamond->SetPosition(Random(1, kind.AreaWidth - 50), Random(1, kind.AreaHeight - 100) + 50);
    DrawSprite(diamond.get());
    diamonds_.push_back(std::move(diamond));
}

// Keys (the last one pressed) and the joystick (two directions at once); once a move has
// ended the level, the other directions wait for the next one.
void FormMain::InputStep() {
    JoystickPoll();
    const bool joystick = joystick_in_use_;
    if (IsKeyDown(XK_Left) || (joystick && JoyLeft())) MovePlayerX(step_negative_);
    if (state_ == GameState::Playing && (IsKeyDown(XK_Up) || (joystick && JoyUp()))) {
        MovePlayerY(step_negative_);
    }
    if (state_ == GameState::Playing && (IsKeyDown(XK_Right) || (joystick && JoyRight()))) {
        MovePlayerX(step_positive_);
    }
    if (state_ == GameState::Playing && (IsKeyDown(XK_Down) || (joystick && JoyDown()))) {
        MovePlayerY(step_positive_);
    }
}

void FormMain::MovePlayerX(int dx) {
    const int x = player_->GetX() + dx;
    if (x < 0 || x > player_kind_.AreaWidth - 50) return;
    player_->SetPosition(x, player_->GetY());
    DrawSprite(player_.get());
    if (!CollectDiamonds()) {
        RenderFrame();
        LevelUp();
    }
}

// The ship stays below the head-up display.
void FormMain::MovePlayerY(int dy) {
    const int y = player_->GetY() + dy;
    if (y < 25 || y > player_kind_.AreaHeight - 50) return;
    player_->SetPosition(player_->GetX(), y);
    DrawSprite(player_.get());
    if (!CollectDiamonds()) {
        RenderFrame();
        LevelUp();
    }
}

// Whether any diamond was alive when the check began, the one collected now included.
bool FormMain::CollectDiamonds() {
    bool any_alive = false;
    for (auto& diamond : diamonds_) {
        if (!diamond->IsAlive()) continue;
        any_alive = true;
        if (!player_->Overlaps(*diamond, 2, 10)) continue;
        diamond->Erase();
        sound_.Play("Data/ding.wav");
        score_ += 50;
        ShowHud();
        diamond->SetAlive(false);
    }
    return any_alive;
}

}  // namespace sassorbi
