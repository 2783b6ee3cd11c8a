#pragma once
// Value types shared by every element: points, sizes and colours in pixels.

#include <cstdint>

namespace sassorbi {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
};

// 0xRRGGBB handed to X unchanged as a pixel value; kNoColour means "not set".
using Colour = int64_t;
constexpr Colour kNoColour = -1;
constexpr Colour kDefaultBackColour = 0xAAAAAA;

}  // namespace sassorbi
