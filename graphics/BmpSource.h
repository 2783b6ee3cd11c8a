#pragma once
// A 4-bit BMP as C source: the picture defined as an embedded 16-colour image.

#include <string>

#include "graphics/BmpFile.h"

namespace sassorbi {

// The C name of a picture file: its file name without the last extension, in upper case.
std::string BmpSourceName(const std::string& path);

// The declarations of wNAME, hNAME and imgNAME: the palette's red, green, blue on one line,
// then each stored row's pixel bytes (bottom row first, no padding) on a line of its own.
std::string BmpSourceText(const std::string& name, const BmpData& data);

// Writes the text for the file at path to path + ".c", replacing any earlier file; false
// when it cannot be written.
bool WriteBmpSource(const std::string& path, const BmpData& data);

}  // namespace sassorbi
