#pragma once
// The part of the screen that windows may cover.

#include <X11/Xlib.h>

#include "toolkit/Geometry.h"

namespace sassorbi {

// The current desktop's work area as the window manager announces it (_NET_WORKAREA), or
// the whole screen when none does.
Size WorkAreaSize(Display* display, int screen_number);

}  // namespace sassorbi
