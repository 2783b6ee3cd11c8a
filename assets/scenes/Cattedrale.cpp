// A cathedral front with a great rose window, three portals and flanking towers.
#include "assets/Assets.h"
#include "assets/scenes/NightKit.h"

#include <cmath>

namespace sassorbi {

namespace {

constexpr double kGroundY = 545;
constexpr uint32_t kMarbleLit = 0xc8aa82;
constexpr uint32_t kMarbleDark = 0x3a3646;

void Towers(cairo_t* cr) {
    for (double left : {150.0, 560.0}) {
        cairo_rectangle(cr, left, 180, 90, kGroundY - 180);
        FillVertical(cr, 180, kGroundY, kMarbleDark, kMarbleLit);
        // Octagonal drum and a pointed cap.
        cairo_move_to(cr, left + 8, 180);
        cairo_line_to(cr, left + 45, 105);
        cairo_line_to(cr, left + 82, 180);
        cairo_close_path(cr);
        FillVertical(cr, 105, 180, 0x2a2836, 0x4c4252);
        Cross(cr, left + 45, 105, 18, 0x4a4458);
        for (double y : {200.0, 290.0}) {
            LitWindow(cr, left + 22, y, 14, 46, true, 0xf0a850);
            LitWindow(cr, left + 54, y, 14, 46, true, 0xf0a850);
        }
        LitWindow(cr, left + 36, 400, 18, 54, true);
        SetColor(cr, 0xe6cca4, 0.5);
        for (double y : {270.0, 370.0})
            cairo_rectangle(cr, left - 3, y, 96, 4);
        cairo_fill(cr);
    }
}

void Facade(cairo_t* cr) {
    cairo_move_to(cr, 240, kGroundY);
    cairo_line_to(cr, 240, 250);
    cairo_line_to(cr, 400, 150);
    cairo_line_to(cr, 560, 250);
    cairo_line_to(cr, 560, kGroundY);
    cairo_close_path(cr);
    FillVertical(cr, 150, kGroundY, kMarbleDark, kMarbleLit);
    // Marble bands and the gable's cornice.
    SetColor(cr, 0x8a7a70, 0.25);
    for (double y = 262; y < kGroundY; y += 18)
        cairo_rectangle(cr, 240, y, 320, 7);
    cairo_fill(cr);
    SetColor(cr, 0xf0d8b0, 0.6);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, 236, 252);
    cairo_line_to(cr, 400, 148);
    cairo_line_to(cr, 564, 252);
    cairo_stroke(cr);
    Cross(cr, 400, 148, 26, 0x4a4458);
    // Gallery of small lit arches.
    for (int i = 0; i < 11; ++i)
        LitWindow(cr, 262 + i * 26, 352, 12, 26, true, 0xffb860);
}

void RoseWindow(cairo_t* cr, double x, double y, double r) {
    Glow(cr, x, y, r * 2, 0xffb060, 0.3);
    SetColor(cr, 0xe8d0a8);
    cairo_arc(cr, x, y, r + 5, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, 0x2a1e22);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    const uint32_t glass[] = {0xd83030, 0x3060e0, 0xffc040, 0x30a060};
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, r - 3, a + 0.04, a + M_PI / 8 - 0.04);
        cairo_close_path(cr);
        SetColor(cr, glass[i % 4]);
        cairo_fill(cr);
        SetColor(cr, 0xfff0c0, 0.9);
        cairo_arc(cr, x + std::cos(a + M_PI / 16) * r * 0.7, y + std::sin(a + M_PI / 16) * r * 0.7,
                  r * 0.1, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    SetColor(cr, 0xfff4c8);
    cairo_arc(cr, x, y, r * 0.22, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, 0xd83030);
    cairo_arc(cr, x, y, r * 0.1, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Portal(cairo_t* cr, double centre, double width, double top) {
    // Receding arches around a lit door.
    for (int ring = 0; ring < 3; ++ring) {
        const double w = width + (2 - ring) * 10;
        ArchPath(cr, centre - w / 2, top - (2 - ring) * 8, w, kGroundY - top + (2 - ring) * 8);
        SetColor(cr, Mix(0xe0c49a, 0x5a4a40, ring / 2.0));
        cairo_fill(cr);
    }
    LitWindow(cr, centre - width / 2 + 4, top + 6, width - 8, kGroundY - top - 6, true, 0xffa848);
}

}  // namespace

Bytes DrawCattedrale() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Rng rng(202);
    PaintSky(cr, 0x060818, 0x16183e, 0x3a3664, kGroundY);
    PaintStars(cr, rng, 240, kQuietTop + 6, 440);
    PaintMoon(cr, 90, 110, 26);
    PaintClouds(cr, rng, 20, 180, 200, 0xb0b8e0);
    PaintRidge(cr, rng, 480, 20, 0x1c1e3a, 0x18182c);
    Towers(cr);
    Facade(cr);
    RoseWindow(cr, 400, 255, 48);
    Portal(cr, 400, 72, 420);
    Portal(cr, 290, 44, 450);
    Portal(cr, 510, 44, 450);
    // Statues' niches between the portals.
    for (double x : {335.0, 455.0})
        LitWindow(cr, x, 430, 10, 30, true, 0xd09050);
    // Steps in front.
    for (int step = 0; step < 3; ++step) {
        SetColor(cr, Mix(0x8a7a6a, 0x4a4248, step / 2.0));
        cairo_rectangle(cr, 220 - step * 12, kGroundY - 12 + step * 6, 360 + step * 24, 6);
        cairo_fill(cr);
    }
    PaintGround(cr, kGroundY + 6, 0x2a2430, 0x4a4044);
    StreetLamp(cr, 80, kGroundY + 6, 70);
    StreetLamp(cr, 720, kGroundY + 6, 70);
    return canvas.PictureBytes();
}

}  // namespace sassorbi
