// The three message screens: next level, a life lost and game over.
#include "assets/Assets.h"
#include "assets/common/StrokeFont.h"
#include "assets/scenes/NightKit.h"
#include "assets/sprites/SpriteArt.h"

#include <cmath>

namespace sassorbi {

namespace {

// Starry backdrop with a wide glow behind the message.
void Backdrop(cairo_t* cr, uint32_t seed, uint32_t top, uint32_t bottom, uint32_t glow) {
    Rng rng(seed);
    PaintSky(cr, top, Mix(top, bottom, 0.5), bottom, 600);
    cairo_save(cr);
    cairo_translate(cr, 400, 300);
    cairo_scale(cr, 420, 180);
    cairo_pattern_t* halo = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    AddStop(halo, 0, glow, 0.35);
    AddStop(halo, 1, glow, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    cairo_restore(cr);
    PaintStars(cr, rng, 350, kQuietTop + 6, 595);
}

// Upward chevrons under the message: the way goes on.
void Chevrons(cairo_t* cr, double x, double top) {
    for (int i = 0; i < 3; ++i) {
        const double y = top + i * 34;
        SetColor(cr, 0x60e0ff, 0.35 + i * 0.25);
        cairo_set_line_width(cr, 8);
        cairo_move_to(cr, x - 26, y + 18);
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, x + 26, y + 18);
        cairo_stroke(cr);
    }
}

void Rock(cairo_t* cr, double x, double y, double scale, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    PaintRock(cr, angle);
    cairo_restore(cr);
}

// Half of the planet's ring: the far half goes behind the planet, the near half in front.
void RingHalf(cairo_t* cr, bool near_half) {
    cairo_save(cr);
    cairo_translate(cr, 400, 520);
    cairo_scale(cr, 190, 34);
    cairo_arc(cr, 0, 0, 1, near_half ? 0 : M_PI, near_half ? M_PI : 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, 0xf0b080, 0.75);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// A ringed planet sinking at the bottom of the game-over screen.
void RingedPlanet(cairo_t* cr) {
    RingHalf(cr, false);
    cairo_pattern_t* body = cairo_pattern_create_radial(360, 470, 10, 400, 520, 110);
    AddStop(body, 0, 0xe07050);
    AddStop(body, 1, 0x401420);
    cairo_set_source(cr, body);
    cairo_arc(cr, 400, 520, 100, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    RingHalf(cr, true);
}

}  // namespace

Bytes DrawNextLevelScreen() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr, 11, 0x040a1e, 0x0e2a4a, 0x2080c0);
    Chevrons(cr, 400, 430);
    DrawBanner(cr, "NEXT LEVEL", 400, 200, 68, {0xffc040, 0x3a1c04, 0xfff4a8, 0xf08a18, 0.14});
    DrawBanner(cr, "LIVELLO SUCCESSIVO", 400, 330, 38,
               {0x40c0ff, 0x08223a, 0xe8fbff, 0x50b8f0, 0.14});
    return canvas.PictureBytes();
}

Bytes DrawLifeLostScreen() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr, 22, 0x0c0612, 0x3a1020, 0xc03040);
    Rock(cr, 120, 470, 2.0, 0.9);
    Rock(cr, 690, 150, 1.4, 2.6);
    DrawBanner(cr, "ONE LIFE LOST", 400, 190, 54, {0xff5030, 0x3a0806, 0xffd0a0, 0xe83a20, 0.15});
    DrawBanner(cr, "RIPROVA", 400, 310, 70, {0xffffff, 0x2a1020, 0xffffff, 0xd8d0e8, 0.14});
    return canvas.PictureBytes();
}

Bytes DrawGameOverScreen() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr, 33, 0x08040e, 0x2a0a1a, 0xa02030);
    RingedPlanet(cr);
    DrawBanner(cr, "GAME", 400, 110, 110, {0xff3020, 0x300404, 0xffb0a0, 0xc81810, 0.15});
    DrawBanner(cr, "OVER", 400, 260, 110, {0xff3020, 0x300404, 0xffb0a0, 0xc81810, 0.15});
    return canvas.PictureBytes();
}

}  // namespace sassorbi
