#include "game/FrameScaler.h"

#include <X11/extensions/Xrender.h>

#include <algorithm>

#include "game/ClientScaler.h"
#include "game/RenderScaler.h"
#include "game/ScreenBuffer.h"

namespace sassorbi {

std::unique_ptr<FrameScaler> FrameScaler::Create(Display* display, int screen_number, Window window,
                                                 Size frame) {
    int event_base = 0, error_base = 0;
    std::unique_ptr<FrameScaler> scaler;
    if (XRenderQueryExtension(display, &event_base, &error_base)) {
        scaler = std::make_unique<RenderScaler>(display, screen_number, window, frame);
    }
    if (!scaler || !scaler->HasFrame()) {
        scaler = std::make_unique<ClientScaler>(display, screen_number, window, frame);
    }
    return scaler->HasFrame() ? std::move(scaler) : nullptr;
}

FrameScaler::FrameScaler(Display* display, int screen_number, Window window, Size frame)
    : display_(display), screen_number_(screen_number), window_(window), frame_size_(frame) {
    if (frame.width <= 0 || frame.height <= 0) return;
    frame_ = OwnedPixmap(display, window, frame.width, frame.height,
                         DefaultDepth(display, screen_number));
    XGCValues values{};
    values.graphics_exposures = False;
    gc_ = OwnedGc(display, window, GCGraphicsExposures, &values);
}

void FrameScaler::SetPlacement(const FramePlacement& placement) {
    placement_ = placement;
    OnPlacementChanged();
}

void FrameScaler::ShowPicture(ScreenBuffer* picture, const std::vector<Rect>& areas) {
    std::vector<Rect> inside;
    for (const Rect& area : areas) {
        const Rect clipped = InsideFrame(area);
        if (!clipped.IsEmpty()) inside.push_back(clipped);
    }
    picture->Put(frame_.Get(), gc_.Get(), inside);
    for (const Rect& area : inside)
        Scale(area, picture);
    XFlush(display_);
}

void FrameScaler::ShowArea(const Rect& area) {
    const Rect inside = InsideFrame(area);
    if (inside.IsEmpty()) return;
    Scale(inside, nullptr);
    XFlush(display_);
}

void FrameScaler::ShowAll() {
    PaintBorders();
    ShowArea({0, 0, frame_size_.width, frame_size_.height});
}

Rect FrameScaler::OnWindow(const Rect& area) const {
    const int n = placement_.factor;
    return {placement_.offset.x + area.x * n, placement_.offset.y + area.y * n, area.w * n,
            area.h * n};
}

Rect FrameScaler::InsideFrame(const Rect& area) const {
    const int left = std::max(area.x, 0), top = std::max(area.y, 0);
    const int right = std::min(area.x + area.w, frame_size_.width);
    const int bottom = std::min(area.y + area.h, frame_size_.height);
    return {left, top, right - left, bottom - top};
}

// Black around the scaled frame, as far as the window reaches.
void FrameScaler::PaintBorders() {
    Window root;
    int x, y;
    unsigned width, height, border, depth;
    if (!XGetGeometry(display_, window_, &root, &x, &y, &width, &height, &border, &depth)) return;
    const Rect shown = OnWindow({0, 0, frame_size_.width, frame_size_.height});
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    const int right = shown.x + shown.w, bottom = shown.y + shown.h;
    XRectangle borders[] = {
        {0, 0, static_cast<unsigned short>(w), static_cast<unsigned short>(std::max(0, shown.y))},
        {0, static_cast<short>(bottom), static_cast<unsigned short>(w),
         static_cast<unsigned short>(std::max(0, h - bottom))},
        {0, static_cast<short>(shown.y), static_cast<unsigned short>(std::max(0, shown.x)),
         static_cast<unsigned short>(shown.h)},
        {static_cast<short>(right), static_cast<short>(shown.y),
         static_cast<unsigned short>(std::max(0, w - right)), static_cast<unsigned short>(shown.h)},
    };
    XSetForeground(display_, gc_.Get(), BlackPixel(display_, screen_number_));
    XFillRectangles(display_, window_, gc_.Get(), borders, 4);
}

}  // namespace sassorbi
