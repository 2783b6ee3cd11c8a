// The pixel-layout probe and the builders of client images.

#include <string>

#include "util/Log.h"
#include "graphics/MyImage.h"
#include "graphics/PixelEncoding.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace sassorbi {

int MyImage::ixRosso = 2;
int MyImage::ixVerde = 1;
int MyImage::ixBlu = 0;

namespace {

// The layout of window images; a depth of 0 means not probed yet.
struct ProbedLayout {
    int format = ZPixmap;
    int xoffset = 0;
    int bitmap_pad = 0;
    int bitmap_bit_order = 0;
    int depth = 0;
    int bits_per_pixel = 0;
};
ProbedLayout g_layout;

// The probe colour: red 207, green 59, blue 118.
constexpr unsigned long kProbeColour = 0xCF3B76;

// A pixmap of the window's depth reads back like the window, and is always readable.
ServerImage ReadProbePixel(Display* display, int screen_number) {
    const OwnedPixmap pixmap(display, RootWindow(display, screen_number), 1, 1,
                             DefaultDepth(display, screen_number));
    const OwnedGc gc(display, pixmap.Get(), 0, nullptr);
    XSetForeground(display, gc.Get(), kProbeColour);
    XDrawPoint(display, pixmap.Get(), gc.Get(), 0, 0);
    return ServerImage(XGetImage(display, pixmap.Get(), 0, 0, 1, 1, AllPlanes, ZPixmap));
}

void WarnIfNot(const char* what, int value, int expected) {
    if (value != expected) {
        WriteLogString(std::string("WARNING img->") + what + ": " + std::to_string(value));
    }
}

void WarnAboutLayout(const XImage& image) {
    WarnIfNot("format", image.format, ZPixmap);
    WarnIfNot("xoffset", image.xoffset, 0);
    WarnIfNot("bitmap_pad", image.bitmap_pad, 32);
    WarnIfNot("bitmap_unit", image.bitmap_unit, 32);
    WarnIfNot("depth", image.depth, 24);
    WarnIfNot("bits_per_pixel", image.bits_per_pixel, 32);
    WarnIfNot("bitmap_bit_order", image.bitmap_bit_order, 0);
    WarnIfNot("byte_order", image.byte_order, 0);
}

void WarnAboutChannel(const char* name, int value, int expected, bool always) {
    if (always || value != expected) {
        WriteLogString(std::string("WARNING MyImage::") + name + ": " + std::to_string(value));
    }
}

void FindChannels(const XImage& image) {
    bool red = false, green = false, blue = false;
    const int bytes = image.bits_per_pixel / 8;
    for (int i = 0; i < 8 && i < bytes; ++i) {
        const auto value = static_cast<unsigned char>(image.data[i]);
        // Later bytes win.
        if (value == 207) {
            red = true;
            MyImage::ixRosso = i;
        }
        if (value == 59) {
            green = true;
            MyImage::ixVerde = i;
        }
        if (value == 118) {
            blue = true;
            MyImage::ixBlu = i;
        }
    }
    const bool missing = !(red && green && blue);
    WarnAboutChannel("ixRosso", MyImage::ixRosso, 2, missing);
    WarnAboutChannel("ixVerde", MyImage::ixVerde, 1, missing);
    WarnAboutChannel("ixBlu", MyImage::ixBlu, 0, missing);
}

void FillByBytes(XImage* image, const uint8_t* rgb) {
    const int bytes_per_pixel = image->bits_per_pixel / 8;
    for (int row = 0; row < image->height; ++row) {
        auto* out = reinterpret_cast<uint8_t*>(image->data) + row * image->bytes_per_line;
        for (int column = 0; column < image->width; ++column, rgb += 3, out += bytes_per_pixel) {
            out[MyImage::ixRosso] = rgb[0];
            out[MyImage::ixVerde] = rgb[1];
            out[MyImage::ixBlu] = rgb[2];
        }
    }
}

// Any other layout (a 16-bit display): encode each pixel through the visual's masks.
void FillByPixels(XImage* image, const uint8_t* rgb, const Visual* visual) {
    for (int row = 0; row < image->height; ++row) {
        for (int column = 0; column < image->width; ++column, rgb += 3) {
            XPutPixel(image, column, row,
                      EncodePixel(rgb[0], rgb[1], rgb[2], visual->red_mask, visual->green_mask,
                                  visual->blue_mask));
        }
    }
}

}  // namespace

