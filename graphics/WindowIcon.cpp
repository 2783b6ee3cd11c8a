#include "graphics/WindowIcon.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include "util/Files.h"
#include "util/Log.h"

namespace sassorbi {
namespace {

// Window managers show icons of a few dozen pixels; a larger side is a damaged file.
constexpr uint64_t kMaxSide = 1024;
constexpr int64_t kMaxFileBytes = 16 << 20;

std::vector<unsigned long> Words(const std::string& bytes) {
    std::vector<unsigned long> words(bytes.size() / 4);
    for (size_t i = 0; i < words.size(); ++i) {
        for (int b = 3; b >= 0; --b)
            words[i] = words[i] << 8 | static_cast<unsigned char>(bytes[i * 4 + b]);
    }
    return words;
}

// Whether the words are whole images, each with a sensible size, and nothing after them.
bool AreImages(const std::vector<unsigned long>& words) {
    uint64_t at = 0;
    while (at < words.size()) {
        if (words.size() - at < 2) return false;
        const uint64_t width = words[at], height = words[at + 1];
        if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;
        if (words.size() - at - 2 < width * height) return false;
        at += 2 + width * height;
    }
    return !words.empty();
}

}  // namespace

std::vector<unsigned long> ReadWindowIcon(const std::string& path) {
    if (!FileExists(path)) {
        WriteLogString(path + ": non trovato");
        return {};
    }
    const int64_t size = FileSize(path);
    std::string bytes;
    if (size <= kMaxFileBytes && size % 4 == 0) {
        std::ifstream file(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), {});
    }
    std::vector<unsigned long> words = Words(bytes);
    if (bytes.size() != static_cast<uint64_t>(size) || !AreImages(words)) {
        WriteLogString("Icona non valida: " + path);
        return {};
    }
    return words;
}

}  // namespace sassorbi
