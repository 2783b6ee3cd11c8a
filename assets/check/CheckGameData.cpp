// Checks the generated Data folder: sizes, colour keys of pictures and sprites, the window
// icon, WAV headers.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/SpriteTable.h"

namespace sassorbi {

namespace {

using Bytes = std::vector<uint8_t>;

int failures = 0;

void Expect(bool ok, const std::string& file, const char* what) {
    if (ok) return;
    std::printf("FAIL %s: %s\n", file.c_str(), what);
    ++failures;
}

Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsKey(const Bytes& rgb, size_t pixel) {
    return rgb[pixel * 3] == 0 && rgb[pixel * 3 + 1] == 0 && rgb[pixel * 3 + 2] == 0;
}

void CheckPicture(const std::string& folder, const std::string& name) {
    const Bytes rgb = Read(folder + "/" + name);
    Expect(rgb.size() == 800u * 600 * 3, name, "size is not 800 x 600 x 3");
    bool has_key = false;
    for (size_t p = 0; p < rgb.size() / 3; ++p)
        has_key = has_key || IsKey(rgb, p);
    Expect(!has_key, name, "contains pure black");
}

// Every frame shows something, and every black pixel is background reachable from the edge
// (a black hole inside a sprite would show the scene through it).
void CheckSprite(const std::string& folder, const StripSpec& strip) {
    const std::string name = strip.file;
    const int w = strip.width, h = strip.height, frame_h = strip.frame_height;
    const Bytes rgb = Read(folder + "/" + name);
    Expect(rgb.size() == static_cast<size_t>(w) * h * 3, name, "wrong size");
    if (rgb.size() != static_cast<size_t>(w) * h * 3) return;
    for (int f = 0; f < strip.frames; ++f) {
        int visible = 0;
        for (int y = f * frame_h; y < std::min(h, (f + 1) * frame_h); ++y) {
            for (int x = 0; x < w; ++x)
                visible += !IsKey(rgb, static_cast<size_t>(y) * w + x);
        }
        Expect(visible > frame_h * w / 8, name, "a frame is nearly empty");
    }
    std::vector<bool> outside(static_cast<size_t>(w) * h, false);
    std::vector<int> stack;
    for (int i = 0; i < w * h; ++i) {
        const int x = i % w, y = i / w;
        if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && IsKey(rgb, i)) stack.push_back(i);
    }
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        if (outside[i] || !IsKey(rgb, i)) continue;
        outside[i] = true;
        const int x = i % w, y = i / w;
        if (x > 0) stack.push_back(i - 1);
        if (x < w - 1) stack.push_back(i + 1);
        if (y > 0) stack.push_back(i - w);
        if (y < h - 1) stack.push_back(i + w);
    }
    bool holes = false;
    for (int i = 0; i < w * h; ++i)
        holes = holes || (IsKey(rgb, i) && !outside[i]);
    Expect(!holes, name, "pure black inside the sprite");
}

uint32_t Le(const Bytes& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | b[at + i];
    return value;
}

void CheckWav(const std::string& folder, const std::string& name, double min_s, double max_s) {
    const Bytes wav = Read(folder + "/" + name);
    Expect(wav.size() > 44, name, "too short for a WAV file");
    if (wav.size() <= 44) return;
    const std::string head(wav.begin(), wav.begin() + 44);
    const uint32_t rate = Le(wav, 24, 4);
    Expect(head.substr(0, 4) == "RIFF" && head.substr(8, 8) == "WAVEfmt ", name, "not RIFF WAVE");
    Expect(Le(wav, 4, 4) == wav.size() - 8, name, "RIFF size field");
    Expect(Le(wav, 16, 4) == 16 && Le(wav, 20, 2) == 1 && Le(wav, 22, 2) == 1, name,
           "not 16-byte fmt, PCM, mono");
    Expect(rate == 22050 || rate == 44100, name, "sample rate");
    Expect(Le(wav, 28, 4) == rate * 2 && Le(wav, 32, 2) == 2 && Le(wav, 34, 2) == 16, name,
           "not 16-bit");
    Expect(head.substr(36, 4) == "data" && Le(wav, 40, 4) == wav.size() - 44, name, "data chunk");
    const double seconds = (wav.size() - 44) / 2.0 / rate;
    Expect(seconds >= min_s && seconds <= max_s, name, "unexpected length");
}

// The window icon: the four sizes in order, each with see-through corners and an opaque middle.
void CheckIcon(const std::string& folder, const std::string& name) {
    const Bytes icon = Read(folder + "/" + name);
    size_t at = 0;
    for (uint32_t size : {16u, 32u, 48u, 64u}) {
        const size_t bytes = 8 + static_cast<size_t>(size) * size * 4;
        Expect(icon.size() >= at + bytes, name, "an icon size is missing");
        if (icon.size() < at + bytes) return;
        Expect(Le(icon, at, 4) == size && Le(icon, at + 4, 4) == size, name, "unexpected size");
        auto alpha = [&](uint32_t x, uint32_t y) { return icon[at + 8 + (y * size + x) * 4 + 3]; };
        Expect(alpha(0, 0) == 0 && alpha(size - 1, size - 1) == 0, name, "opaque corners");
        Expect(alpha(size / 2, size / 2) == 255, name, "a see-through middle");
        at += bytes;
    }
    Expect(icon.size() == at, name, "bytes after the last size");
}

}  // namespace

}  // namespace sassorbi

int main(int argc, char** argv) {
    using namespace sassorbi;
    if (argc != 2) {
        std::printf("usage: check_game_data DATA_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const char* name :
         {"logo.bin", "sanmartino2.bin", "cattedrale.bin", "chiesacerreto.bin", "palazzogenio.bin",
          "santuario.bin", "livello.bin", "replay.bin", "gameover.bin"}) {
        CheckPicture(folder, name);
    }
    for (const StripSpec* strip : kSpriteStrips)
        CheckSprite(folder, *strip);
    CheckIcon(folder, "icona.argb");
    CheckWav(folder, "ding.wav", 0.15, 0.4);
    CheckWav(folder, "urlo.wav", 0.7, 1.5);
    CheckWav(folder, "beep.wav", 0.05, 0.2);
    std::printf("%s\n", failures ? "game data: FAILED" : "game data: all files valid");
    return failures ? 1 : 0;
}
