#pragma once
// Where the game's frame sits on its window: a whole scale factor, so every pixel of the frame
// becomes a square of pixels and nothing of its look is lost, and the offset of its top left.

#include "toolkit/Geometry.h"

namespace sassorbi {

struct FramePlacement {
    int factor = 1;
    Point offset;

    // The frame exactly covers a window of its own size: no scaling is needed.
    bool IsIdentity() const { return factor == 1 && offset.x == 0 && offset.y == 0; }
};

// The largest factor at which the frame fits the window (at least 1), centred in it.
FramePlacement PlaceFrame(Size frame, Size window);

// The largest factor at which a window of the frame's size times the factor fits in about
// 90% of the work area, so the window manager's frame and the panels still have room; at
// least 1.
int AutoScaleFactor(Size frame, Size work_area);

}  // namespace sassorbi
