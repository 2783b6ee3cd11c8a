#include "assets/scenes/NightKit.h"

#include <algorithm>
#include <cmath>

namespace sassorbi {

void PaintSky(cairo_t* cr, uint32_t top, uint32_t middle, uint32_t horizon, double horizon_y) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizon_y);
    AddStop(sky, 0, top);
    AddStop(sky, kQuietTop / horizon_y, top);
    AddStop(sky, 0.55, middle);
    AddStop(sky, 1, horizon);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
}

void PaintStars(cairo_t* cr, Rng& rng, int count, double y_min, double y_max) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.Uniform(2, kSceneWidth - 2);
        const double y = rng.Uniform(y_min, y_max);
        const double size = rng.Uniform(0, 1);
        const uint32_t tint = Mix(0xffffff, rng.Int(0, 1) ? 0xbfd4ff : 0xfff0c8, rng.Uniform(0, 1));
        // Fewer bright stars low in the sky, as the haze swallows them.
        const double fade = 1 - 0.6 * (y - y_min) / (y_max - y_min);
        SetColor(cr, tint, (0.35 + 0.65 * size) * fade);
        cairo_arc(cr, x, y, 0.5 + size * 0.9, 0, 2 * M_PI);
        cairo_fill(cr);
        if (size > 0.93) {
            Glow(cr, x, y, 7, tint, 0.35 * fade);
            SetColor(cr, tint, 0.55 * fade);
            cairo_set_line_width(cr, 0.8);
            cairo_move_to(cr, x - 6, y);
            cairo_line_to(cr, x + 6, y);
            cairo_move_to(cr, x, y - 6);
            cairo_line_to(cr, x, y + 6);
            cairo_stroke(cr);
        }
    }
}

void PaintMoon(cairo_t* cr, double x, double y, double radius) {
    Glow(cr, x, y, radius * 4, 0xa8b8e0, 0.22);
    Glow(cr, x, y, radius * 1.6, 0xe8eeff, 0.35);
    cairo_pattern_t* disc =
        cairo_pattern_create_radial(x - radius * 0.3, y - radius * 0.3, radius * 0.1, x, y, radius);
    AddStop(disc, 0, 0xfffdf0);
    AddStop(disc, 1, 0xd8d6c8);
    cairo_set_source(cr, disc);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(disc);
    // Seas: soft grey patches at fixed spots on the disc.
    const double seas[][3] = {{-0.35, -0.2, 0.28},
                              {0.15, -0.35, 0.2},
                              {0.1, 0.2, 0.33},
                              {-0.2, 0.45, 0.15},
                              {0.5, 0.05, 0.13}};
    for (const auto& sea : seas) {
        const double sx = x + sea[0] * radius, sy = y + sea[1] * radius, sr = sea[2] * radius;
        cairo_pattern_t* patch = cairo_pattern_create_radial(sx, sy, 0, sx, sy, sr);
        AddStop(patch, 0, 0x9c9a8e, 0.45);
        AddStop(patch, 0.6, 0x9c9a8e, 0.3);
        AddStop(patch, 1, 0x9c9a8e, 0);
        cairo_set_source(cr, patch);
        cairo_arc(cr, sx, sy, sr, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(patch);
    }
}

void PaintClouds(cairo_t* cr, Rng& rng, double x, double y, double width, uint32_t colour) {
    for (int i = 0; i < 14; ++i) {
        const double cx = x + rng.Uniform(0, width);
        const double cy = y + rng.Uniform(-6, 6);
        const double rx = rng.Uniform(30, 70);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, rx * 0.18);
        cairo_pattern_t* puff = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
        AddStop(puff, 0, colour, 0.18);
        AddStop(puff, 1, colour, 0);
        cairo_set_source(cr, puff);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(puff);
        cairo_restore(cr);
    }
}

void PaintRidge(cairo_t* cr, Rng& rng, double base_y, double amplitude, uint32_t top_colour,
                uint32_t bottom_colour) {
    const double phase_a = rng.Uniform(0, 6.28);
    const double phase_b = rng.Uniform(0, 6.28);
    const double phase_c = rng.Uniform(0, 6.28);
    cairo_move_to(cr, 0, kSceneHeight);
    for (int x = 0; x <= kSceneWidth; x += 4) {
        const double h = 0.55 * std::sin(x * 0.008 + phase_a) +
                         0.3 * std::sin(x * 0.021 + phase_b) + 0.15 * std::sin(x * 0.057 + phase_c);
        cairo_line_to(cr, x, base_y - amplitude * h);
    }
    cairo_line_to(cr, kSceneWidth, kSceneHeight);
    cairo_close_path(cr);
    FillVertical(cr, base_y - amplitude, kSceneHeight, top_colour, bottom_colour);
}

void PaintGround(cairo_t* cr, double top_y, uint32_t near_colour, uint32_t far_colour) {
    cairo_rectangle(cr, 0, top_y, kSceneWidth, kSceneHeight - top_y);
    FillVertical(cr, top_y, kSceneHeight, far_colour, near_colour);
    // Paving seams converge a little towards the horizon.
    SetColor(cr, Mix(near_colour, 0x000000, 0.35), 0.6);
    cairo_set_line_width(cr, 1);
    for (double y = top_y + 8, gap = 8; y < kSceneHeight; gap *= 1.35, y += gap) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kSceneWidth, y);
    }
    for (int i = -12; i <= 12; ++i) {
        cairo_move_to(cr, 400 + i * 42, top_y);
        cairo_line_to(cr, 400 + i * 70, kSceneHeight);
    }
    cairo_stroke(cr);
    // Edge of the pavement catches the light.
    SetColor(cr, Mix(far_colour, 0xffffff, 0.15));
    cairo_rectangle(cr, 0, top_y, kSceneWidth, 2);
    cairo_fill(cr);
}

