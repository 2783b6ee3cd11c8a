#include "graphics/WindowIcon.h"

#include <cstdint>
#include <fstream>
#include <sys/stat.h>

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
    // Only a regular file is read, and never past the size it had: a pipe in its place would
    // block the game's start, a device such as /dev/zero would never end.
    struct stat info {};
    std::string bytes;
    bool whole = false;
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxFileBytes &&
        info.st_size % 4 == 0) {
        const auto size = static_cast<size_t>(info.st_size);
        std::ifstream file(path, std::ios::binary);
        bytes.resize(size + 1);
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        // One byte more than the size would be a file that grew meanwhile.
        whole = static_cast<size_t>(file.gcount()) == size;
        bytes.resize(static_cast<size_t>(file.gcount()));
    }
    std::vector<unsigned long> words = Words(bytes);
    if (!whole || !AreImages(words)) {
        WriteLogString("Icona non valida: " + path);
        return {};
    }
    return words;
}

}  // namespace sassorbi
