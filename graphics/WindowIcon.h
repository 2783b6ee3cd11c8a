#pragma once
// The window icon file: for each size its width, its height and its pixels as straight
// 0xAARRGGBB, every number a 32-bit little-endian word. It is read into the numbers a form's
// SetWindowIcon takes, one long each, as the window property wants them.

#include <string>
#include <vector>

namespace sassorbi {

// A missing or malformed file is logged and gives no icon (an empty list).
std::vector<unsigned long> ReadWindowIcon(const std::string& path);

}  // namespace sassorbi
