// The title picture: the game's name over deep space, the ship among tumbling rocks.
#include "assets/Assets.h"
#include "assets/common/StrokeFont.h"
#include "assets/scenes/NightKit.h"
#include "assets/sprites/SpriteArt.h"

#include <cmath>

namespace sassorbi {

namespace {

// Soft coloured clouds of gas behind the stars.
void Nebula(cairo_t* cr, double x, double y, double rx, double ry, uint32_t colour, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* gas = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    AddStop(gas, 0, colour, alpha);
    AddStop(gas, 1, colour, 0);
    cairo_set_source(cr, gas);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(gas);
    cairo_restore(cr);
}

// The rim of a planet across the bottom, lit from above.
void Planet(cairo_t* cr) {
    Glow(cr, 400, 1500, 1000, 0x5080ff, 0.5);
    cairo_arc(cr, 400, 1480, 960, 0, 2 * M_PI);
    cairo_pattern_t* ground = cairo_pattern_create_linear(0, 520, 0, 600);
    AddStop(ground, 0, 0x3a4a8a);
    AddStop(ground, 0.15, 0x1c2450);
    AddStop(ground, 1, 0x0c1026);
    cairo_set_source(cr, ground);
    cairo_fill(cr);
    cairo_pattern_destroy(ground);
}

void Rock(cairo_t* cr, double x, double y, double scale, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    PaintRock(cr, angle);
    cairo_restore(cr);
}

void Ship(cairo_t* cr, double x, double y, double scale) {
    Glow(cr, x + 25 * scale, y + 46 * scale, 16 * scale, 0xff9a40, 0.5);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    PaintShip(cr, 0.25);
    cairo_restore(cr);
}

// Darkens a soft-edged band so text the game writes there stays legible.
void QuietBand(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w * 0.62, h);
    cairo_pattern_t* veil = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    AddStop(veil, 0, 0x080a22, 0.95);
    AddStop(veil, 0.7, 0x080a22, 0.9);
    AddStop(veil, 1, 0x080a22, 0);
    cairo_set_source(cr, veil);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(veil);
    cairo_restore(cr);
}

}  // namespace

Bytes DrawLogo() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Rng rng(909);
    PaintSky(cr, 0x04061a, 0x0c1034, 0x1a1c4a, 600);
    Nebula(cr, 220, 420, 260, 120, 0x8a3cc0, 0.22);
    Nebula(cr, 640, 200, 220, 110, 0x2a6ad0, 0.2);
    Nebula(cr, 420, 300, 300, 90, 0xc04a7a, 0.1);
    PaintStars(cr, rng, 420, kQuietTop + 6, 560);
    Planet(cr);
    // Room for the blinking prompt and the credit line.
    QuietBand(cr, 470, 322, 320, 34);
    QuietBand(cr, 230, 154, 400, 28);
    Rock(cr, 560, 232, 2.1, 0.7);
    Rock(cr, 420, 250, 0.9, 2.1);
    Rock(cr, 340, 470, 1.3, 4.0);
    Rock(cr, 700, 470, 1.5, 1.4);
    Rock(cr, 60, 220, 1.0, 5.1);
    Ship(cr, 110, 260, 3.2);
    const BannerStyle title{0xffa030, 0x3a1804, 0xfff2a0, 0xe86a10, 0.13};
    DrawBanner(cr, "SASSORBI", 400, 62, 76, title);
    return canvas.PictureBytes();
}

}  // namespace sassorbi
