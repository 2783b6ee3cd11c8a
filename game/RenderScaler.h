#pragma once
// Scaling by the X server: the frame pixmap as a RENDER picture whose transform maps every
// window pixel back to the frame pixel it lies on (the nearest filter, so pixels stay
// sharp squares), composited onto the window's picture.

#include <X11/extensions/Xrender.h>

#include "game/FrameScaler.h"

namespace sassorbi {

class RenderScaler : public FrameScaler {
public:
    RenderScaler(Display* display, int screen_number, Window window, Size frame);
    ~RenderScaler() override;

    bool UsesRender() const override { return true; }

protected:
    void Scale(const Rect& area, ScreenBuffer* picture) override;
    void OnPlacementChanged() override;

private:
    Picture source_ = 0;
    Picture target_ = 0;
};

}  // namespace sassorbi
