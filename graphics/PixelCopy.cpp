#include "graphics/PixelCopy.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "graphics/MyImage.h"
#include "graphics/PixelEncoding.h"

namespace sassorbi {
namespace {

int BytesPerPixel(const XImage& image) {
    return image.bits_per_pixel / 8;
}

const char* PixelAddress(const XImage& image, int x, int y) {
    return image.data + static_cast<ptrdiff_t>(y) * image.bytes_per_line + x * BytesPerPixel(image);
}

char* PixelAddress(XImage* image, int x, int y) {
    return image->data + static_cast<ptrdiff_t>(y) * image->bytes_per_line +
           x * BytesPerPixel(*image);
}

// A key colour split into its channel bytes.
struct Key {
    char red, green, blue;
};

Key KeyOf(Colour colour) {
    return {static_cast<char>((colour >> 16) & 0xFF), static_cast<char>((colour >> 8) & 0xFF),
            static_cast<char>(colour & 0xFF)};
}

bool IsKey(const char* pixel, const Key& key) {
    return pixel[MyImage::ixRosso] == key.red && pixel[MyImage::ixVerde] == key.green &&
           pixel[MyImage::ixBlu] == key.blue;
}

// The common layout: four bytes a pixel, the colour in the three channel bytes.
void BlitWords(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
               const Key& key) {
    const uint32_t colour_bits = (0xFFu << (8 * MyImage::ixRosso)) |
                                 (0xFFu << (8 * MyImage::ixVerde)) |
                                 (0xFFu << (8 * MyImage::ixBlu));
    const uint32_t key_bits =
        (uint32_t{static_cast<uint8_t>(key.red)} << (8 * MyImage::ixRosso)) |
        (uint32_t{static_cast<uint8_t>(key.green)} << (8 * MyImage::ixVerde)) |
        (uint32_t{static_cast<uint8_t>(key.blue)} << (8 * MyImage::ixBlu));
    for (int row = 0; row < h; ++row) {
        const char* in = PixelAddress(from, src_x, src_y + row);
        char* out = PixelAddress(to, x, y + row);
        // Every pixel is read and written back, chosen without a branch: the compiler turns
        // the row into vector instructions.
        for (int column = 0; column < w; ++column, in += 4, out += 4) {
            uint32_t pixel, under;
            std::memcpy(&pixel, in, 4);
            std::memcpy(&under, out, 4);
            under = (pixel & colour_bits) != key_bits ? pixel : under;
            std::memcpy(out, &under, 4);
        }
    }
}

// Any other layout with channel bytes: the three of them only, as found by the layout probe.
void BlitBytes(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
               const Key& key) {
    const int bytes = BytesPerPixel(from);
    for (int row = 0; row < h; ++row) {
        const char* in = PixelAddress(from, src_x, src_y + row);
        char* out = PixelAddress(to, x, y + row);
        for (int column = 0; column < w; ++column, in += bytes, out += bytes) {
            if (IsKey(in, key)) continue;
            out[MyImage::ixRosso] = in[MyImage::ixRosso];
            out[MyImage::ixVerde] = in[MyImage::ixVerde];
            out[MyImage::ixBlu] = in[MyImage::ixBlu];
        }
    }
}

// Pixels too small for channel bytes (a 16-bit display): the key encoded through the masks.
void BlitPixels(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
                Colour key) {
    const unsigned long colour_bits = from.red_mask | from.green_mask | from.blue_mask;
    const unsigned long key_pixel = EncodePixel((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF,
                                                from.red_mask, from.green_mask, from.blue_mask);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            const unsigned long pixel =
                XGetPixel(const_cast<XImage*>(&from), src_x + column, src_y + row);
            if ((pixel & colour_bits) != key_pixel) XPutPixel(to, x + column, y + row, pixel);
        }
    }
}

bool HasChannelBytes(const XImage& image) {
    return MyImage::HasChannelBytes(BytesPerPixel(image));
}

}  // namespace

void CopyImage(const XImage& from, XImage* to) {
    if (from.bytes_per_line == to->bytes_per_line && from.height == to->height) {
        std::memcpy(to->data, from.data, static_cast<size_t>(from.bytes_per_line) * from.height);
        return;
    }
    CopyRect(from, to, 0, 0, std::min(from.width, to->width), std::min(from.height, to->height));
}

void CopyRect(const XImage& from, XImage* to, int x, int y, int w, int h) {
    const size_t span = static_cast<size_t>(w) * BytesPerPixel(from);
    for (int row = y; row < y + h; ++row) {
        std::memcpy(PixelAddress(to, x, row), PixelAddress(from, x, row), span);
    }
}

void BlitImage(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
               bool transparent) {
    if (transparent) {
        BlitKeyed(from, src_x, src_y, w, h, to, x, y, 0);
        return;
    }
    const size_t span = static_cast<size_t>(w) * BytesPerPixel(from);
    for (int row = 0; row < h; ++row) {
        std::memcpy(PixelAddress(to, x, y + row), PixelAddress(from, src_x, src_y + row), span);
    }
}

void BlitKeyed(const XImage& from, int src_x, int src_y, int w, int h, XImage* to, int x, int y,
               Colour key) {
    if (BytesPerPixel(from) == 4 && BytesPerPixel(*to) == 4 && HasChannelBytes(from)) {
        BlitWords(from, src_x, src_y, w, h, to, x, y, KeyOf(key));
    } else if (HasChannelBytes(from)) {
        BlitBytes(from, src_x, src_y, w, h, to, x, y, KeyOf(key));
    } else {
        BlitPixels(from, src_x, src_y, w, h, to, x, y, key);
    }
}

ClientImage CutImage(Display* display, int screen_number, const XImage& from, int top, int w,
                     int h) {
    ClientImage cut = MyImage::CreateBlankImage(display, screen_number, w, h);
    if (!cut) return nullptr;
    const int rows = std::clamp(from.height - top, 0, h);
    const int columns = std::min(w, from.width);
    if (top >= 0 && columns > 0) BlitImage(from, 0, top, columns, rows, cut.get(), 0, 0, false);
    return cut;
}

}  // namespace sassorbi
