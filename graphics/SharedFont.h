#pragma once

#include <X11/Xlib.h>

namespace sassorbi {

// The one font all text is drawn in: the font description of the first registered form
// (the main form), loaded on first use. Null when it cannot be loaded.
XFontStruct* SharedFont(Display* display);

}  // namespace sassorbi
