#pragma once

#include <X11/Xlib.h>

namespace sassorbi {

class Form;

// Routes one X event to the form that owns its window and to the control concerned:
// keys to the focused control and then the form, the left button to the control under
// the pointer (moving the focus), close requests to QueryClose. main may be null.
void DispatchEvent(Display* display, XEvent& event, Form* main, bool detectable_auto_repeat);

}  // namespace sassorbi
