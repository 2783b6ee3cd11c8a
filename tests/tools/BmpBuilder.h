#pragma once
// Writes the BMP files the tests read: a 54-byte header, the palette, then the rows bottom
// first, each padded to a multiple of 4 with 0xEE bytes that must never show up as pixels.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sassorbi::testing {

// A palette index, or for 24 bits a 0xRRGGBB colour, of the pixel at (x, y), top row 0.
using BmpPixels = std::function<uint32_t(int x, int y)>;

inline void PutLe32(std::string* bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes->at(at + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline uint32_t Colour24(uint32_t seed) {
    return (seed * 0x9E3779B1u) >> 8;
}

// The stored bytes of one row.
inline std::string BmpRow(int bits, int width, int y, const BmpPixels& pixel) {
    std::string row;
    for (int x = 0; x < width; ++x) {
        const uint32_t value = pixel(x, y);
        if (bits == 24) {
            row += {static_cast<char>(value), static_cast<char>(value >> 8),
                    static_cast<char>(value >> 16)};
        } else if (bits == 8) {
            row += static_cast<char>(value);
        } else if (x % 2 == 0) {
            row += static_cast<char>(value << 4);
        } else {
            row.back() = static_cast<char>(row.back() | (value & 0x0F));
        }
    }
    while (row.size() % 4 != 0)
        row += '\xEE';
    return row;
}

// A whole file; palette entries are 0xRRGGBB.
inline std::string MakeBmp(int bits, int width, int height, const std::vector<uint32_t>& palette,
                           const BmpPixels& pixel) {
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLe32(&bytes, 10, static_cast<uint32_t>(54 + 4 * palette.size()));
    PutLe32(&bytes, 14, 40);
    PutLe32(&bytes, 18, static_cast<uint32_t>(width));
    PutLe32(&bytes, 22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<char>(bits);
    for (uint32_t colour : palette) {
        bytes += {static_cast<char>(colour), static_cast<char>(colour >> 8),
                  static_cast<char>(colour >> 16), '\0'};
    }
    for (int y = height - 1; y >= 0; --y)
        bytes += BmpRow(bits, width, y, pixel);
    PutLe32(&bytes, 2, static_cast<uint32_t>(bytes.size()));
    return bytes;
}

// The packed RGB buffer the file should give: palette indices past the palette are black.
inline std::vector<uint8_t> ExpectedRGB(int bits, int width, int height,
                                        const std::vector<uint32_t>& palette,
                                        const BmpPixels& pixel) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t value = pixel(x, y);
            uint32_t colour = value;
            if (bits != 24) colour = value < palette.size() ? palette[value] : 0;
            rgb.insert(rgb.end(),
                       {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                        static_cast<uint8_t>(colour)});
        }
    }
    return rgb;
}

}  // namespace sassorbi::testing
