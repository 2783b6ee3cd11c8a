#pragma once

#include <X11/Xlib.h>

namespace sassorbi {

// Where the server cannot report held keys without them, X repeats a held key as a
// release immediately followed by a press of the same key at the same time. True when
// this release is such a fake one (the press stays queued and is delivered).
bool IsAutoRepeatRelease(Display* display, const XKeyEvent& release);

}  // namespace sassorbi
