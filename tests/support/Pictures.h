#pragma once
// Pictures made in tests, as packed RGB: three bytes a pixel, red first, top row first.

#include <cstdint>
#include <functional>
#include <vector>

namespace sassorbi::testing {

// A w x h picture with the colour (0xRRGGBB) the function gives each pixel.
inline std::vector<uint8_t> PatternRGB(int w, int h,
                                       const std::function<uint32_t(int, int)>& colour) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t value = colour(x, y);
            rgb.insert(rgb.end(), {static_cast<uint8_t>(value >> 16),
                                   static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
        }
    }
    return rgb;
}

inline std::vector<uint8_t> SolidRGB(int w, int h, uint32_t colour) {
    return PatternRGB(w, h, [colour](int, int) { return colour; });
}

}  // namespace sassorbi::testing
