// Picture files of any size for any picture size, and, when an X display is available, the
// client image built from what was read. The input is the width and the height as 16-bit
// little-endian values (kept below 512 in size; zero and negative sizes included) followed
// by the file's content.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "graphics/MyImage.h"
#include "graphics/PictureFile.h"

namespace sassorbi {
namespace {

constexpr const char* kPath = "picture.bin";
constexpr int kSizeLimit = 512;

// The builder needs a display; without DISPLAY only the file reader is fuzzed.
Display* OpenDisplayOnce() {
    static Display* display = [] {
        Display* opened = std::getenv("DISPLAY") != nullptr ? XOpenDisplay(nullptr) : nullptr;
        if (opened == nullptr) std::fprintf(stderr, "No X display: image builder not fuzzed\n");
        return opened;
    }();
    return display;
}

bool SupportedLayout(Display* display) {
    const Visual* visual = DefaultVisual(display, DefaultScreen(display));
    return DefaultDepth(display, DefaultScreen(display)) == 24 && visual->red_mask == 0xFF0000 &&
           visual->green_mask == 0xFF00 && visual->blue_mask == 0xFF;
}

void CheckRead(const std::vector<uint8_t>& rgb, const uint8_t* file, size_t file_size, int w,
               int h) {
    if (w <= 0 || h <= 0) {
        Check(rgb.empty(), "a picture of no size reads as nothing");
        return;
    }
    const size_t need = static_cast<size_t>(w) * static_cast<size_t>(h) * 3;
    Check(rgb.size() == need, "a picture reads as 3 x w x h bytes");
    const size_t have = std::min(need, file_size);
    Check(std::equal(file, file + have, rgb.begin()), "the file's bytes come first");
    Check(std::all_of(rgb.begin() + have, rgb.end(), [](uint8_t b) { return b == 0; }),
          "what the file lacks is black");
}

void BuildImage(Display* display, const std::vector<uint8_t>& rgb, int w, int h) {
    const ClientImage image =
        MyImage::CreateImageFromRGB(display, DefaultScreen(display), rgb.data(), w, h);
    Check(image != nullptr && image->width == w && image->height == h,
          "an image of the picture's size is built");
    if (SupportedLayout(display)) {
        const uint8_t* last = rgb.data() + rgb.size() - 3;
        const unsigned long pixel = static_cast<unsigned long>(last[0]) << 16 |
                                    static_cast<unsigned long>(last[1]) << 8 | last[2];
        Check(XGetPixel(image.get(), w - 1, h - 1) == pixel, "the last pixel has the last colour");
    }
}

void Read(const uint8_t* data, size_t size) {
    const int w = static_cast<int16_t>(Le16(data)) % kSizeLimit;
    const int h = static_cast<int16_t>(Le16(data + 2)) % kSizeLimit;
    WriteInputFile(kPath, data + 4, size - 4);
    const std::vector<uint8_t> rgb = ReadPictureFile(kPath, w, h);
    CheckRead(rgb, data + 4, size - 4, w, h);
    Display* display = OpenDisplayOnce();
    if (display != nullptr && !rgb.empty()) BuildImage(display, rgb, w, h);
}

}  // namespace
}  // namespace sassorbi

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    sassorbi::EnterPrivateFolder();
    sassorbi::Read(data, size);
    sassorbi::ForgetLog();
    return 0;
}
