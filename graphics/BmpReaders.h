#pragma once
// BMP pictures as packed RGB buffers (w x h pixels of red, green, blue, top row first). The
// caller picks the reader for the file's depth. A file that cannot be read whole is refused:
// the result is empty and the log names the file and the reason.

#include <cstdint>
#include <string>
#include <vector>

namespace sassorbi {

std::vector<uint8_t> ReadBmp24(const std::string& path);
std::vector<uint8_t> ReadBmp8(const std::string& path);
// Also writes the picture as C source to path + ".c" (see BmpSource.h).
std::vector<uint8_t> ReadBmp4AndExport(const std::string& path);

}  // namespace sassorbi
