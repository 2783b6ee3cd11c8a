#include "game/FormGames.h"

#include <X11/keysym.h>

#include <algorithm>

#include "devices/JoystickConfig.h"
#include "graphics/PixelCopy.h"
#include "game/Sprite.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

namespace sassorbi {
namespace {

FormGames* Self(GUIElement* element) {
    return static_cast<FormGames*>(element);
}

}  // namespace

FormGames::FormGames(Screen* screen, const std::string& title) : Form(0) {
    Initialise(screen, title, {800, 640}, 1);
}

FormGames::FormGames(Screen* screen, const std::string& title, int width, int height, int scale)
    : Form(0) {
    Initialise(screen, title, {width, height}, scale);
}

void FormGames::Initialise(Screen* screen, const std::string& title, Size frame, int scale) {
    if (screen != nullptr) SetScreen(screen);
    SetBackColor(0x010101);
    frame_size_ = frame;
    SetSize(frame.width * scale, frame.height * scale);
    SetTitle(title);
    SetFlagD(false);
    SetFlagC(true);
    InstallHooks();
    Create();
    // A key held while the focus leaves would never be released: forget keys on focus loss.
    AddInputMask(FocusChangeMask);
    LoadJoystickConfig();
}

void FormGames::InstallHooks() {
    SetOnLoad([](GUIElement* e, uint64_t) { Self(e)->CreateFrameTimer(); });
    SetOnQueryClose([](GUIElement* e) { return Self(e)->QueryCloseHook(); });
    SetOnResize([](GUIElement* e) {
        Self(e)->UpdatePresentation();
        Self(e)->ResizeHook();
    });
    SetOnKeyChar([](GUIElement* e, char c) { return Self(e)->KeyCharHook(c); });
    SetOnKeyDown([](GUIElement* e, KeySym key) {
        Self(e)->FullScreenKey(key, true);
        Self(e)->KeyDownHook(key);
    });
    SetOnKeyUp([](GUIElement* e, KeySym key) {
        Self(e)->FullScreenKey(key, false);
        Self(e)->KeyUpHook(key);
    });
    SetOnClick([](GUIElement* e, uint64_t, Point) { Self(e)->ClickHook(); });
    SetOnMouseDown([](GUIElement* e, uint64_t, Point) { Self(e)->MouseDownHook(); });
}

FormGames::~FormGames() {
    FreePictures();
    hud_pixmap_ = {};
    if (frame_timer_) frame_timer_->Stop();
    frame_timer_.reset();
    graphics_.reset();
    DestroyWindow();
}

void FormGames::FreePictures() {
    background_.reset();
    static_layer_.reset();
    screen_buffer_.reset();
}

void FormGames::RunApp() {}

void FormGames::NewGame() {
    score_ = 0;
    level_ = 1;
    lives_ = 3;
}

void FormGames::CreateFrameTimer() {
    frame_timer_ = std::make_unique<Timer>(this, 10);
    frame_timer_->SetOnTick([](Timer* timer) { Self(timer->GetParent())->OnUserMessage(); });
}

bool FormGames::QueryCloseHook() {
    OnClosing();
    if (frame_timer_) frame_timer_->Stop();
    Application::RequestQuit();
    return true;
}

void FormGames::ResizeHook() {}
bool FormGames::KeyCharHook(char) {
    return true;
}
void FormGames::UserHook() {}

void FormGames::ClickHook() {
    if (!IsEnabled() && GetActiveDialog() != nullptr) GetActiveDialog()->Show();
}

void FormGames::MouseDownHook() {}
void FormGames::SpareHook2() {}

// The first exposure makes drawing possible: the game starts there.
void FormGames::Paint() {
    if (IsCreated() && !graphics_) {
        graphics_ = std::make_unique<Graphics>(this);
        UpdatePresentation();
        RunApp();
        if (frame_timer_) frame_timer_->Start();
    }
    // The server has lost what the window showed; a scaled window has it in the frame.
    damage_.AddAll();
    if (scaler_) scaler_->ShowAll();
    Form::Paint();
}

// Every 10 ms tick; a frame every sixth one, unless a picture is being written.
void FormGames::OnUserMessage() {
    if (in_tick_) return;
    in_tick_ = true;
    if (graphics_ && screen_buffer_) {
        frame_accumulator_ += 10;
        if (frame_accumulator_ > 50 && !busy_) {
            RenderFrame();
            frame_accumulator_ = 0;
        }
    }
    in_tick_ = false;
    Form::OnUserMessage();
}

// Only the damage is composed and sent: there the static layer is restored and the moving
// sprites drawn in list order, so every pixel is what a whole rebuild would give.
void FormGames::RenderFrame() {
    if (!screen_buffer_) return;
    if (full_redraw_) RecordSprites();
    if (full_frames_) damage_.AddAll();
    XImage* buffer = screen_buffer_->GetImage();
    const std::vector<Rect> areas = damage_.Take(buffer->width, buffer->height);
    if (full_redraw_) {
        for (const Rect& area : areas) {
            CopyRect(*static_layer_, buffer, area.x, area.y, area.w, area.h);
            frame_sprites_.Replay(area, buffer);
        }
    }
    PresentFrame(areas);
}

// Sprites draw into the frame's list, not the buffer; what changed becomes damage.
void FormGames::RecordSprites() {
    frame_sprites_.Begin();
    for (Sprite* sprite : sprites_) {
        if (sprite->IsStatic()) continue;
        frame_sprites_.StartSprite(sprite->GetId(), sprite->GetFrame());
        sprite->ForgetOldPosition();
        sprite->Draw(graphics_.get());
    }
    frame_sprites_.End(&damage_);
}

// What the buffer holds was drawn under the other mode: the next frame starts afresh.
void FormGames::SetFullRedraw(bool full) {
    if (full != full_redraw_) {
        damage_.AddAll();
        frame_sprites_.Forget();
    }
    full_redraw_ = full;
}

int FormGames::KeyIndex(KeySym key) {
    switch (key) {
        case XK_Left:
            return 'a';
        case XK_Right:
            return 'd';
        case XK_Up:
            return 'w';
        case XK_Down:
            return 'x';
        default:
            return key <= 255 ? static_cast<int>(key) : -1;
    }
}

// Only the key pressed last counts as held.
void FormGames::KeyDownHook(KeySym key) {
    const int index = KeyIndex(key);
    if (index < 0) return;
    if (single_key_) ClearKeys();
    key_state_[index] = 1;
}

void FormGames::KeyUpHook(KeySym key) {
    const int index = KeyIndex(key);
    if (index >= 0) key_state_[index] = 0;
}

bool FormGames::IsKeyDown(KeySym key) const {
    const int index = KeyIndex(key);
    return index >= 0 && key_state_[index] != 0;
}

void FormGames::ClearKeys() {
    key_state_.fill(0);
}

void FormGames::OnFocusOut() {
    ClearKeys();
}

void FormGames::AddSprite(Sprite* sprite) {
    sprites_.push_back(sprite);
}
void FormGames::ClearSprites() {
    sprites_.clear();
}

void FormGames::RemoveSprite(Sprite* sprite) {
    const auto found = std::find_if(sprites_.begin(), sprites_.end(), [sprite](Sprite* entry) {
        return entry->GetTypeName() == "sprite" && entry->GetId() == sprite->GetId();
    });
    if (found != sprites_.end()) sprites_.erase(found);
}

XImage* FormGames::GetScreenBufferImage() const {
    return screen_buffer_ ? screen_buffer_->GetImage() : nullptr;
}

}  // namespace sassorbi
