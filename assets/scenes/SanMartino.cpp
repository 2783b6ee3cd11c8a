// A romanesque church beside its tall bell tower, floodlit on a small square.
#include "assets/Assets.h"
#include "assets/scenes/NightKit.h"

#include <cmath>

namespace sassorbi {

namespace {

constexpr double kGroundY = 540;
constexpr uint32_t kStoneLit = 0x9a7a58;   // warm stone where the floodlights reach
constexpr uint32_t kStoneDark = 0x2c2a3c;  // the same stone high up, in moonlight

void ChurchFront(cairo_t* cr) {
    // Lower side aisles, then the taller nave gable.
    cairo_move_to(cr, 150, kGroundY);
    cairo_line_to(cr, 150, 390);
    cairo_line_to(cr, 230, 350);
    cairo_line_to(cr, 230, 300);
    cairo_line_to(cr, 320, 230);
    cairo_line_to(cr, 410, 300);
    cairo_line_to(cr, 410, 350);
    cairo_line_to(cr, 490, 390);
    cairo_line_to(cr, 490, kGroundY);
    cairo_close_path(cr);
    FillVertical(cr, 230, kGroundY, kStoneDark, kStoneLit);
    // Eaves and pilasters in a lighter stone.
    SetColor(cr, 0xc8a880, 0.5);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 150, 390);
    cairo_line_to(cr, 230, 350);
    cairo_move_to(cr, 230, 300);
    cairo_line_to(cr, 320, 230);
    cairo_line_to(cr, 410, 300);
    cairo_move_to(cr, 410, 350);
    cairo_line_to(cr, 490, 390);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 4);
    for (double x : {232.0, 408.0}) {
        cairo_move_to(cr, x, 302);
        cairo_line_to(cr, x, kGroundY);
    }
    cairo_stroke(cr);
    // Small blind arches under the gable.
    SetColor(cr, 0x201e2c, 0.5);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 7; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 256 + i * 21.5, 312, 8, M_PI, 2 * M_PI);
    }
    cairo_stroke(cr);
    Cross(cr, 320, 230, 22, 0x3a3448);
}

void ChurchOpenings(cairo_t* cr) {
    // Rose window.
    Glow(cr, 320, 272, 40, 0xffc060, 0.3);
    SetColor(cr, 0x2a2026);
    cairo_arc(cr, 320, 272, 20, 0, 2 * M_PI);
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double a0 = i * M_PI / 4, a1 = a0 + M_PI / 4 - 0.12;
        cairo_move_to(cr, 320, 272);
        cairo_arc(cr, 320, 272, 17, a0, a1);
        cairo_close_path(cr);
        SetColor(cr, i % 2 ? 0xffb040 : 0xff7a40);
        cairo_fill(cr);
    }
    SetColor(cr, 0xfff0b0);
    cairo_arc(cr, 320, 272, 5, 0, 2 * M_PI);
    cairo_fill(cr);
    // Portal with its lit door and the tall windows.
    SetColor(cr, 0x5a4634);
    ArchPath(cr, 288, 436, 64, kGroundY - 436);
    cairo_fill(cr);
    LitWindow(cr, 298, 450, 44, kGroundY - 450, true, 0xffb050);
    LitWindow(cr, 262, 360, 16, 50, true);
    LitWindow(cr, 362, 360, 16, 50, true);
    LitWindow(cr, 180, 430, 14, 40, true);
    LitWindow(cr, 446, 430, 14, 40, true);
}

void BellTower(cairo_t* cr) {
    const double left = 540, right = 610;
    cairo_rectangle(cr, left, 170, right - left, kGroundY - 170);
    FillVertical(cr, 170, kGroundY, kStoneDark, kStoneLit);
    // String courses between the storeys.
    SetColor(cr, 0xd0b08a, 0.45);
    for (double y : {250.0, 330.0, 410.0, 480.0})
        cairo_rectangle(cr, left - 3, y, right - left + 6, 4);
    cairo_fill(cr);
    // Belfry: two arched openings, a bell glinting in each.
    for (double x : {551.0, 581.0}) {
        LitWindow(cr, x, 180, 18, 50, true, 0xd89040);
        SetColor(cr, 0x3a2a1a);
        cairo_move_to(cr, x + 3, 214);
        cairo_curve_to(cr, x + 4, 200, x + 14, 200, x + 15, 214);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Clock face.
    Glow(cr, 575, 290, 26, 0xfff0c0, 0.35);
    SetColor(cr, 0xf4ecd0);
    cairo_arc(cr, 575, 290, 15, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, 0x2a2430);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 575, 290);
    cairo_line_to(cr, 575, 279);
    cairo_move_to(cr, 575, 290);
    cairo_line_to(cr, 583, 294);
    cairo_stroke(cr);
    for (double y : {360.0, 440.0})
        LitWindow(cr, 570, y, 10, 26, true, 0xffb060);
    // Pyramid spire with its cross.
    cairo_move_to(cr, left - 6, 170);
    cairo_line_to(cr, 575, 88);
    cairo_line_to(cr, right + 6, 170);
    cairo_close_path(cr);
    FillVertical(cr, 88, 170, 0x24222e, 0x4a3e44);
    Cross(cr, 575, 88, 24, 0x4a4458);
}

}  // namespace

Bytes DrawSanMartino() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Rng rng(101);
    PaintSky(cr, 0x050a1e, 0x0f1c44, 0x33406e, kGroundY);
    PaintStars(cr, rng, 260, kQuietTop + 6, 430);
    PaintMoon(cr, 700, 120, 32);
    PaintClouds(cr, rng, 430, 150, 320, 0xaab8e0);
    PaintRidge(cr, rng, 470, 30, 0x1a2240, 0x141a30);
    for (double x : {40.0, 75.0, 700.0, 760.0})
        Cypress(cr, x, kGroundY, 150 + std::fmod(x, 40), 0x0e1a18);
    RoundTree(cr, 660, kGroundY, 30, 0x101c1a);
    ChurchFront(cr);
    ChurchOpenings(cr);
    BellTower(cr);
    PaintGround(cr, kGroundY, 0x2c2630, 0x4a3e40);
    StreetLamp(cr, 120, kGroundY, 60);
    StreetLamp(cr, 520, kGroundY, 60);
    return canvas.PictureBytes();
}

}  // namespace sassorbi
