#include "graphics/PictureFile.h"

#include "util/Log.h"
#include "util/Files.h"

namespace sassorbi {
namespace {
// X sizes are 16-bit: no window or image is larger, and no size computation overflows.
constexpr int kMaxPictureSide = 32767;
}  // namespace

std::vector<uint8_t> ReadPictureFile(const std::string& path, int w, int h) {
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) return {};
    BinaryFile file(path);
    if (!file.IsOpen()) return {};
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3, 0);
    const size_t read = file.ReadAt(0, rgb.data(), rgb.size());
    if (file.HasFailed()) return {};
    if (read < rgb.size()) {
        WriteLogString("Picture file too short: " + path + " (" + std::to_string(read) + " of " +
                       std::to_string(rgb.size()) + " bytes)");
    }
    return rgb;
}

}  // namespace sassorbi
