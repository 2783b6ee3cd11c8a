#include "game/RenderScaler.h"

namespace sassorbi {

RenderScaler::RenderScaler(Display* display, int screen_number, Window window, Size frame)
    : FrameScaler(display, screen_number, window, frame) {
    XRenderPictFormat* format =
        XRenderFindVisualFormat(display, DefaultVisual(display, screen_number));
    if (format == nullptr || !HasFrame()) {
        // Without a picture format there is no frame this scaler can show.
        frame_ = OwnedPixmap();
        return;
    }
    source_ = XRenderCreatePicture(display, frame_.Get(), format, 0, nullptr);
    target_ = XRenderCreatePicture(display, window, format, 0, nullptr);
    XRenderSetPictureFilter(display, source_, FilterNearest, nullptr, 0);
    OnPlacementChanged();
}

RenderScaler::~RenderScaler() {
    if (target_ != 0) XRenderFreePicture(display_, target_);
    if (source_ != 0) XRenderFreePicture(display_, source_);
}

// Window pixel (x, y) shows frame pixel (x / factor, y / factor).
void RenderScaler::OnPlacementChanged() {
    if (source_ == 0) return;
    const XFixed scale = XDoubleToFixed(1.0 / placement_.factor);
    XTransform transform = {{{scale, 0, 0}, {0, scale, 0}, {0, 0, XDoubleToFixed(1.0)}}};
    XRenderSetPictureTransform(display_, source_, &transform);
}

void RenderScaler::Scale(const Rect& area, ScreenBuffer*) {
    const int n = placement_.factor;
    const Rect shown = OnWindow(area);
    XRenderComposite(display_, PictOpSrc, source_, 0, target_, area.x * n, area.y * n, 0, 0,
                     shown.x, shown.y, static_cast<unsigned>(shown.w),
                     static_cast<unsigned>(shown.h));
}

}  // namespace sassorbi
