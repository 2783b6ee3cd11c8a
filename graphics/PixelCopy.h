#pragma once
// Copies between images of the window's pixel layout: the one place that knows where the
// colour channels sit in a pixel. Whole rows go with memcpy; the colour-keyed copies work on
// whole 32-bit pixels where the layout has them. Callers clip; these functions trust their
// rectangles.

#include <X11/Xlib.h>

#include "toolkit/Geometry.h"
#include "graphics/XOwners.h"

namespace sassorbi {

// The whole of from into to; both have the same size and layout.
void CopyImage(const XImage& from, XImage* to);
// The rectangle (x, y, w, h) of from into the same place of to.
void CopyRect(const XImage& from, XImage* to, int x, int y, int w, int h);
// The w x h area of from at (src_x, src_y) to (x, y) of to; with transparent, pixels whose
// colour is pure black are skipped.
void BlitImage(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
               bool transparent);
// The same, skipping the pixels whose colour is key (0xRRGGBB).
void BlitKeyed(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
               Colour key);
// A w x h cut of from at (0, top) as a new image of the same layout; rows beyond the end
// of from are transparent (black).
ClientImage CutImage(Display* display, int screen_number, const XImage& from, int top, int w,
                     int h);

}  // namespace sassorbi
