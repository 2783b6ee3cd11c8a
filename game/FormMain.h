#pragma once
// The game: one 800 x 600 window run as a state machine by the 10 ms frame timer and by
// character keys. Loading and title screens, play with pause, the level-change and
// life-lost screens, game over with the name dialog, and back to the title.
//
//   Setup -> (first paint: RunApp) -> Title -G-> Playing <-P-> Paused
//   Playing -(last diamond, N)-> Paused -> Waiting -> Playing (next level)
//   Playing -(hit)-> Paused -> Waiting -> Playing (same level)  or, with no life left,
//   NameEntry -(dialog closed, score stored)-> ScoreSaved -(any key)-> RunApp -> Title
//
// The rules of play (NewGame, the input step, collisions) are in Gameplay.cpp.

#include <memory>
#include <string>
#include <vector>

#include "devices/SoundPlayer.h"
#include "game/FormGames.h"
#include "game/GameSprites.h"
#include "game/SpriteAnim.h"
#include "game/SpriteKind.h"

namespace sassorbi {

class FormNamePlayer;

enum class GameState { Setup, Title, Playing, Paused, Waiting, NameEntry, ScoreSaved };

class FormMain : public FormGames {
public:
    // Scale 0 picks the largest factor that fits the screen's work area.
    FormMain(Screen* screen, const std::string& title, int scale = 1);
    ~FormMain() override;

    void RunApp() override;
    void NewGame() override;
    bool KeyCharHook(char character) override;
    void OnUserMessage() override;

    void ShowHud();
    void LevelUp();
    void LoseLife();
    // Stores the score under the name typed in the dialog.
    void SaveScore();

    GameState GetState() const { return state_; }
    SpritePlayer* GetPlayer() const { return player_.get(); }
    const std::vector<std::unique_ptr<SpriteDiamante>>& GetDiamonds() const { return diamonds_; }
    const std::vector<std::unique_ptr<SpriteSassorbi>>& GetAsteroids() const { return asteroids_; }
    const std::vector<std::unique_ptr<SpriteAnim>>& GetMoveAnimations() const {
        return move_animations_;
    }
    FormNamePlayer* GetNameForm() const { return name_form_.get(); }
    // The line of credits that ends the window title and shows on the title screen.
    static const char* Credit();

protected:
    // The screens' pauses; tests shorten them.
    virtual void Pause(int milliseconds);
    void SetState(GameState state) { state_ = state; }
    void SetLevel(int level) { level_ = level; }
    void MovePlayerX(int dx);
    void MovePlayerY(int dy);
    void InputStep();
    bool CollectDiamonds();
    // One turn of the title's top strip: cleared, and every other turn the next entry.
    void ShowTopTenEntry();

private:
    void TitleScreen();
    void PlayingTick();
    void WaitingTick();
    void StartGame();
    void LoadStrip(const StripSpec& strip, ClientImage* image);
    void SetUpKinds();
    void EndPlay();
    void DeleteAnimations();
    void DeleteLevelSprites();
    void OpenNameForm();
    // A sprite of the kind cut from the strip, listed for the frames.
    template <typename SpriteType>
    std::unique_ptr<SpriteType> CreateSprite(const SpriteKind& kind, XImage* strip);
    void AttachFrameAnimation(const SpriteKind& kind, Sprite* sprite);
    void SpawnAsteroid(const SpriteKind& kind);
    void SpawnDiamond(const SpriteKind& kind);
    void DrawSprite(Sprite* sprite);
    void DrawHudStrip(int width, int height, int ascent);

    std::vector<std::unique_ptr<SpriteSassorbi>> asteroids_;
    std::vector<std::unique_ptr<SpriteDiamante>> diamonds_;
    bool joystick_in_use_ = true;
    int step_negative_ = -2;
    int step_positive_ = 2;
    std::unique_ptr<SpritePlayer> player_;
    std::vector<std::unique_ptr<SpriteAnim>> frame_animations_;
    std::vector<std::unique_ptr<SpriteAnim>> move_animations_;
    // Animations taken off the lists while one of them may be stepping; freed next tick.
    std::vector<std::unique_ptr<SpriteAnim>> retired_animations_;
    std::vector<std::string> top_ten_;
    size_t top_ten_index_ = 0;
    int title_text_height_ = 0;
    GameState state_ = GameState::Setup;
    SpriteKind player_kind_;
    SpriteKind diamond_kind_;
    SpriteKind asteroid_kind_a_;
    SpriteKind asteroid_kind_b_;
    ClientImage player_strip_;
    ClientImage asteroid_strip_;
    ClientImage diamond_strip_;
    std::unique_ptr<FormNamePlayer> name_form_;
    SoundPlayer sound_;
    // The title screen's blink: last change, count, colour and whether an entry shows next.
    int64_t blink_stamp_ms_ = 0;
    int blink_count_ = 0;
    Colour blink_colour_ = 0xFF0000;
    bool show_entry_ = true;
    int64_t wait_deadline_ms_ = 0;
    bool in_tick_ = false;
};

}  // namespace sassorbi
