// Converts an uncompressed 24-, 8- or 4-bit BMP into a picture file (raw packed RGB, top row
// first) and prints "WIDTH HEIGHT BITS". A 4-bit file is also written as C source beside it.
// Needs no display.

#include <cstdio>
#include <string>
#include <vector>

#include "graphics/BmpFile.h"
#include "graphics/BmpSource.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

constexpr int kUsageStatus = 2;
constexpr int kFailureStatus = 1;

int Fail(const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "bmp2bin: %s: %s\n", path.c_str(), reason.c_str());
    return kFailureStatus;
}

// The picture of the depth the header names; false, with the reason, when it is refused.
bool LoadPicture(const std::string& path, BmpData* data, std::string* reason) {
    BmpHeader header;
    if (!ReadBmpHeader(path, &header, reason)) return false;
    if (header.compression != 0) {
        *reason = "compressed (method " + std::to_string(header.compression) +
                  "), only uncompressed files are read";
        return false;
    }
    return LoadBmp(path, header.bit_count, data, reason);
}

// A file cut short by a failed write is removed, so no output means no picture.
bool WritePicture(const std::string& path, const std::vector<uint8_t>& rgb) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (stream == nullptr) return false;
    const bool written = std::fwrite(rgb.data(), 1, rgb.size(), stream) == rgb.size();
    const bool closed = std::fclose(stream) == 0;
    if (written && closed) return true;
    RemoveFile(path);
    return false;
}

int Convert(const std::string& input, const std::string& output) {
    BmpData data;
    std::string reason;
    if (!LoadPicture(input, &data, &reason)) return Fail(input, reason);
    if (data.bits == 4 && !WriteBmpSource(input, data)) return Fail(input + ".c", "cannot write");
    if (!WritePicture(output, BmpToRGB(data))) return Fail(output, "cannot write");
    std::printf("%d %d %d\n", data.width, data.height, data.bits);
    return 0;
}

}  // namespace
}  // namespace sassorbi

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bmp2bin INPUT.bmp OUTPUT.bin\n");
        return sassorbi::kUsageStatus;
    }
    return sassorbi::Convert(argv[1], argv[2]);
}