bool MyImage::HasChannelBytes(int bytes_per_pixel) {
    return bytes_per_pixel >= 3 && ixRosso < bytes_per_pixel && ixVerde < bytes_per_pixel &&
           ixBlu < bytes_per_pixel;
}

void ClientImageDeleter::operator()(XImage* image) const {
    MyImage::DestroyImage(image);
}

void MyImage::ProbePixelLayout(GUIElement* element) {
    Form* form = FormOf(element);
    if (form != nullptr && form->GetDisplay() != nullptr) {
        ProbePixelLayout(form->GetDisplay(), form->GetScreen()->GetScreenNumber());
    }
}

void MyImage::ProbePixelLayout(Display* display, int screen_number) {
    if (g_layout.depth != 0) return;
    const ServerImage image = ReadProbePixel(display, screen_number);
    if (!image) {
        // Nothing to measure: assume the supported layout.
        g_layout = {ZPixmap, 0, 32, LSBFirst, 24, 32};
        return;
    }
    g_layout = {image->format,           image->xoffset, image->bitmap_pad,
                image->bitmap_bit_order, image->depth,   image->bits_per_pixel};
    WarnAboutLayout(*image);
    FindChannels(*image);
}

ClientImage MyImage::CreateImageFromRGB(GUIElement* element, const uint8_t* rgb, int w, int h) {
    Form* form = FormOf(element);
    if (form == nullptr || form->GetDisplay() == nullptr) return nullptr;
    return CreateImageFromRGB(form->GetDisplay(), form->GetScreen()->GetScreenNumber(), rgb, w, h);
}

ClientImage MyImage::CreateImageFromRGB(Display* display, int screen_number, const uint8_t* rgb,
                                        int w, int h) {
    if (rgb == nullptr) return nullptr;
    ClientImage image = CreateBlankImage(display, screen_number, w, h);
    if (!image) return nullptr;
    if (HasChannelBytes(image->bits_per_pixel / 8)) {
        FillByBytes(image.get(), rgb);
    } else {
        FillByPixels(image.get(), rgb, DefaultVisual(display, screen_number));
    }
    return image;
}

ClientImage MyImage::CreateBlankImage(Display* display, int screen_number, int w, int h) {
    // X sizes are 16-bit; nothing larger can be shown, and the sizes below cannot overflow.
    if (display == nullptr || w <= 0 || h <= 0 || w > 32767 || h > 32767) return nullptr;
    ProbePixelLayout(display, screen_number);
    const int bytes_per_pixel = (g_layout.bits_per_pixel + 7) / 8;
    const int pad = g_layout.bitmap_pad / 8 > 0 ? g_layout.bitmap_pad / 8 : 1;
    const int line = w * bytes_per_pixel;
    const int padded = (line + pad - 1) / pad * pad;
    if (padded != line) {
        WriteLogString("WARNING img width: " + std::to_string(w) +
                       " - bytes_per_line_Pad != bytes_per_line: " + std::to_string(padded) + " " +
                       std::to_string(line));
    }
    char* data = new char[static_cast<size_t>(padded) * static_cast<size_t>(h)]();
    XImage* image = XCreateImage(display, DefaultVisual(display, screen_number),
                                 static_cast<unsigned>(g_layout.depth), g_layout.format,
                                 g_layout.xoffset, data, static_cast<unsigned>(w),
                                 static_cast<unsigned>(h), g_layout.bitmap_pad, padded);
    if (image == nullptr) delete[] data;
    return ClientImage(image);
}

void MyImage::DestroyImage(XImage* image) {
    if (image == nullptr) return;
    delete[] image->data;
    image->data = nullptr;
    XFree(image);
}

std::vector<uint8_t> MyImage::DecodeEmbeddedImage(int w, int h, const uint8_t* embedded) {
    if (embedded == nullptr || w <= 0 || h <= 0) return {};
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    const int row_bytes = (w + 1) / 2;
    const uint8_t* palette = embedded;
    uint8_t* out = rgb.data();
    for (int row = 0; row < h; ++row) {
        // Rows are stored bottom first.
        const uint8_t* stored = embedded + 48 + (h - 1 - row) * row_bytes;
        for (int column = 0; column < w; ++column, out += 3) {
            const uint8_t pair = stored[column / 2];
            const int index = column % 2 == 0 ? pair >> 4 : pair & 0x0F;
            out[0] = palette[index * 3];
            out[1] = palette[index * 3 + 1];
            out[2] = palette[index * 3 + 2];
        }
    }
    return rgb;
}

}  // namespace sassorbi
