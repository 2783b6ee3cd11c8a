// The ship, the rock and the gem, drawn at any scale so the title picture can reuse them.
#pragma once

#include <cairo.h>

namespace sassorbi {

// The ship in a 50 x 50 box, nose up; flame_phase in [0, 1) animates the engine flames.
void PaintShip(cairo_t* cr, double flame_phase);
// A moonlit rock of about radius 20 centred on the origin, turned by angle (radians).
void PaintRock(cairo_t* cr, double angle);
// A gem in a 32 x 32 box.
void PaintGem(cairo_t* cr);

}  // namespace sassorbi
