#include "assets/Assets.h"
#include "assets/sprites/SpriteArt.h"
#include "game/SpriteTable.h"

#include <cmath>

namespace sassorbi {

namespace {

constexpr int kOutlinePoints = 13;

// The rock's outline and craters, fixed so every frame shows the same rock turning.
struct RockShape {
    double radius[kOutlinePoints];
    double craters[5][3];  // x, y, radius in rock coordinates
};

const RockShape& Shape() {
    static const RockShape shape = [] {
        RockShape s{};
        Rng rng(20240611);
        for (double& r : s.radius)
            r = rng.Uniform(16.5, 21);
        const double craters[5][3] = {
            {-6, -5, 4.5}, {7, 3, 3.5}, {-3, 9, 3}, {8, -9, 2.5}, {-11, 4, 2.2}};
        for (int i = 0; i < 5; ++i) {
            for (int k = 0; k < 3; ++k)
                s.craters[i][k] = craters[i][k];
        }
        return s;
    }();
    return shape;
}

// A smooth closed curve through the outline points, turned by angle.
void OutlinePath(cairo_t* cr, double angle) {
    const RockShape& shape = Shape();
    auto point = [&](int i, double& x, double& y) {
        const double a = angle + 2 * M_PI * i / kOutlinePoints;
        x = shape.radius[i % kOutlinePoints] * std::cos(a);
        y = shape.radius[i % kOutlinePoints] * std::sin(a);
    };
    double x0, y0, x1, y1;
    point(0, x0, y0);
    point(1, x1, y1);
    cairo_move_to(cr, (x0 + x1) / 2, (y0 + y1) / 2);
    for (int i = 1; i <= kOutlinePoints; ++i) {
        double xa, ya, xb, yb;
        point(i, xa, ya);
        point(i + 1, xb, yb);
        // Quadratic through the midpoints, written as a cubic.
        double sx, sy;
        cairo_get_current_point(cr, &sx, &sy);
        const double ex = (xa + xb) / 2, ey = (ya + yb) / 2;
        cairo_curve_to(cr, sx + 2.0 / 3 * (xa - sx), sy + 2.0 / 3 * (ya - sy),
                       ex + 2.0 / 3 * (xa - ex), ey + 2.0 / 3 * (ya - ey), ex, ey);
    }
    cairo_close_path(cr);
}

// A crater: shadowed on the moon side, lit rim on the far side.
void Crater(cairo_t* cr, double x, double y, double r) {
    cairo_pattern_t* bowl = cairo_pattern_create_linear(x - r, y - r, x + r, y + r);
    AddStop(bowl, 0, 0x3b3e4c);
    AddStop(bowl, 0.6, 0x6a6e80);
    AddStop(bowl, 1, 0xc2c8d8);
    cairo_set_source(cr, bowl);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(bowl);
}

}  // namespace

void PaintRock(cairo_t* cr, double angle) {
    cairo_save(cr);
    OutlinePath(cr, angle);
    cairo_clip_preserve(cr);
    // Moonlight from the upper left.
    cairo_pattern_t* body = cairo_pattern_create_radial(-8, -9, 1, -4, -4, 28);
    AddStop(body, 0, 0xdfe3ec);
    AddStop(body, 0.45, 0x8d93a6);
    AddStop(body, 1, 0x34364a);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    for (const auto& crater : Shape().craters) {
        const double c = std::cos(angle), s = std::sin(angle);
        Crater(cr, crater[0] * c - crater[1] * s, crater[0] * s + crater[1] * c, crater[2]);
    }
    // The night side stays dim but never black, so the rock reads against the sky.
    cairo_pattern_t* shade = cairo_pattern_create_linear(-12, -12, 16, 16);
    AddStop(shade, 0, 0x2a2c3c, 0);
    AddStop(shade, 1, 0x2a2c3c, 0.65);
    cairo_set_source(cr, shade);
    cairo_paint(cr);
    cairo_pattern_destroy(shade);
    cairo_restore(cr);
    // A pale rim where the moonlight grazes the edge.
    cairo_save(cr);
    OutlinePath(cr, angle);
    cairo_pattern_t* rim = cairo_pattern_create_linear(-15, -15, 5, 5);
    AddStop(rim, 0, 0xeef2ff, 0.9);
    AddStop(rim, 1, 0xeef2ff, 0);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
    cairo_restore(cr);
}

namespace {

// Each asteroid kind makes one whole turn over its frames, the two kinds opposite ways; a
// frame of neither sits between them.
double RockAngle(int frame) {
    const SpriteKindEntry& a = kAsteroidKindA;
    const SpriteKindEntry& b = kAsteroidKindB;
    if (frame >= a.first_frame && frame <= a.last_frame) {
        return 2 * M_PI * (frame - a.first_frame) / (a.last_frame - a.first_frame + 1);
    }
    if (frame >= b.first_frame && frame <= b.last_frame) {
        return -2 * M_PI * (frame - b.first_frame) / (b.last_frame - b.first_frame + 1);
    }
    return M_PI / 5;
}

}  // namespace

Bytes DrawAsteroidStrip() {
    const StripSpec& strip = kAsteroidStrip;
    Canvas canvas(strip.width, strip.height);
    cairo_t* cr = canvas.Cr();
    for (int frame = 0; frame < strip.frames; ++frame) {
        cairo_save(cr);
        cairo_translate(cr, strip.width / 2.0,
                        frame * strip.frame_height + strip.frame_height / 2.0);
        PaintRock(cr, RockAngle(frame));
        cairo_restore(cr);
    }
    return canvas.SpriteBytes();
}

}  // namespace sassorbi
