// A small stroke font of our own, so drawn text needs no system fonts.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace sassorbi {

// Width of the text drawn with capitals `height` pixels tall.
double TextWidth(const std::string& text, double height);

// Adds the strokes of the text to the current path, top-left corner at (x, y).
void TextPath(cairo_t* cr, const std::string& text, double x, double y, double height);

// Colours of a title: glow around it, a dark outline and a vertical fill gradient.
struct BannerStyle {
    uint32_t glow;
    uint32_t outline;
    uint32_t fill_top;
    uint32_t fill_bottom;
    double weight;  // stroke width relative to the letter height
};

// Draws a title centred on centre_x with its capitals spanning top to top + height.
void DrawBanner(cairo_t* cr, const std::string& text, double centre_x, double top, double height,
                const BannerStyle& style);

}  // namespace sassorbi
