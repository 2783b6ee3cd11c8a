#include "assets/Assets.h"
#include "assets/sprites/SpriteArt.h"
#include "game/SpriteTable.h"

#include <cmath>

namespace sassorbi {

namespace {

// The box the ship is drawn in.
constexpr int kShipSize = 50;

// One flame under a nozzle: outer orange tongue, yellow body, white core.
void Flame(cairo_t* cr, double x, double top, double length, double width) {
    const uint32_t colours[] = {0xff5a1e, 0xffb020, 0xfff6d0};
    for (int layer = 0; layer < 3; ++layer) {
        const double w = width * (1 - layer * 0.3);
        const double l = length * (1 - layer * 0.3);
        cairo_move_to(cr, x - w / 2, top);
        cairo_curve_to(cr, x - w / 2, top + l * 0.5, x - w * 0.1, top + l * 0.8, x, top + l);
        cairo_curve_to(cr, x + w * 0.1, top + l * 0.8, x + w / 2, top + l * 0.5, x + w / 2, top);
        cairo_close_path(cr);
        SetColor(cr, colours[layer]);
        cairo_fill(cr);
    }
}

void Wings(cairo_t* cr) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 25 + side * 5, 17);
        cairo_line_to(cr, 25 + side * 22, 33);
        cairo_line_to(cr, 25 + side * 22, 38);
        cairo_line_to(cr, 25 + side * 6, 36);
        cairo_close_path(cr);
    }
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, 0, kShipSize, 0);
    AddStop(metal, 0, 0x5a6784);
    AddStop(metal, 0.45, 0xc9d3e6);
    AddStop(metal, 0.55, 0xaab6cc);
    AddStop(metal, 1, 0x4c5772);
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    // Red stripes and the tip lights.
    for (int side = -1; side <= 1; side += 2) {
        SetColor(cr, 0xd8302c);
        cairo_move_to(cr, 25 + side * 12, 25);
        cairo_line_to(cr, 25 + side * 20, 32);
        cairo_line_to(cr, 25 + side * 20, 34.5);
        cairo_line_to(cr, 25 + side * 12, 28);
        cairo_close_path(cr);
        cairo_fill(cr);
        SetColor(cr, side < 0 ? 0xff4040 : 0x40ff70);
        cairo_rectangle(cr, side < 0 ? 2.5 : 45.5, 33, 2, 5);
        cairo_fill(cr);
    }
}

void Hull(cairo_t* cr) {
    cairo_move_to(cr, 25, 2);
    cairo_curve_to(cr, 29, 8, 31, 16, 31, 26);
    cairo_line_to(cr, 30, 39);
    cairo_line_to(cr, 20, 39);
    cairo_line_to(cr, 19, 26);
    cairo_curve_to(cr, 19, 16, 21, 8, 25, 2);
    cairo_close_path(cr);
    cairo_pattern_t* metal = cairo_pattern_create_linear(19, 0, 31, 0);
    AddStop(metal, 0, 0x6d7a96);
    AddStop(metal, 0.4, 0xf0f4fb);
    AddStop(metal, 1, 0x7b88a4);
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    // Cockpit glass with a glint.
    cairo_save(cr);
    cairo_translate(cr, 25, 17);
    cairo_scale(cr, 3.2, 6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    FillVertical(cr, 11, 23, 0x9ff0ff, 0x1c5aa8);
    SetColor(cr, 0xffffff);
    cairo_rectangle(cr, 23.5, 13, 1.5, 3);
    cairo_fill(cr);
    // Engine nozzles.
    for (double x : {21.5, 28.5}) {
        SetColor(cr, 0x3a3f52);
        cairo_rectangle(cr, x - 3, 37, 6, 3.5);
        cairo_fill(cr);
    }
}

}  // namespace

void PaintShip(cairo_t* cr, double flame_phase) {
    // The flames pulse and flicker, a little out of step between the two engines.
    const double pulse = std::sin(flame_phase * 2 * M_PI);
    const double flicker = std::sin(flame_phase * 6 * M_PI + 1.3);
    Flame(cr, 21.5, 40, 6.5 + 2 * pulse + 0.4 * flicker, 5.2);
    Flame(cr, 28.5, 40, 6.5 + 2 * pulse - 0.4 * flicker, 5.2);
    Wings(cr);
    Hull(cr);
}

Bytes DrawPlayerStrip() {
    const StripSpec& strip = kPlayerStrip;
    Canvas canvas(strip.width, strip.height);
    cairo_t* cr = canvas.Cr();
    for (int frame = 0; frame < strip.frames; ++frame) {
        cairo_save(cr);
        cairo_translate(cr, 0, frame * strip.frame_height);
        cairo_rectangle(cr, 0, 0, strip.width, strip.frame_height);
        cairo_clip(cr);
        PaintShip(cr, static_cast<double>(frame) / strip.frames);
        cairo_restore(cr);
    }
    return canvas.SpriteBytes();
}

}  // namespace sassorbi
