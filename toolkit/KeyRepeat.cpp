#include "toolkit/KeyRepeat.h"

namespace sassorbi {

bool IsAutoRepeatRelease(Display* display, const XKeyEvent& release) {
    if (release.type != KeyRelease || XEventsQueued(display, QueuedAfterReading) == 0) {
        return false;
    }
    XEvent next;
    XPeekEvent(display, &next);
    return next.type == KeyPress && next.xkey.keycode == release.keycode &&
           next.xkey.time == release.time && next.xkey.window == release.window;
}

}  // namespace sassorbi