void Glow(cairo_t* cr, double x, double y, double radius, uint32_t colour, double alpha) {
    cairo_pattern_t* halo = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    AddStop(halo, 0, colour, alpha);
    AddStop(halo, 0.4, colour, alpha * 0.45);
    AddStop(halo, 1, colour, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
}

void ArchPath(cairo_t* cr, double x, double y, double w, double h) {
    const double r = w / 2;
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y + r);
    cairo_arc(cr, x + r, y + r, r, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
}

void LitWindow(cairo_t* cr, double x, double y, double w, double h, bool arched, uint32_t light) {
    Glow(cr, x + w / 2, y + h / 2, std::max(w, h) * 1.1, light, 0.22);
    SetColor(cr, 0x1a1620);
    if (arched) {
        ArchPath(cr, x - 1.5, y - 1.5, w + 3, h + 3);
    } else {
        cairo_rectangle(cr, x - 1.5, y - 1.5, w + 3, h + 3);
    }
    cairo_fill(cr);
    if (arched) {
        ArchPath(cr, x, y, w, h);
    } else {
        cairo_rectangle(cr, x, y, w, h);
    }
    FillVertical(cr, y, y + h, Mix(light, 0xffffff, 0.35), Mix(light, 0xb05010, 0.3));
    // Mullions.
    SetColor(cr, 0x3a2a1c, 0.8);
    cairo_set_line_width(cr, std::max(1.0, w * 0.08));
    cairo_move_to(cr, x + w / 2, y + (arched ? 0 : 0));
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h * 0.45 + (arched ? w * 0.25 : 0));
    cairo_line_to(cr, x + w, y + h * 0.45 + (arched ? w * 0.25 : 0));
    cairo_stroke(cr);
}

void DarkWindow(cairo_t* cr, double x, double y, double w, double h, bool arched) {
    if (arched) {
        ArchPath(cr, x, y, w, h);
    } else {
        cairo_rectangle(cr, x, y, w, h);
    }
    FillVertical(cr, y, y + h, 0x28304a, 0x141826);
}

void StreetLamp(cairo_t* cr, double x, double base_y, double height) {
    Glow(cr, x, base_y - height, height * 0.9, 0xffd27a, 0.35);
    Glow(cr, x, base_y, height * 0.5, 0xffd27a, 0.12);
    SetColor(cr, 0x1c1b22);
    cairo_rectangle(cr, x - 1.5, base_y - height, 3, height);
    cairo_rectangle(cr, x - 4, base_y - 6, 8, 6);
    cairo_fill(cr);
    cairo_move_to(cr, x - 6, base_y - height + 2);
    cairo_line_to(cr, x + 6, base_y - height + 2);
    cairo_line_to(cr, x + 3, base_y - height - 10);
    cairo_line_to(cr, x - 3, base_y - height - 10);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, 0xfff2c0);
    cairo_rectangle(cr, x - 3, base_y - height - 8, 6, 9);
    cairo_fill(cr);
}

void Cypress(cairo_t* cr, double x, double base_y, double height, uint32_t colour) {
    const double w = height * 0.16;
    cairo_move_to(cr, x, base_y - height);
    cairo_curve_to(cr, x + w, base_y - height * 0.7, x + w * 1.1, base_y - height * 0.2,
                   x + w * 0.3, base_y);
    cairo_line_to(cr, x - w * 0.3, base_y);
    cairo_curve_to(cr, x - w * 1.1, base_y - height * 0.2, x - w, base_y - height * 0.7, x,
                   base_y - height);
    FillVertical(cr, base_y - height, base_y, Mix(colour, 0x8090b0, 0.18), colour);
}

void RoundTree(cairo_t* cr, double x, double base_y, double radius, uint32_t colour) {
    SetColor(cr, Mix(colour, 0x000000, 0.2));
    cairo_rectangle(cr, x - radius * 0.08, base_y - radius, radius * 0.16, radius);
    cairo_fill(cr);
    const double lobes[][3] = {{0, -1.7, 0.8},
                               {-0.55, -1.25, 0.65},
                               {0.55, -1.3, 0.7},
                               {-0.2, -2.2, 0.55},
                               {0.3, -2.05, 0.55}};
    for (const auto& lobe : lobes) {
        cairo_arc(cr, x + lobe[0] * radius, base_y + lobe[1] * radius, lobe[2] * radius, 0,
                  2 * M_PI);
        cairo_close_path(cr);
    }
    FillVertical(cr, base_y - radius * 2.8, base_y, Mix(colour, 0x8090b0, 0.15), colour);
}

void Cross(cairo_t* cr, double x, double y, double size, uint32_t colour) {
    SetColor(cr, colour);
    cairo_rectangle(cr, x - size * 0.09, y - size, size * 0.18, size);
    cairo_rectangle(cr, x - size * 0.35, y - size * 0.75, size * 0.7, size * 0.16);
    cairo_fill(cr);
}

}  // namespace sassorbi
