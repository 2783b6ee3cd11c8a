#include "graphics/BmpReaders.h"

#include "util/Log.h"
#include "graphics/BmpFile.h"
#include "graphics/BmpSource.h"

namespace sassorbi {
namespace {

// Empty, with the reason in the log, when the file is refused.
bool Load(const std::string& path, int bits, BmpData* data) {
    std::string reason;
    if (LoadBmp(path, bits, data, &reason)) return true;
    WriteLogString("BMP file refused: " + path + " (" + reason + ")");
    return false;
}

std::vector<uint8_t> Read(const std::string& path, int bits) {
    BmpData data;
    return Load(path, bits, &data) ? BmpToRGB(data) : std::vector<uint8_t>{};
}

}  // namespace

std::vector<uint8_t> ReadBmp24(const std::string& path) {
    return Read(path, 24);
}

std::vector<uint8_t> ReadBmp8(const std::string& path) {
    return Read(path, 8);
}

std::vector<uint8_t> ReadBmp4AndExport(const std::string& path) {
    BmpData data;
    if (!Load(path, 4, &data)) return {};
    if (!WriteBmpSource(path, data)) WriteLogString("BMP source not written: " + path + ".c");
    return BmpToRGB(data);
}

}  // namespace sassorbi
