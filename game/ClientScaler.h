#pragma once
// Scaling in client memory, for servers without RENDER: every pixel of an area is repeated
// factor x factor times into a picture of the scaled frame's size, which is put on the window
// (through MIT-SHM where it attaches).

#include <memory>

#include "game/FrameScaler.h"
#include "game/ScreenBuffer.h"

namespace sassorbi {

class ClientScaler : public FrameScaler {
public:
    ClientScaler(Display* display, int screen_number, Window window, Size frame);

    bool UsesRender() const override { return false; }

protected:
    void Scale(const Rect& area, ScreenBuffer* picture) override;
    void OnPlacementChanged() override;

private:
    std::unique_ptr<ScreenBuffer> scaled_;
};

}  // namespace sassorbi
