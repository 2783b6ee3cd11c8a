// A village on a slope under the mountains, its small church with a bell gable on top.
#include "assets/Assets.h"
#include "assets/scenes/NightKit.h"

#include <cmath>

namespace sassorbi {

namespace {

constexpr double kGroundY = 545;

// A village house: lit or dark windows, a tiled roof catching the moonlight.
void House(cairo_t* cr, Rng& rng, double x, double base_y, double w, double h) {
    cairo_rectangle(cr, x, base_y - h, w, h);
    FillVertical(cr, base_y - h, base_y, 0x4a4048, 0x2e2834);
    cairo_move_to(cr, x - 4, base_y - h);
    cairo_line_to(cr, x + w / 2, base_y - h - w * 0.28);
    cairo_line_to(cr, x + w + 4, base_y - h);
    cairo_close_path(cr);
    FillVertical(cr, base_y - h - w * 0.28, base_y - h, 0x6a4a44, 0x3a2a2c);
    for (double wy = base_y - h + 8; wy + 14 < base_y; wy += 22) {
        for (double wx = x + 6; wx + 8 < x + w - 2; wx += 16) {
            if (rng.Uniform(0, 1) < 0.55) {
                LitWindow(cr, wx, wy, 8, 11, false, rng.Int(0, 1) ? 0xffc060 : 0xffa040);
            } else {
                DarkWindow(cr, wx, wy, 8, 11, false);
            }
        }
    }
}

void Church(cairo_t* cr) {
    // Plain front with a round window, a bell gable with two bells above.
    cairo_move_to(cr, 350, 330);
    cairo_line_to(cr, 350, 250);
    cairo_line_to(cr, 410, 205);
    cairo_line_to(cr, 470, 250);
    cairo_line_to(cr, 470, 330);
    cairo_close_path(cr);
    FillVertical(cr, 205, 330, 0x6a5a58, 0xb0906a);
    cairo_rectangle(cr, 385, 150, 50, 62);
    cairo_move_to(cr, 385, 150);
    cairo_line_to(cr, 410, 128);
    cairo_line_to(cr, 435, 150);
    cairo_close_path(cr);
    FillVertical(cr, 128, 212, 0x4a4250, 0x7a6660);
    for (double x : {391.0, 413.0}) {
        LitWindow(cr, x, 160, 16, 30, true, 0xc88a40);
        SetColor(cr, 0x3a2c20);
        cairo_move_to(cr, x + 2, 184);
        cairo_curve_to(cr, x + 3, 172, x + 13, 172, x + 14, 184);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    Cross(cr, 410, 128, 18, 0x5a5266);
    LitWindow(cr, 398, 240, 24, 24, true, 0xffb050);
    SetColor(cr, 0x5a4636);
    ArchPath(cr, 394, 282, 32, 48);
    cairo_fill(cr);
    LitWindow(cr, 399, 289, 22, 41, true, 0xffa848);
    Glow(cr, 410, 330, 60, 0xffb060, 0.2);
}

}  // namespace

Bytes DrawChiesaCerreto() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Rng rng(303);
    PaintSky(cr, 0x040a1a, 0x0c1e40, 0x2a4068, 420);
    PaintStars(cr, rng, 300, kQuietTop + 6, 360);
    PaintMoon(cr, 150, 115, 28);
    // Two mountain ranges, the far one pale under the moon.
    PaintRidge(cr, rng, 320, 90, 0x34406a, 0x1e2844);
    PaintRidge(cr, rng, 390, 60, 0x1e2640, 0x141a2c);
    // The village hill.
    cairo_move_to(cr, 0, kSceneHeight);
    cairo_line_to(cr, 0, 470);
    cairo_curve_to(cr, 200, 420, 300, 320, 410, 325);
    cairo_curve_to(cr, 520, 320, 620, 420, 800, 460);
    cairo_line_to(cr, 800, kSceneHeight);
    cairo_close_path(cr);
    FillVertical(cr, 320, kSceneHeight, 0x1e2a2a, 0x121a1c);
    Church(cr);
    const double houses[][4] = {{290, 350, 48, 34}, {478, 352, 46, 36}, {230, 392, 52, 40},
                                {530, 394, 58, 38}, {160, 440, 60, 44}, {300, 420, 50, 46},
                                {600, 436, 62, 40}, {470, 424, 54, 44}, {380, 470, 64, 56},
                                {80, 500, 64, 50},  {680, 486, 66, 48}, {240, 500, 60, 54},
                                {540, 500, 60, 52}};
    for (const auto& house : houses)
        House(cr, rng, house[0], house[1], house[2], house[3]);
    for (double x : {30.0, 150.0, 640.0, 760.0})
        RoundTree(cr, x, 520, 22, 0x0e1a16);
    PaintGround(cr, kGroundY, 0x262228, 0x403836);
    StreetLamp(cr, 200, kGroundY, 56);
    StreetLamp(cr, 600, kGroundY, 56);
    return canvas.PictureBytes();
}

}  // namespace sassorbi
