#pragma once
// Colour channels into pixels of any TrueColor visual, through the visual's masks.

namespace sassorbi {

// One 8-bit channel scaled into the bits of a mask.
inline unsigned long ScaleToMask(unsigned value, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    int bits = 0;
    while (shift + bits < 64 && ((mask >> (shift + bits)) & 1) != 0)
        ++bits;
    const unsigned long scaled = bits <= 8 ? value >> (8 - bits) : value << (bits - 8);
    return (scaled << shift) & mask;
}

inline unsigned long EncodePixel(unsigned red, unsigned green, unsigned blue,
                                 unsigned long red_mask, unsigned long green_mask,
                                 unsigned long blue_mask) {
    return ScaleToMask(red, red_mask) | ScaleToMask(green, green_mask) |
           ScaleToMask(blue, blue_mask);
}

}  // namespace sassorbi
