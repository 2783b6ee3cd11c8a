// A cairo drawing surface and the conversions to the game's raw RGB picture format.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace sassorbi {

using Bytes = std::vector<uint8_t>;

// An ARGB surface with its drawing context; both are released together.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return cr_; }

    // Opaque picture: every pixel kept, pure black lifted to 0x010101 (black is the colour key).
    Bytes PictureBytes() const;
    // Sprite: uncovered pixels become the pure black key, covered ones keep their own colour.
    Bytes SpriteBytes() const;
    // Window icon: the width, the height and every pixel as straight 0xAARRGGBB, each a
    // 32-bit little-endian word.
    Bytes IconWords() const;
    bool WritePng(const std::filesystem::path& path) const;

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Colour helpers taking 0xRRGGBB values.
void SetColor(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
void AddStop(cairo_pattern_t* pattern, double offset, uint32_t rgb, double alpha = 1.0);
// Linear blend of two colours, t = 0 gives a.
uint32_t Mix(uint32_t a, uint32_t b, double t);

// Fills the current path with a vertical gradient.
void FillVertical(cairo_t* cr, double top, double bottom, uint32_t top_colour,
                  uint32_t bottom_colour);

// Small deterministic generator so every build draws the same scene.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 1) {}
    double Uniform(double low, double high);
    int Int(int low, int high);

private:
    uint32_t Next();
    uint32_t state_;
};

}  // namespace sassorbi
