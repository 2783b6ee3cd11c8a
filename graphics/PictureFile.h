#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sassorbi {

// Reads a picture file: a packed RGB buffer of w x h pixels stored raw. Empty when the file
// cannot be read, or the size is beyond what X can show (32767 a side). A file shorter than 3 x w x h bytes is never read past its end: the rest is
// black and the shortfall is logged; extra bytes are ignored.
std::vector<uint8_t> ReadPictureFile(const std::string& path, int w, int h);

}  // namespace sassorbi
