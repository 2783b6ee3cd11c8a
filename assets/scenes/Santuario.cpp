// A sanctuary with a dome on a hilltop, a lamp-lit path winding up to it.
#include "assets/Assets.h"
#include "assets/scenes/NightKit.h"

#include <cmath>

namespace sassorbi {

namespace {

constexpr double kGroundY = 545;

void Hill(cairo_t* cr) {
    cairo_move_to(cr, 0, kSceneHeight);
    cairo_line_to(cr, 0, 500);
    cairo_curve_to(cr, 180, 470, 260, 300, 400, 290);
    cairo_curve_to(cr, 540, 300, 620, 470, 800, 490);
    cairo_line_to(cr, 800, kSceneHeight);
    cairo_close_path(cr);
    FillVertical(cr, 290, kSceneHeight, 0x243030, 0x141c1e);
}

// The path's switchbacks, marked by small lamps.
void Path(cairo_t* cr) {
    const double points[][2] = {{400, 540}, {520, 500}, {300, 450},
                                {480, 400}, {340, 350}, {420, 305}};
    SetColor(cr, 0x5a5450, 0.7);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, points[0][0], points[0][1]);
    for (int i = 1; i < 6; ++i)
        cairo_line_to(cr, points[i][0], points[i][1]);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        for (int k = 1; k <= 3; ++k) {
            const double t = k / 4.0;
            const double x = points[i][0] + (points[i + 1][0] - points[i][0]) * t;
            const double y = points[i][1] + (points[i + 1][1] - points[i][1]) * t;
            Glow(cr, x, y - 4, 10, 0xffc870, 0.5);
            SetColor(cr, 0xfff0c0);
            cairo_arc(cr, x, y - 4, 1.8, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
}

void Sanctuary(cairo_t* cr) {
    const uint32_t lit = 0xb89470, dark = 0x3a3444;
    // Nave front, then the drum, dome and lantern behind it.
    cairo_rectangle(cr, 362, 190, 76, 80);
    FillVertical(cr, 190, 270, 0x4a4250, 0x8a7060);
    cairo_arc(cr, 400, 190, 38, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_pattern_t* dome = cairo_pattern_create_linear(362, 0, 438, 0);
    AddStop(dome, 0, 0x6a7490);
    AddStop(dome, 0.35, 0x9aa4c0);
    AddStop(dome, 1, 0x2e3244);
    cairo_set_source(cr, dome);
    cairo_fill(cr);
    cairo_pattern_destroy(dome);
    SetColor(cr, 0x2a2e40, 0.6);
    cairo_set_line_width(cr, 1.2);
    for (int i = 1; i < 6; ++i) {
        const double x = 362 + i * 76 / 6.0;
        cairo_move_to(cr, x, 190);
        cairo_curve_to(cr, x, 170, 400 + (x - 400) * 0.3, 156, 400, 152);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, 392, 132, 16, 22);
    FillVertical(cr, 132, 154, 0x8a8090, 0x5a5060);
    LitWindow(cr, 397, 137, 6, 12, true, 0xffc060);
    Cross(cr, 400, 132, 18, 0x6a6478);
    // Front with gable and portico.
    cairo_move_to(cr, 330, 300);
    cairo_line_to(cr, 330, 236);
    cairo_line_to(cr, 400, 204);
    cairo_line_to(cr, 470, 236);
    cairo_line_to(cr, 470, 300);
    cairo_close_path(cr);
    FillVertical(cr, 204, 300, dark, lit);
    // Side bell tower.
    cairo_rectangle(cr, 474, 176, 28, 124);
    FillVertical(cr, 176, 300, dark, lit);
    cairo_move_to(cr, 472, 176);
    cairo_line_to(cr, 488, 150);
    cairo_line_to(cr, 504, 176);
    cairo_close_path(cr);
    SetColor(cr, 0x3a3444);
    cairo_fill(cr);
    LitWindow(cr, 482, 186, 12, 26, true, 0xd09040);
    for (double x : {345.0, 371.0, 419.0, 445.0}) {
        SetColor(cr, 0xe0c8a0);
        cairo_rectangle(cr, x, 256, 8, 44);
        cairo_fill(cr);
    }
    LitWindow(cr, 386, 258, 28, 42, true, 0xffa848);
    LitWindow(cr, 391, 224, 18, 18, true, 0xffc060);
    Glow(cr, 400, 280, 110, 0xffc080, 0.18);
}

}  // namespace

Bytes DrawSantuario() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Rng rng(505);
    PaintSky(cr, 0x070818, 0x1a1840, 0x4a3a68, 480);
    PaintStars(cr, rng, 300, kQuietTop + 6, 420);
    PaintMoon(cr, 640, 150, 44);
    PaintClouds(cr, rng, 480, 210, 300, 0xc0c4e8);
    PaintRidge(cr, rng, 470, 40, 0x22264a, 0x181a30);
    Hill(cr);
    Path(cr);
    Sanctuary(cr);
    for (double x : {280.0, 330.0, 470.0, 540.0})
        Cypress(cr, x, 340 + std::fabs(x - 405) * 0.6, 50, 0x0c1814);
    // Village lights at the foot of the hill.
    for (int i = 0; i < 40; ++i) {
        const double x = rng.Uniform(10, 790);
        const double y = rng.Uniform(500, 535) - (std::fabs(x - 400) < 180 ? 15 : 0);
        Glow(cr, x, y, 8, 0xffc060, 0.45);
        SetColor(cr, 0xffe0a0);
        cairo_rectangle(cr, x - 1.5, y - 1.5, 3, 3);
        cairo_fill(cr);
    }
    PaintGround(cr, kGroundY, 0x262026, 0x3c3434);
    StreetLamp(cr, 60, kGroundY, 60);
    StreetLamp(cr, 740, kGroundY, 60);
    return canvas.PictureBytes();
}

}  // namespace sassorbi
