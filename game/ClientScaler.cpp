#include "game/ClientScaler.h"

#include <X11/Xutil.h>

#include <cstring>

#include "graphics/XOwners.h"

namespace sassorbi {
namespace {

char* PixelAddress(const XImage& image, int x, int y) {
    return image.data + static_cast<ptrdiff_t>(y) * image.bytes_per_line +
           static_cast<ptrdiff_t>(x) * (image.bits_per_pixel / 8);
}

// Each pixel of the w x h area at `from` becomes an n x n square at `to`: one scaled row is
// built pixel by pixel, its n - 1 copies below it whole.
void RepeatPixels(const XImage& source, Point from, int w, int h, XImage* target, Point to, int n) {
    const int bytes = target->bits_per_pixel / 8;
    const size_t row_bytes = static_cast<size_t>(w) * n * bytes;
    for (int row = 0; row < h; ++row) {
        const char* in = PixelAddress(source, from.x, from.y + row);
        char* out = PixelAddress(*target, to.x, to.y + row * n);
        for (int column = 0; column < w; ++column, in += bytes) {
            for (int copy = 0; copy < n; ++copy, out += bytes)
                std::memcpy(out, in, static_cast<size_t>(bytes));
        }
        const char* scaled_row = PixelAddress(*target, to.x, to.y + row * n);
        for (int copy = 1; copy < n; ++copy)
            std::memcpy(PixelAddress(*target, to.x, to.y + row * n + copy), scaled_row, row_bytes);
    }
}

}  // namespace

ClientScaler::ClientScaler(Display* display, int screen_number, Window window, Size frame)
    : FrameScaler(display, screen_number, window, frame) {
    OnPlacementChanged();
}

void ClientScaler::OnPlacementChanged() {
    const int n = placement_.factor;
    if (scaled_ && scaled_->GetImage()->width == frame_size_.width * n) return;
    scaled_.reset();
    scaled_ = ScreenBuffer::Create(display_, screen_number_, frame_size_.width * n,
                                   frame_size_.height * n);
}

// The pixels come from the picture the caller holds, else they are read back from the frame.
void ClientScaler::Scale(const Rect& area, ScreenBuffer* picture) {
    if (!scaled_) return;
    ServerImage read;
    const XImage* source = picture != nullptr ? picture->GetImage() : nullptr;
    Point from{area.x, area.y};
    if (source == nullptr) {
        read.reset(XGetImage(display_, frame_.Get(), area.x, area.y, static_cast<unsigned>(area.w),
                             static_cast<unsigned>(area.h), AllPlanes, ZPixmap));
        if (!read) return;
        source = read.get();
        from = {0, 0};
    }
    const int n = placement_.factor;
    const Rect scaled{area.x * n, area.y * n, area.w * n, area.h * n};
    RepeatPixels(*source, from, area.w, area.h, scaled_->GetImage(), {scaled.x, scaled.y}, n);
    scaled_->Put(window_, gc_.Get(), {scaled}, placement_.offset);
}

}  // namespace sassorbi
