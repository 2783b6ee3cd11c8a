// A long palace front: rusticated ground floor, lit piano nobile, balcony and heavy cornice.
#include "assets/Assets.h"
#include "assets/scenes/NightKit.h"

#include <cmath>

namespace sassorbi {

namespace {

constexpr double kGroundY = 545;
constexpr double kLeft = 70;
constexpr double kRight = 730;
constexpr double kTop = 230;

void Walls(cairo_t* cr) {
    cairo_rectangle(cr, kLeft, kTop, kRight - kLeft, kGroundY - kTop);
    FillVertical(cr, kTop, kGroundY, 0x4a3a40, 0xb48a64);
    // Rusticated blocks on the ground floor.
    SetColor(cr, 0x5a4434, 0.5);
    cairo_set_line_width(cr, 1.5);
    for (double y = 445; y < kGroundY; y += 16) {
        cairo_move_to(cr, kLeft, y);
        cairo_line_to(cr, kRight, y);
    }
    cairo_stroke(cr);
    // Cornice and string courses.
    cairo_rectangle(cr, kLeft - 14, kTop - 14, kRight - kLeft + 28, 16);
    FillVertical(cr, kTop - 14, kTop + 2, 0x7a6660, 0x3a3038);
    SetColor(cr, 0xe0c098, 0.55);
    cairo_rectangle(cr, kLeft - 4, 436, kRight - kLeft + 8, 8);
    cairo_rectangle(cr, kLeft - 4, 330, kRight - kLeft + 8, 5);
    cairo_fill(cr);
    // Roof and chimneys.
    cairo_move_to(cr, kLeft - 10, kTop - 14);
    cairo_line_to(cr, kLeft + 30, kTop - 44);
    cairo_line_to(cr, kRight - 30, kTop - 44);
    cairo_line_to(cr, kRight + 10, kTop - 14);
    cairo_close_path(cr);
    for (double x : {160.0, 380.0, 620.0})
        cairo_rectangle(cr, x, kTop - 66, 16, 30);
    FillVertical(cr, kTop - 66, kTop - 14, 0x2a2634, 0x3e3238);
}

// A tall window with a pediment, triangular or curved by turns.
void NobleWindow(cairo_t* cr, double x, double y, bool lit, bool triangular) {
    SetColor(cr, 0xe8cca4, 0.8);
    if (triangular) {
        cairo_move_to(cr, x - 6, y - 4);
        cairo_line_to(cr, x + 13, y - 18);
        cairo_line_to(cr, x + 32, y - 4);
        cairo_close_path(cr);
    } else {
        cairo_arc(cr, x + 13, y - 2, 18, M_PI * 1.1, M_PI * 1.9);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_rectangle(cr, x - 4, y + 54, 34, 5);
    cairo_fill(cr);
    if (lit) {
        LitWindow(cr, x, y, 26, 52, false);
    } else {
        DarkWindow(cr, x, y, 26, 52, false);
    }
}

void Windows(cairo_t* cr, Rng& rng) {
    for (int i = 0; i < 11; ++i) {
        const double x = kLeft + 22 + i * 58;
        if (i == 5) continue;  // the balcony's door sits in the middle
        NobleWindow(cr, x, 356, rng.Uniform(0, 1) < 0.8, i % 2 == 0);
        if (rng.Uniform(0, 1) < 0.5) {
            LitWindow(cr, x + 3, 260, 20, 30, false, 0xffd080);
        } else {
            DarkWindow(cr, x + 3, 260, 20, 30, false);
        }
        if (i != 4 && i != 6) DarkWindow(cr, x + 2, 470, 22, 34, true);
    }
}

void Entrance(cairo_t* cr) {
    // Lit doorway, balcony with balusters and a glowing French window above.
    SetColor(cr, 0xd0b088);
    ArchPath(cr, 370, 446, 60, kGroundY - 446);
    cairo_fill(cr);
    LitWindow(cr, 378, 456, 44, kGroundY - 456, true, 0xffb048);
    LitWindow(cr, 384, 348, 32, 66, true, 0xffc060);
    SetColor(cr, 0xe0c8a0);
    cairo_rectangle(cr, 356, 414, 88, 6);
    cairo_rectangle(cr, 356, 430, 88, 4);
    cairo_fill(cr);
    for (double x = 360; x <= 440; x += 8)
        cairo_rectangle(cr, x, 394, 3, 20);
    cairo_rectangle(cr, 356, 392, 88, 3);
    cairo_fill(cr);
    // A coat of arms over the balcony.
    SetColor(cr, 0xe8d0a0);
    cairo_move_to(cr, 388, 300);
    cairo_line_to(cr, 412, 300);
    cairo_line_to(cr, 412, 316);
    cairo_curve_to(cr, 412, 326, 400, 330, 400, 330);
    cairo_curve_to(cr, 400, 330, 388, 326, 388, 316);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, 0x8a3030);
    cairo_rectangle(cr, 396, 303, 8, 22);
    cairo_fill(cr);
}

}  // namespace

Bytes DrawPalazzoGenio() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Rng rng(404);
    PaintSky(cr, 0x060a1c, 0x141c44, 0x3a3c6a, kGroundY);
    PaintStars(cr, rng, 240, kQuietTop + 6, 300);
    PaintMoon(cr, 620, 100, 30);
    PaintClouds(cr, rng, 80, 120, 300, 0xb0b8e0);
    Walls(cr);
    Windows(cr, rng);
    Entrance(cr);
    for (double x : {30.0, 770.0})
        Cypress(cr, x, kGroundY, 170, 0x0e1a18);
    PaintGround(cr, kGroundY, 0x2a2428, 0x4a403c);
    for (double x : {130.0, 300.0, 500.0, 670.0})
        StreetLamp(cr, x, kGroundY + 2, 64);
    return canvas.PictureBytes();
}

}  // namespace sassorbi
