#include "game/FormMain.h"

#include <unistd.h>

#include <algorithm>

#include "devices/ScoreTable.h"
#include "dialogs/FormNamePlayer.h"
#include "graphics/SharedFont.h"
#include "graphics/WindowIcon.h"
#include "toolkit/Application.h"
#include "toolkit/MonotonicClock.h"
#include "toolkit/Screen.h"
#include "toolkit/WorkArea.h"
#include "util/ChildProcesses.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0xFF0000;
constexpr Colour kNearBlack = 0x010101;
constexpr int kPauseStepMs = 10;
constexpr Size kFrame{800, 600};

// The factor asked for, or the largest that fits the work area of the player's screen.
int ChosenScale(Screen* screen, int scale) {
    if (scale > 0 || screen == nullptr || screen->GetDisplay() == nullptr)
        return std::max(scale, 1);
    return AutoScaleFactor(kFrame, WorkAreaSize(screen->GetDisplay(), screen->GetScreenNumber()));
}

}  // namespace

const char* FormMain::Credit() {
    return "v1.0 - a night arcade over five landmarks";
}

FormMain::FormMain(Screen* screen, const std::string& title, int scale)
    : FormGames(screen, title, kFrame.width, kFrame.height, ChosenScale(screen, scale)) {
    SetWindowIcon(ReadWindowIcon("Data/icona.argb"));
}

FormMain::~FormMain() {
    sound_.Stop();
    DeleteAnimations();
    DeleteLevelSprites();
    player_.reset();
    name_form_.reset();
}

// In 10 ms steps, reaping the sound players that end meanwhile: the screens' pauses block
// the event loop, which would otherwise leave them zombies for seconds.
void FormMain::Pause(int milliseconds) {
    for (int left = milliseconds; left > 0; left -= kPauseStepMs) {
        usleep(static_cast<useconds_t>(std::min(left, kPauseStepMs)) * 1000);
        ReapChildren();
    }
}

// The loading screen: strips, the title picture, the credit and the top ten.
void FormMain::RunApp() {
    SetFullRedraw(true);
    RenderText(10, 60, "L O A D I N G . . .", kWhite);
    Pause(1000);
    LoadStrip(kPlayerStrip, &player_strip_);
    LoadStrip(kAsteroidStrip, &asteroid_strip_);
    LoadStrip(kDiamondStrip, &diamond_strip_);
    RenderSfondo("Data/logo.bin");
    RenderText(240, 160, Credit(), 0xFFFF00);
    title_text_height_ = GetGraphics()->TextHeight();
    top_ten_ = ScoreTable("Sassorbi").ReadEntries();
    top_ten_index_ = 0;
    state_ = GameState::Title;
    SetFocus();
}

// The prompt blinks every half second; every fifth blink the top strip is cleared and,
// every other time, shows the next entry of the top ten.
void FormMain::TitleScreen() {
    const int64_t now = MonotonicMilliseconds();
    if (blink_stamp_ms_ == 0) blink_stamp_ms_ = now;
    if (now - blink_stamp_ms_ <= 500) return;
    ++blink_count_;
    blink_colour_ = blink_colour_ == kRed ? kWhite : kRed;
    blink_stamp_ms_ = now;
    if (!top_ten_.empty() && blink_count_ == 1) ShowTopTenEntry();
    if (blink_count_ > 4) blink_count_ = 0;
    RenderText(480, 330, "PRESS THE [G] KEY TO PLAY", blink_colour_);
}

void FormMain::ShowTopTenEntry() {
    RenderRect(0, 0, GetFrameSize().width, title_text_height_ + 14, kNearBlack);
    if (show_entry_) {
        // Wrapped here, where the table's size is known: it may have shrunk since the last turn.
        top_ten_index_ %= top_ten_.size();
        const std::string place = IntToString(static_cast<int64_t>(top_ten_index_) + 1, ' ', 2);
        RenderText(5, 7, "Top Ten: " + place + "\260 Score " + top_ten_[top_ten_index_], kWhite);
        ++top_ten_index_;
    }
    show_entry_ = !show_entry_;
}

void FormMain::OnUserMessage() {
    if (in_tick_) return;
    in_tick_ = true;
    switch (state_) {
        case GameState::Title:
            TitleScreen();
            break;
        case GameState::Playing:
            PlayingTick();
            break;
        case GameState::Waiting:
            WaitingTick();
            break;
        default:
            break;
    }
    in_tick_ = false;
    FormGames::OnUserMessage();
}

// Animations first, then the input step; as soon as a step ends the play (a lost life, the
// level's end) the rest wait for the next level.
void FormMain::PlayingTick() {
    retired_animations_.clear();
    for (size_t i = 0; i < frame_animations_.size() && state_ == GameState::Playing; ++i) {
        frame_animations_[i]->Advance(10);
    }
    for (size_t i = 0; i < move_animations_.size() && state_ == GameState::Playing; ++i) {
        move_animations_[i]->Advance(10);
    }
    if (state_ == GameState::Playing) InputStep();
}

// Between 1.5 and 2.5 seconds: until the whole second after the deadline has begun.
void FormMain::WaitingTick() {
    const int64_t now = MonotonicMilliseconds();
    if (wait_deadline_ms_ == 0) {
        wait_deadline_ms_ = now + 1500;
    } else if (now / 1000 > wait_deadline_ms_ / 1000) {
        wait_deadline_ms_ = 0;
        NewGame();
    }
}

