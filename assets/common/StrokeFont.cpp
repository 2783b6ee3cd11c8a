#include "assets/common/StrokeFont.h"

#include "assets/common/Canvas.h"

#include <cstdlib>

namespace sassorbi {

namespace {

// Glyphs on a 4 x 6 grid, y down: polylines of "x,y" points, separated by '|'.
const char* GlyphStrokes(char c) {
    switch (c) {
        case 'A':
            return "0,6 2,0 4,6|0.7,4 3.3,4";
        case 'B':
            return "0,3 2.8,3 3.6,2.2 3.6,0.8 2.8,0 0,0 0,6 3,6 3.9,5.1 3.9,3.9 3,3";
        case 'C':
            return "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5";
        case 'D':
            return "0,0 0,6 2.5,6 4,4.5 4,1.5 2.5,0 0,0";
        case 'E':
            return "4,0 0,0 0,6 4,6|0,3 3,3";
        case 'F':
            return "4,0 0,0 0,6|0,3 3,3";
        case 'G':
            return "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.4 2.2,3.4";
        case 'H':
            return "0,0 0,6|4,0 4,6|0,3 4,3";
        case 'I':
            return "2,0 2,6|1,0 3,0|1,6 3,6";
        case 'J':
            return "4,0 4,5 3,6 1,6 0,5";
        case 'K':
            return "0,0 0,6|4,0 0,4|1.4,2.8 4,6";
        case 'L':
            return "0,0 0,6 4,6";
        case 'M':
            return "0,6 0,0 2,3.5 4,0 4,6";
        case 'N':
            return "0,6 0,0 4,6 4,0";
        case 'O':
            return "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0";
        case 'P':
            return "0,6 0,0 3,0 4,1 4,2.2 3,3.2 0,3.2";
        case 'Q':
            return "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.6,4.6 4.2,6.2";
        case 'R':
            return "0,6 0,0 3,0 4,1 4,2.2 3,3.2 0,3.2|2.4,3.2 4,6";
        case 'S':
            return "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5";
        case 'T':
            return "0,0 4,0|2,0 2,6";
        case 'U':
            return "0,0 0,5 1,6 3,6 4,5 4,0";
        case 'V':
            return "0,0 2,6 4,0";
        case 'W':
            return "0,0 1,6 2,2.5 3,6 4,0";
        case 'X':
            return "0,0 4,6|4,0 0,6";
        case 'Y':
            return "0,0 2,3 4,0|2,3 2,6";
        case 'Z':
            return "0,0 4,0 0,6 4,6";
        case '!':
            return "2,0 2,4|2,5.9 2,6";
        case '.':
            return "2,5.9 2,6";
        default:
            return "";
    }
}

constexpr double kAdvance = 5.6;  // grid units from one letter to the next
constexpr double kSpace = 3.6;    // grid units of a blank

void GlyphPath(cairo_t* cr, char c, double x, double y, double scale) {
    const char* p = GlyphStrokes(c);
    bool start = true;
    while (*p) {
        if (*p == '|' || *p == ' ') {
            start = start || *p == '|';
            ++p;
            continue;
        }
        char* end = nullptr;
        const double gx = std::strtod(p, &end);
        const double gy = std::strtod(end + 1, &end);
        p = end;
        if (start) {
            cairo_move_to(cr, x + gx * scale, y + gy * scale);
        } else {
            cairo_line_to(cr, x + gx * scale, y + gy * scale);
        }
        start = false;
    }
}

}  // namespace

double TextWidth(const std::string& text, double height) {
    const double scale = height / 6.0;
    double units = 0;
    for (char c : text)
        units += c == ' ' ? kSpace : kAdvance;
    if (!text.empty()) units -= kAdvance - 4;  // no spacing after the last letter
    return units * scale;
}

void TextPath(cairo_t* cr, const std::string& text, double x, double y, double height) {
    const double scale = height / 6.0;
    for (char c : text) {
        if (c == ' ') {
            x += kSpace * scale;
            continue;
        }
        GlyphPath(cr, c, x, y, scale);
        x += kAdvance * scale;
    }
}

void DrawBanner(cairo_t* cr, const std::string& text, double centre_x, double top, double height,
                const BannerStyle& style) {
    const double width = style.weight * height;
    cairo_save(cr);
    cairo_new_path(cr);
    TextPath(cr, text, centre_x - TextWidth(text, height) / 2, top, height);
    // A soft halo from wide, faint strokes.
    for (int ring = 6; ring >= 1; --ring) {
        SetColor(cr, style.glow, 0.06);
        cairo_set_line_width(cr, width + ring * height * 0.06);
        cairo_stroke_preserve(cr);
    }
    SetColor(cr, style.outline);
    cairo_set_line_width(cr, width + height * 0.07);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, top + height);
    AddStop(fill, 0, style.fill_top);
    AddStop(fill, 1, style.fill_bottom);
    cairo_set_source(cr, fill);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_pattern_destroy(fill);
    // A thin highlight just above the stroke centre gives the letters some relief.
    TextPath(cr, text, centre_x - TextWidth(text, height) / 2 - width * 0.12, top - width * 0.15,
             height);
    SetColor(cr, 0xffffff, 0.35);
    cairo_set_line_width(cr, width * 0.25);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace sassorbi
