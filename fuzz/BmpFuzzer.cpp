// The BMP readers of every depth and the C export, on any file content: each input is read
// as a 24-, 8- and 4-bit picture and compared with a plain decoding of its bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "graphics/BmpFile.h"
#include "graphics/BmpReaders.h"
#include "graphics/BmpSource.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

constexpr const char* kPath = "input.bmp";
constexpr const char* kSourcePath = "input.bmp.c";

// The picture a reader must give, worked out from the bytes by the rules of the format; empty
// for a file the readers refuse: cut short, top-down, too large or with over 256 colours.
std::vector<uint8_t> Decode(const uint8_t* file, size_t size, int bits) {
    if (size < kBmpHeaderSize || (bits != 24 && bits != 8 && bits != 4)) return {};
    const int64_t offset = Le32(file + 10);
    const int64_t w = static_cast<int32_t>(Le32(file + 18));
    const int64_t h = static_cast<int32_t>(Le32(file + 22));
    const int64_t entries = (offset - kBmpHeaderSize) / 4;
    const int64_t row = ((w * bits + 7) / 8 + 3) / 4 * 4;
    if (w <= 0 || h <= 0 || w * h > 0x7FFFFFFF / 4 || offset < kBmpHeaderSize) return {};
    if (bits != 24 && entries > 256) return {};
    if (offset + row * h > static_cast<int64_t>(size)) return {};
    std::vector<uint8_t> rgb;
    for (int64_t y = h - 1; y >= 0; --y) {
        const uint8_t* stored = file + offset + y * row;
        for (int64_t x = 0; x < w; ++x) {
            if (bits == 24) {
                rgb.insert(rgb.end(), {stored[x * 3 + 2], stored[x * 3 + 1], stored[x * 3]});
                continue;
            }
            const int index = bits == 8 ? stored[x] : (stored[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 15;
            if (index >= entries) {
                rgb.insert(rgb.end(), {0, 0, 0});
                continue;
            }
            const uint8_t* colour = file + kBmpHeaderSize + index * 4;
            rgb.insert(rgb.end(), {colour[2], colour[1], colour[0]});
        }
    }
    return rgb;
}

void ReadEveryDepth(const uint8_t* file, size_t size) {
    BmpHeader header;
    std::string reason;
    Check(ReadBmpHeader(kPath, &header, &reason) == (size >= kBmpHeaderSize),
          "the header is read exactly when the file holds 54 bytes");
    // The converter tool reads at the depth the header names, which may be any.
    BmpData named;
    if (LoadBmp(kPath, header.bit_count, &named, &reason)) {
        Check(BmpToRGB(named) == Decode(file, size, header.bit_count),
              "a picture of the header's depth decodes by the rules");
    }
    Check(ReadBmp24(kPath) == Decode(file, size, 24), "the 24-bit reader decodes by the rules");
    Check(ReadBmp8(kPath) == Decode(file, size, 8), "the 8-bit reader decodes by the rules");

    RemoveFile(kSourcePath);
    const std::vector<uint8_t> rgb = ReadBmp4AndExport(kPath);
    Check(rgb == Decode(file, size, 4), "the 4-bit reader decodes by the rules");
    BmpData data;
    const bool loaded = LoadBmp(kPath, 4, &data, &reason);
    Check(loaded == !rgb.empty(), "the 4-bit reader refuses what LoadBmp refuses");
    Check(FileExists(kSourcePath) == loaded, "the C source is written exactly for a picture read");
    if (!loaded) return;
    Check(BmpToRGB(data) == rgb, "the reader gives BmpToRGB of the loaded picture");
    Check(ReadWholeFile(kSourcePath) == BmpSourceText(BmpSourceName(kPath), data) + "\n",
          "the C source holds the picture's text and one line feed");
}

}  // namespace
}  // namespace sassorbi

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sassorbi::EnterPrivateFolder();
    sassorbi::WriteInputFile(sassorbi::kPath, data, size);
    sassorbi::ReadEveryDepth(data, size);
    sassorbi::ForgetLog();
    return 0;
}
