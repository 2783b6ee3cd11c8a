// Composes and shows 500 frames of 800 x 600 with a level's sprites (13 falling asteroids of
// 45 x 63, the 50 x 50 ship, ten static diamonds) through the real game form, and reports
// the median cost of each part of a frame beside the floor (one memcpy of the buffer) and a
// deliberately naive frame. Then runs the real loop at the game's pace for 20 seconds and
// reports the process's processor share.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/FormGames.h"
#include "graphics/PixelCopy.h"
#include "game/Sprite.h"
#include "toolkit/Application.h"
#include "toolkit/MonotonicClock.h"
#include "toolkit/Screen.h"

namespace {

using namespace sassorbi;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFrames = 500;
constexpr int64_t kLoopMilliseconds = 20000;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A picture file of some texture, so nothing compresses or short-cuts.
void WritePicture(const std::string& path, int w, int h, int seed, bool with_holes) {
    std::vector<char> rgb(static_cast<size_t>(w) * h * 3);
    for (int i = 0; i < w * h; ++i) {
        const bool hole = with_holes && ((i % w) < 4 || (i % w) >= w - 4);
        for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = hole ? 0 : static_cast<char>(1 + (i * 7 + c * 31 + seed) % 250);
    }
    std::ofstream(path, std::ios::binary).write(rgb.data(), static_cast<std::streamsize>(rgb.size()));
}

struct Level {
    ClientImage rock_strip, ship_strip, gem_strip;
    std::vector<std::unique_ptr<Sprite>> moving;
    std::vector<std::unique_ptr<Sprite>> diamonds;
};

class StaticSprite : public Sprite {
public:
    StaticSprite(FormGames* owner, XImage* strip, int w, int h) : Sprite(owner, strip, w, h) {
        SetStatic(true);
    }
};

// The form the benchmark drives; during the loop its asteroids fall as in the game.
class BenchForm : public FormGames {
public:
    explicit BenchForm(sassorbi::Screen* screen) : FormGames(screen, "bench_frame", kWidth, kHeight) {}
    void OnUserMessage() override {
        if (level != nullptr && ++ticks % 3 == 0) {
            for (auto& sprite : level->moving) {
                sprite->SetPosition(sprite->GetX(), (sprite->GetY() + 4) % kHeight);
            }
        }
        if (MonotonicMilliseconds() >= end_ms) Application::RequestQuit();
        FormGames::OnUserMessage();
    }
    Level* level = nullptr;
    int64_t end_ms = 0;
    int ticks = 0;
};

void BuildLevel(BenchForm& form, Level& level) {
    int64_t size = 0;
    form.LoadImageFile("rock.bin", 45, 640, &level.rock_strip, &size);
    form.LoadImageFile("ship.bin", 50, 399, &level.ship_strip, &size);
    form.LoadImageFile("gem.bin", 32, 32, &level.gem_strip, &size);
    for (int i = 0; i < 10; ++i) {
        auto gem = std::make_unique<StaticSprite>(&form, level.gem_strip.get(), 32, 32);
        gem->SetPosition(40 + i * 72, 420);
        gem->Draw(form.GetGraphics());
        level.diamonds.push_back(std::move(gem));
    }
    for (int i = 0; i < 13; ++i) {
        auto rock = std::make_unique<Sprite>(&form, level.rock_strip.get(), 45, 63);
        rock->SetPosition(10 + i * 60, (i * 97) % kHeight);
        rock->SetFrame(i % 5);
        level.moving.push_back(std::move(rock));
    }
    auto ship = std::make_unique<Sprite>(&form, level.ship_strip.get(), 50, 50);
    ship->SetPosition(375, 540);
    level.moving.push_back(std::move(ship));
    for (auto& sprite : level.moving) form.AddSprite(sprite.get());
}

void MoveAll(Level& level, int frame) {
    for (size_t i = 0; i < level.moving.size(); ++i) {
        Sprite& sprite = *level.moving[i];
        sprite.SetPosition(sprite.GetX(), (sprite.GetY() + 4) % kHeight);
        if (i < 13) sprite.SetFrame((frame / 3 + static_cast<int>(i)) % 5);
    }
}

// The naive frame: a byte-by-byte layer copy, byte-wise keyed sprites, plain XPutImage.
void NaiveFrame(BenchForm& form, Level& level, XImage* buffer, GC gc) {
    const XImage* layer = form.GetStaticLayer();
    const size_t bytes = static_cast<size_t>(layer->bytes_per_line) * layer->height;
    for (size_t i = 0; i < bytes; ++i) buffer->data[i] = layer->data[i];
    for (auto& sprite : level.moving) {
        XImage* strip = sprite.get() == level.moving.back().get() ? level.ship_strip.get()
                                                                   : level.rock_strip.get();
        const int top = sprite->GetFrame() * sprite->GetHeight();
        for (int row = 0; row < sprite->GetHeight(); ++row) {
            for (int column = 0; column < sprite->GetWidth(); ++column) {
                const int x = sprite->GetX() + column, y = sprite->GetY() + row;
                if (x < 0 || y < 0 || x >= kWidth || y >= kHeight || top + row >= strip->height) {
                    continue;
                }
                const char* in = strip->data + (top + row) * strip->bytes_per_line + column * 4;
                char* out = buffer->data + y * buffer->bytes_per_line + x * 4;
                if (in[0] == 0 && in[1] == 0 && in[2] == 0) continue;
                for (int b = 0; b < 3; ++b) out[b] = in[b];
            }
        }
    }
    XPutImage(form.GetDisplay(), form.GetWindow(), gc, buffer, 0, 0, 0, 0, kWidth, kHeight);
    XSync(form.GetDisplay(), False);
}

}  // namespace

