#pragma once
// Byte-string helpers: character classes are the C library's in the default locale.

#include <cstdint>
#include <string>
#include <vector>

namespace sassorbi {

std::string Trim(const std::string& text);
std::string TrimRight(const std::string& text);
std::string ToUpper(const std::string& text);

// Replaces find repeatedly, each search starting again from the beginning of the text; when
// the replacement holds find, every occurrence in the text is replaced once, left to right.
std::string ReplaceAll(const std::string& text, const std::string& find,
                       const std::string& replacement);

// Touching delimiters give empty elements; an empty rest after the last delimiter gives none.
std::vector<std::string> Split(const std::string& text, const std::string& delimiter);

// Pad until the text is at least width long; a longer text is returned unchanged.
std::string PadLeft(const std::string& text, char pad, int width);
std::string PadRight(const std::string& text, char pad, int width);

// Decimal form (with "-" for negatives), then PadLeft: (-5, '0', 4) gives "00-5".
std::string IntToString(int64_t value, char pad = '0', int width = 0);

// The low 8 bits as two upper-case hexadecimal digits.
std::string HexByte(int value);

}  // namespace sassorbi
