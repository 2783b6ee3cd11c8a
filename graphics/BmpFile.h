#pragma once
// Uncompressed, bottom-up Windows BMP files of 24, 8 and 4 bits per pixel, checked against
// the file's size before anything is allocated, so a damaged file is refused with a reason
// instead of being read past its end.

#include <cstdint>
#include <string>
#include <vector>

namespace sassorbi {

// The header fields the readers use (little-endian in the file).
struct BmpHeader {
    int64_t pixel_offset = 0;  // byte 10
    int32_t width = 0;         // byte 18
    int32_t height = 0;        // byte 22; negative for top-down rows
    int bit_count = 0;         // byte 28
    uint32_t compression = 0;  // byte 30; 0 is uncompressed
};

// A BMP as stored: its palette and its pixel rows, bottom row first, padding included.
struct BmpData {
    int width = 0;
    int height = 0;
    int bits = 0;
    // Red, green, blue of each palette entry, in file order (at most 256 entries).
    std::vector<uint8_t> palette;
    // BmpRowLength(width, bits) x height bytes.
    std::vector<uint8_t> rows;
};

// The 14-byte file header and the 40-byte information header.
constexpr int64_t kBmpHeaderSize = 54;

// Bytes of one stored row's pixels, and of the whole row padded to a multiple of 4.
int64_t BmpPixelBytes(int width, int bits);
int64_t BmpRowLength(int width, int bits);

// False, with the reason, when the file cannot be opened or its header is cut short.
bool ReadBmpHeader(const std::string& path, BmpHeader* header, std::string* reason);

// Reads the file as a BMP of the given depth (24, 8 or 4; the header's own bit count and
// compression are not consulted). The palette is (pixel offset - 54) / 4 entries right after the
// header; the rows start at the pixel offset. False, with the reason, when the file is refused.
bool LoadBmp(const std::string& path, int bits, BmpData* data, std::string* reason);

// The packed RGB buffer of a picture made by LoadBmp, top row first; palette indices past
// the palette are black.
std::vector<uint8_t> BmpToRGB(const BmpData& data);

}  // namespace sassorbi
