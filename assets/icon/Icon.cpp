#include "assets/Assets.h"
#include "assets/sprites/SpriteArt.h"

#include <cmath>
#include <string>

namespace sassorbi {

namespace {

// Sizes of the window icon the game hands its window; the menus get the PNGs.
constexpr int kWindowIconSizes[] = {16, 32, 48, 64};
constexpr int kPngSizes[] = {16, 32, 48, 64, 128, 256};
constexpr double kDesign = 64;  // the icon is drawn on a 64-unit grid and scaled

void RoundedSquare(cairo_t* cr, double x, double y, double side, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + side - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + side - radius, y + side - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + side - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// A tile of night sky with a few stars, the ship rising through it.
void PaintIcon(cairo_t* cr, int size) {
    cairo_scale(cr, size / kDesign, size / kDesign);
    RoundedSquare(cr, 2, 2, 60, 12);
    FillVertical(cr, 2, 62, 0x0a1030, 0x2b2466);
    const double stars[][3] = {{12, 14, 1.6}, {50, 10, 1.3}, {54, 30, 1.1}, {9, 36, 1.0}};
    for (const auto& star : stars) {
        cairo_arc(cr, star[0], star[1], star[2], 0, 2 * M_PI);
        SetColor(cr, 0xfff4c8);
        cairo_fill(cr);
    }
    cairo_translate(cr, 7, 7);
    PaintShip(cr, 0.25);
}

}  // namespace

Bytes DrawWindowIcon() {
    Bytes out;
    for (int size : kWindowIconSizes) {
        Canvas canvas(size, size);
        PaintIcon(canvas.Cr(), size);
        const Bytes words = canvas.IconWords();
        out.insert(out.end(), words.begin(), words.end());
    }
    return out;
}

bool WriteIconPngs(const std::filesystem::path& folder) {
    for (int size : kPngSizes) {
        const std::string dimensions = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = folder / "hicolor" / dimensions / "apps";
        std::error_code error;
        std::filesystem::create_directories(apps, error);
        Canvas canvas(size, size);
        PaintIcon(canvas.Cr(), size);
        if (!canvas.WritePng(apps / "sassorbi.png")) return false;
    }
    return true;
}

}  // namespace sassorbi
