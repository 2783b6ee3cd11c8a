// Shared pieces of the night pictures: sky, stars, moon, ground, lights and plants.
#pragma once

#include "assets/common/Canvas.h"

namespace sassorbi {

constexpr int kSceneWidth = 800;
constexpr int kSceneHeight = 600;
// The head-up display covers the rows above this line: nothing busy goes there.
constexpr double kQuietTop = 44;

// Fills the whole picture: flat `top` over the quiet strip, then down to `horizon` at horizon_y.
void PaintSky(cairo_t* cr, uint32_t top, uint32_t middle, uint32_t horizon, double horizon_y);
// Scatters stars between the rows; a few bright ones get a sparkle.
void PaintStars(cairo_t* cr, Rng& rng, int count, double y_min, double y_max);
// A full moon with its halo and darker seas.
void PaintMoon(cairo_t* cr, double x, double y, double radius);
// Faint moonlit cloud bands made of overlapping ellipses.
void PaintClouds(cairo_t* cr, Rng& rng, double x, double y, double width, uint32_t colour);
// A hill or mountain line across the picture, filled down to the bottom.
void PaintRidge(cairo_t* cr, Rng& rng, double base_y, double amplitude, uint32_t top_colour,
                uint32_t bottom_colour);
// The strip the ship flies over: paved and evenly lit so sprites stay readable.
void PaintGround(cairo_t* cr, double top_y, uint32_t near_colour, uint32_t far_colour);

// A round light halo.
void Glow(cairo_t* cr, double x, double y, double radius, uint32_t colour, double alpha);
// A lit window with frame and mullions; arched windows get a round head.
void LitWindow(cairo_t* cr, double x, double y, double w, double h, bool arched,
               uint32_t light = 0xffc866);
// A window with no light behind it.
void DarkWindow(cairo_t* cr, double x, double y, double w, double h, bool arched);
void StreetLamp(cairo_t* cr, double x, double base_y, double height);
void Cypress(cairo_t* cr, double x, double base_y, double height, uint32_t colour);
void RoundTree(cairo_t* cr, double x, double base_y, double radius, uint32_t colour);
void Cross(cairo_t* cr, double x, double y, double size, uint32_t colour);
// Path of a rectangle whose top is a half circle.
void ArchPath(cairo_t* cr, double x, double y, double w, double h);

}  // namespace sassorbi
