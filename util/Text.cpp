#include "util/Text.h"

#include <cctype>
#include <cinttypes>
#include <cstdio>

namespace sassorbi {
namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string Trim(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsSpace(text[begin]))
        ++begin;
    return TrimRight(text.substr(begin));
}

std::string TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string ToUpper(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

namespace {

// Every occurrence of find in the text replaced once, left to right.
std::string ReplaceEachOnce(const std::string& text, const std::string& find,
                            const std::string& replacement) {
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        result.append(text, from, at - from).append(replacement);
        from = at + find.size();
    }
    return result.append(text, from, std::string::npos);
}

}  // namespace

std::string ReplaceAll(const std::string& text, const std::string& find,
                       const std::string& replacement) {
    if (find.empty()) return text;
    // A replacement holding find would be found again forever.
    if (replacement.find(find) != std::string::npos) {
        return ReplaceEachOnce(text, find, replacement);
    }
    // Each search starts again at the beginning, so a replacement that forms a new find with
    // the text before it is replaced too. Nothing ends before the first character that could
    // start such a find, so the search resumes there. A shorter replacement always ends; one
    // that is not shorter can form new finds without end ("ab" by "bbaa" in "aab"): past
    // (length + 1)^2 replacements it is taken as endless and each find is replaced once.
    const bool bounded = replacement.size() >= find.size();
    const size_t limit = (text.size() + 1) * (text.size() + 1);
    std::string result = text;
    size_t replaced = 0;
    for (size_t at = result.find(find); at != std::string::npos;
         at = result.find(find, at >= find.size() - 1 ? at - (find.size() - 1) : 0)) {
        if (bounded && replaced++ == limit) return ReplaceEachOnce(text, find, replacement);
        result.replace(at, find.size(), replacement);
    }
    return result;
}

std::vector<std::string> Split(const std::string& text, const std::string& delimiter) {
    std::vector<std::string> parts;
    if (text.empty() || delimiter.empty()) return parts;
    size_t start = 0;
    for (size_t at = text.find(delimiter); at != std::string::npos;
         at = text.find(delimiter, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    if (start < text.size()) parts.push_back(text.substr(start));
    return parts;
}

std::string PadLeft(const std::string& text, char pad, int width) {
    if (width <= static_cast<int>(text.size())) return text;
    return std::string(width - text.size(), pad) + text;
}

std::string PadRight(const std::string& text, char pad, int width) {
    if (width <= static_cast<int>(text.size())) return text;
    return text + std::string(width - text.size(), pad);
}

std::string IntToString(int64_t value, char pad, int width) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%" PRId64, value);
    return PadLeft(digits, pad, width);
}

std::string HexByte(int value) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(value) & 0xFFu);
    return digits;
}

}  // namespace sassorbi
