// How the game form's frame reaches its window: as it is, or scaled by a whole factor onto a
// larger window (the --scale option, or full screen, F11), centred with black borders. The
// placement follows the window's size on screen, so a window manager that grows the window
// to full screen gets the largest factor that fits.

#include <X11/keysym.h>

#include "game/FormGames.h"
#include "toolkit/Screen.h"
#include "util/Log.h"

namespace sassorbi {

void FormGames::UpdatePresentation() {
    if (!graphics_) return;
    presented_size_ = {GetActualWidth(), GetActualHeight()};
    const FramePlacement placement = PlaceFrame(frame_size_, presented_size_);
    if (placement.IsIdentity()) {
        if (!scaler_) return;
        scaler_.reset();
        graphics_ = std::make_unique<Graphics>(this);
        damage_.AddAll();
        return;
    }
    if (!scaler_ && !StartScaler()) return;
    scaler_->SetPlacement(placement);
    if (screen_buffer_)
        scaler_->ShowPicture(screen_buffer_.get(), {{0, 0, frame_size_.width, frame_size_.height}});
    scaler_->ShowAll();
}

// The frame moves to a pixmap on the server, and drawing follows it there.
bool FormGames::StartScaler() {
    scaler_ =
        FrameScaler::Create(GetDisplay(), GetScreen()->GetScreenNumber(), GetWindow(), frame_size_);
    if (!scaler_) {
        WriteLog("Scaling unavailable: the frame is shown at its own size");
        return false;
    }
    graphics_ = std::make_unique<Graphics>(this, scaler_->GetFrame());
    // A new pixmap holds whatever the server left there: it starts as a new window does.
    const Colour ground = GetBackColor() == kNoColour ? kDefaultBackColour : GetBackColor();
    graphics_->FillRectangle(0, 0, frame_size_.width + 1, frame_size_.height + 1, 0, kNoColour,
                             ground);
    damage_.AddAll();
    return true;
}

// A resize the program asks for itself repeats the stored size and raises no Resized: the
// window's size as configured is checked here, where every configuration arrives.
void FormGames::SetBounds(int x, int y, int width, int height) {
    Form::SetBounds(x, y, width, height);
    if (width != presented_size_.width || height != presented_size_.height) UpdatePresentation();
}

// Every frame reaches the window here.
void FormGames::PresentFrame(const std::vector<Rect>& areas) {
    if (scaler_) {
        scaler_->ShowPicture(screen_buffer_.get(), areas);
    } else {
        screen_buffer_->Put(GetWindow(), graphics_->GetContext(), areas);
    }
}

void FormGames::ShowDrawn(int x, int y, int w, int h) {
    if (scaler_) scaler_->ShowArea({x, y, w, h});
}

// F11 belongs to the presentation, not to the game's rules; it has no character either.
void FormGames::FullScreenKey(KeySym key, bool down) {
    if (key != XK_F11) return;
    if (down && !full_screen_key_held_) ToggleFullScreen();
    full_screen_key_held_ = down;
}

// The scaler's pictures live on the window: they go first, and drawing returns to the window.
void FormGames::DestroyWindow() {
    if (scaler_) {
        scaler_.reset();
        if (graphics_) graphics_ = std::make_unique<Graphics>(this);
    }
    Form::DestroyWindow();
}

}  // namespace sassorbi
