#include "game/Sprite.h"

#include "game/FormGames.h"
#include "graphics/PixelCopy.h"
#include "toolkit/Screen.h"

namespace sassorbi {
namespace {
int g_sprites_constructed = 0;
}

Sprite::Sprite(FormGames* owner, XImage* strip, int width, int height)
    : owner_(owner), strip_(strip), width_(width), height_(height), id_(++g_sprites_constructed) {}

void Sprite::Erase() {
    if (drawn_ && old_x_ != -1 && old_y_ != -1) EraseArea(x_, y_, width_, height_);
    drawn_ = false;
    ForgetOldPosition();
}

void Sprite::SetFrame(int index) {
    frame_ = index + 1;
}
void Sprite::FrameChanged(int) {}

void Sprite::SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

void Sprite::ForgetOldPosition() {
    old_x_ = -1;
    old_y_ = -1;
}

// Frames are cut once, when the frame changes; the cut is in the window's pixel layout.
void Sprite::CutFrame() {
    frame_image_.reset();
    if (strip_ == nullptr || width_ <= 0 || height_ <= 0) return;
    frame_image_ = CutImage(owner_->GetDisplay(), owner_->GetScreen()->GetScreenNumber(), *strip_,
                            (frame_ - 1) * height_, width_, height_);
}

void Sprite::Draw(Graphics*) {
    if (frame_ != drawn_frame_) CutFrame();
    if (!static_ && old_x_ != -1 && old_y_ != -1) EraseArea(old_x_, old_y_, width_, height_);
    const bool touches_area = y_ + height_ >= 0 && y_ < owner_->GetFrameSize().height &&
                              x_ < owner_->GetFrameSize().width && x_ + width_ >= 0 && width_ > 0 &&
                              height_ > 0;
    if (frame_image_ && touches_area) {
        owner_->RenderImage(frame_image_.get(), x_, y_, 0, 0, width_, height_, static_,
                            transparent_);
    }
    drawn_ = true;
    drawn_frame_ = frame_;
    old_x_ = x_;
    old_y_ = y_;
}

void Sprite::EraseArea(int x, int y, int w, int h) {
    const int area_width = owner_->GetFrameSize().width,
              area_height = owner_->GetFrameSize().height;
    if (x < 0) w += x, x = 0;
    if (y < 0) h += y, y = 0;
    if (x >= area_width || y >= area_height) return;
    if (x + w > area_width) w = area_width - x;
    if (y + h > area_height) h = area_height - y;
    if (w <= 0 || h <= 0) return;
    owner_->RipristinaSfondo(
        x, y, w, h,
        static_ ? FormGames::RestoreFrom::kBackground : FormGames::RestoreFrom::kStaticLayer);
}

bool Sprite::Overlaps(const Sprite& other, int inset, int other_inset) const {
    const int left = x_ + inset, top = y_ + inset;
    const int right = x_ + width_ - inset, bottom = y_ + height_ - inset;
    const int other_left = other.x_ + other_inset, other_top = other.y_ + other_inset;
    const int other_right = other.x_ + other.width_ - other_inset;
    const int other_bottom = other.y_ + other.height_ - other_inset;
    return left < other_right && other_left < right && top < other_bottom && other_top < bottom;
}

}  // namespace sassorbi
