#include "assets/Assets.h"
#include "assets/sprites/SpriteArt.h"
#include "game/SpriteTable.h"

#include <cmath>
#include <initializer_list>

namespace sassorbi {

namespace {

void Facet(cairo_t* cr, std::initializer_list<double> xy, uint32_t colour) {
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    for (size_t i = 2; i < xy.size(); i += 2)
        cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
    SetColor(cr, colour);
    cairo_fill(cr);
}

void Sparkle(cairo_t* cr, double x, double y, double size) {
    SetColor(cr, 0xffffff);
    cairo_move_to(cr, x, y - size);
    cairo_line_to(cr, x + size * 0.22, y - size * 0.22);
    cairo_line_to(cr, x + size, y);
    cairo_line_to(cr, x + size * 0.22, y + size * 0.22);
    cairo_line_to(cr, x, y + size);
    cairo_line_to(cr, x - size * 0.22, y + size * 0.22);
    cairo_line_to(cr, x - size, y);
    cairo_line_to(cr, x - size * 0.22, y - size * 0.22);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void PaintGem(cairo_t* cr) {
    // Crown: table on top, facets down to the girdle at y = 12.
    Facet(cr, {10, 5, 22, 5, 19, 12, 13, 12}, 0xc8f4ff);
    Facet(cr, {10, 5, 13, 12, 2, 12}, 0x6cc8ff);
    Facet(cr, {22, 5, 30, 12, 19, 12}, 0x3c9cf0);
    Facet(cr, {10, 5, 2, 12, 4, 8}, 0x9ee0ff);
    Facet(cr, {22, 5, 28, 8, 30, 12}, 0x2a7ee0);
    // Pavilion: facets meeting at the point.
    Facet(cr, {2, 12, 13, 12, 16, 29}, 0x3aa6ff);
    Facet(cr, {13, 12, 19, 12, 16, 29}, 0x8adcff);
    Facet(cr, {19, 12, 30, 12, 16, 29}, 0x1a5cc8);
    Facet(cr, {2, 12, 8, 16, 16, 29}, 0x5ab8ff);
    Facet(cr, {30, 12, 24, 16, 16, 29}, 0x164aa8);
    // Edges in a deep blue, not black: black would show the background through.
    cairo_set_line_width(cr, 0.8);
    SetColor(cr, 0x0c3680);
    cairo_move_to(cr, 10, 5);
    cairo_line_to(cr, 22, 5);
    cairo_line_to(cr, 30, 12);
    cairo_line_to(cr, 16, 29);
    cairo_line_to(cr, 2, 12);
    cairo_close_path(cr);
    cairo_move_to(cr, 2, 12);
    cairo_line_to(cr, 30, 12);
    cairo_stroke(cr);
    Sparkle(cr, 11.5, 7.5, 4.5);
    Sparkle(cr, 23, 17, 2.5);
}

Bytes DrawDiamond() {
    Canvas canvas(kDiamondStrip.width, kDiamondStrip.height);
    PaintGem(canvas.Cr());
    return canvas.SpriteBytes();
}

}  // namespace sassorbi