bool FormMain::KeyCharHook(char character) {
    const char key = static_cast<char>(character & ~0x20);
    if (state_ == GameState::Title && key == 'G') {
        StartGame();
    } else if (state_ == GameState::Playing && key == 'P') {
        state_ = GameState::Paused;
    } else if (state_ == GameState::Playing && key == 'N') {
        LevelUp();
    } else if (state_ == GameState::Paused && key == 'P') {
        state_ = GameState::Playing;
    } else if (state_ == GameState::ScoreSaved) {
        RunApp();
    }
    return true;
}

void FormMain::StartGame() {
    SetUpKinds();
    level_ = 1;
    lives_ = 3;
    score_ = 0;
    ClearSprites();
    NewGame();
}

void FormMain::LoadStrip(const StripSpec& strip, ClientImage* image) {
    int64_t size = 0;
    LoadImageFile(std::string("Data/") + strip.file, strip.width, strip.height, image, &size);
}

// The play area is the frame: a scaled or full-screen window only shows it larger.
void FormMain::SetUpKinds() {
    const Size area = GetFrameSize();
    player_kind_.Set(kPlayerKind, area.width, area.height);
    diamond_kind_.Set(kDiamondKind, area.width, area.height);
    asteroid_kind_a_.Set(kAsteroidKindA, area.width, area.height);
    asteroid_kind_b_.Set(kAsteroidKindB, area.width, area.height);
}

// Play stops: the sprites leave the frame and the animations are retired (a step may be
// running on one of them; they are freed at the next tick).
void FormMain::EndPlay() {
    state_ = GameState::Paused;
    ClearSprites();
    DeleteAnimations();
}

void FormMain::DeleteAnimations() {
    for (auto* list : {&frame_animations_, &move_animations_}) {
        for (auto& animation : *list)
            retired_animations_.push_back(std::move(animation));
        list->clear();
    }
}

void FormMain::DeleteLevelSprites() {
    asteroids_.clear();
    diamonds_.clear();
}

void FormMain::LevelUp() {
    EndPlay();
    ++level_;
    Pause(1000);
    RenderSfondo("Data/livello.bin");
    Pause(3000);
    state_ = GameState::Waiting;
}

void FormMain::LoseLife() {
    RenderFrame();
    EndPlay();
    --lives_;
    sound_.Play("Data/urlo.wav");
    Pause(1000);
    if (lives_ < 1) {
        RenderSfondo("Data/gameover.bin");
        OpenNameForm();
        state_ = GameState::NameEntry;
        return;
    }
    RenderSfondo("Data/replay.bin");
    Pause(3000);
    state_ = GameState::Waiting;
}

void FormMain::OpenNameForm() {
    name_form_.reset();
    name_form_ = std::make_unique<FormNamePlayer>(this, GetOwner(), "Classifica");
    name_form_->SetOnClosed([](GUIElement* dialog) {
        // The game that opened this dialog stores the score.
        for (GUIElement* form : Application::GetForms()) {
            auto* game = dynamic_cast<FormMain*>(form);
            if (game != nullptr && game->GetNameForm() == dialog) game->SaveScore();
        }
    });
    const Point origin = GetLocation();
    name_form_->Move(origin.x + (GetActualWidth() - name_form_->GetWidth()) / 2,
                     origin.y + (GetActualHeight() - name_form_->GetHeight()) / 2);
    name_form_->Show();
}

void FormMain::SaveScore() {
    ScoreTable("Sassorbi").AddScore(score_, ScoreEntryText(PlayerName(), level_));
    state_ = GameState::ScoreSaved;
}

// The head-up display: a strip drawn off-screen by the server and copied into the static
// layer, so every frame shows it.
void FormMain::ShowHud() {
    XFontStruct* font = SharedFont(GetDisplay());
    const int ascent = font != nullptr ? font->ascent : GetGraphics()->TextHeight() - 1;
    DrawHudStrip(GetFrameSize().width, ascent + 15, ascent);
}

void FormMain::DrawHudStrip(int width, int height, int ascent) {
    if (!hud_pixmap_) {
        const XImage* background = GetBackground();
        const int depth = background != nullptr
                              ? background->depth
                              : DefaultDepth(GetDisplay(), DefaultScreen(GetDisplay()));
        hud_pixmap_ = OwnedPixmap(GetDisplay(), GetWindow(), width, height, depth);
    }
    Graphics strip(this, hud_pixmap_.Get());
    strip.FillRectangle(0, 0, width + 1, height + 1, 0, kNoColour, kNearBlack);
    const std::string score = "Score: " + IntToString(score_, '0', 6);
    const std::string lives = "Lives: " + IntToString(lives_);
    const std::string level = "Level: " + IntToString(level_);
    const int baseline = ascent + 10;
    strip.DrawString(5, baseline, score, kWhite);
    strip.DrawString(width - strip.TextWidth(lives) - 10, baseline, lives, kWhite);
    strip.DrawString((width - strip.TextWidth(level)) / 2, baseline, level, kWhite);
    const ServerImage image = strip.GetImage(0, 0, width, height);
    if (image) RenderImage(image.get(), 0, 0, width, height, true, false);
}

}  // namespace sassorbi