int main() {
    char folder[] = "/tmp/bench_frame_XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0) return 1;
    WritePicture("back.bin", kWidth, kHeight, 3, false);
    WritePicture("rock.bin", 45, 640, 5, true);
    WritePicture("ship.bin", 50, 399, 9, true);
    WritePicture("gem.bin", 32, 32, 11, true);

    sassorbi::Screen screen("bench_frame");
    if (screen.HasError()) return 1;
    BenchForm form(&screen);
    while (form.GetGraphics() == nullptr) Application::RunOnce(screen.GetDisplay(), &form, 10);
    form.GetFrameTimer()->Stop();
    form.RenderSfondo("back.bin");
    Level level;
    BuildLevel(form, level);
    form.SetFullRedraw(true);
    std::printf("screen buffer: %s\n", form.GetScreenBuffer()->IsShared() ? "MIT-SHM" : "XPutImage");

    XImage* buffer = form.GetScreenBufferImage();
    const size_t bytes = static_cast<size_t>(buffer->bytes_per_line) * buffer->height;
    std::vector<char> scratch(bytes);
    std::vector<double> memcpy_ms, copy_ms, sprites_ms, put_ms, frame_ms, naive_ms;
    const ClientImage naive_buffer =
        MyImage::CreateBlankImage(screen.GetDisplay(), 0, kWidth, kHeight);
    for (int frame = 0; frame < kFrames; ++frame) {
        MoveAll(level, frame);
        double t = NowMs();
        std::memcpy(scratch.data(), form.GetStaticLayer()->data, bytes);
        memcpy_ms.push_back(NowMs() - t);
        t = NowMs();
        CopyImage(*form.GetStaticLayer(), buffer);
        copy_ms.push_back(NowMs() - t);
        t = NowMs();
        form.SetFullRedraw(false);
        for (auto& sprite : level.moving) {
            sprite->ForgetOldPosition();
            sprite->Draw(form.GetGraphics());
        }
        form.SetFullRedraw(true);
        sprites_ms.push_back(NowMs() - t);
        t = NowMs();
        form.GetScreenBuffer()->Put(form.GetWindow(), form.GetGraphics()->GetContext());
        put_ms.push_back(NowMs() - t);
        t = NowMs();
        form.RenderFrame();
        frame_ms.push_back(NowMs() - t);
        t = NowMs();
        NaiveFrame(form, level, naive_buffer.get(), form.GetGraphics()->GetContext());
        naive_ms.push_back(NowMs() - t);
    }

    form.level = &level;
    form.end_ms = MonotonicMilliseconds() + kLoopMilliseconds;
    const double cpu_start = CpuSeconds();
    const double wall_start = NowMs();
    form.GetFrameTimer()->Start();
    Application::Run(&form);
    const double loop_cpu = 100.0 * (CpuSeconds() - cpu_start) / ((NowMs() - wall_start) / 1000.0);

    std::printf("memcpy_ms: %.3f\n", Median(memcpy_ms));
    std::printf("copy_ms: %.3f\n", Median(copy_ms));
    std::printf("sprites_ms: %.3f\n", Median(sprites_ms));
    std::printf("put_ms: %.3f\n", Median(put_ms));
    std::printf("frame_ms: %.3f\n", Median(frame_ms));
    std::printf("naive_frame_ms: %.3f\n", Median(naive_ms));
    std::printf("loop_cpu_percent: %.2f\n", loop_cpu);
    for (const char* file : {"back.bin", "rock.bin", "ship.bin", "gem.bin", "joystick.cfg"}) {
        unlink(file);
    }
    rmdir(folder);
    return 0;
}
