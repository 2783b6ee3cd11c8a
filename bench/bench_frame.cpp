// Composes and shows 500 whole frames of 800 x 600 with a level's sprites (13 falling
// asteroids of 45 x 63, the 50 x 50 ship, ten static diamonds) through the real game form,
// and reports the median cost of each part of a frame beside the floor (one memcpy of the
// buffer) and a deliberately naive frame. Then measures what sending part of a frame costs
// against sending it whole, and plays the real game: its frames with damage tracking and
// sent whole, and the process's processor share during 20 seconds of play in each mode; then
// the same play scaled twice and in a full-screen window. Run it on a screen of at least
// 1920 x 1200, e.g. Xvfb -screen 0 2560x1440x24.

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/FormGames.h"
#include "bench/PlayBench.h"
#include "game/DamageRegion.h"
#include "game/Sprite.h"
#include "graphics/PixelCopy.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

namespace {

using namespace sassorbi;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFrames = 500;
constexpr int kLoopMilliseconds = 20000;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A picture file of some texture, so nothing compresses or short-cuts.
void WritePicture(const std::string& path, int w, int h, int seed, bool with_holes) {
    std::vector<char> rgb(static_cast<size_t>(w) * h * 3);
    for (int i = 0; i < w * h; ++i) {
        const bool hole = with_holes && ((i % w) < 4 || (i % w) >= w - 4);
        for (int c = 0; c < 3; ++c)
            rgb[i * 3 + c] = hole ? 0 : static_cast<char>(1 + (i * 7 + c * 31 + seed) % 250);
    }
    std::ofstream(path, std::ios::binary)
        .write(rgb.data(), static_cast<std::streamsize>(rgb.size()));
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

// The form the benchmark drives, sending whole frames as without damage tracking.
class BenchForm : public FormGames {
public:
    explicit BenchForm(sassorbi::Screen* screen)
        : FormGames(screen, "bench_frame", kWidth, kHeight) {
        SetFullFrames(true);
    }
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
    for (auto& sprite : level.moving)
        form.AddSprite(sprite.get());
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
    for (size_t i = 0; i < bytes; ++i)
        buffer->data[i] = layer->data[i];
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
                for (int b = 0; b < 3; ++b)
                    out[b] = in[b];
            }
        }
    }
    XPutImage(form.GetDisplay(), form.GetWindow(), gc, buffer, 0, 0, 0, 0, kWidth, kHeight);
    XSync(form.GetDisplay(), False);
}

// The cost of restoring and sending the areas of the buffer until the server has them, the
// median of many rounds.
double SendMs(BenchForm& form, const std::vector<Rect>& areas) {
    XImage* buffer = form.GetScreenBufferImage();
    std::vector<double> samples;
    for (int round = 0; round < 200; ++round) {
        const double t = NowMs();
        for (const Rect& area : areas) {
            CopyRect(*form.GetStaticLayer(), buffer, area.x, area.y, area.w, area.h);
        }
        form.GetScreenBuffer()->Put(form.GetWindow(), form.GetGraphics()->GetContext(), areas);
        XSync(form.GetDisplay(), False);
        samples.push_back(NowMs() - t);
    }
    return Median(samples);
}

// Sixteen rectangles on a 4 x 4 grid covering the given share of the window.
std::vector<Rect> Grid(double share) {
    const double side = std::sqrt(share);
    std::vector<Rect> areas;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            areas.push_back({column * 200, row * 150, static_cast<int>(200 * side + 0.5),
                             static_cast<int>(150 * side + 0.5)});
        }
    }
    return areas;
}

// What one request costs, in pixels sent, and the share of the window above which sending
// the damage costs more than sending the whole frame.
void MeasureBreakEven(BenchForm& form) {
    const double whole_ms = SendMs(form, {{0, 0, kWidth, kHeight}});
    std::vector<Rect> tiles;
    for (int i = 0; i < 64; ++i)
        tiles.push_back({(i % 8) * 100, (i / 8) * 75, 32, 32});
    const double tiles_ms = SendMs(form, tiles);
    const double block_ms = SendMs(form, {{0, 0, 256, 256}});
    const double pixel_ms = whole_ms / (kWidth * kHeight);
    std::printf("whole_send_ms: %.3f\n", whole_ms);
    std::printf("request_cost_pixels: %.0f\n",
                std::max(0.0, (tiles_ms - block_ms) / 63 / pixel_ms));
    int break_even = 100;
    for (int percent = 5; percent <= 100; percent += 5) {
        const double ms = SendMs(form, Grid(percent / 100.0));
        std::printf("send_%d_percent_ms: %.3f\n", percent, ms);
        if (ms >= whole_ms && break_even == 100) break_even = percent;
    }
    std::printf("break_even_share_percent: %d\n", break_even);
}

void MeasureWholeFrames(sassorbi::Screen& screen) {
    BenchForm form(&screen);
    while (form.GetGraphics() == nullptr)
        Application::RunOnce(screen.GetDisplay(), &form, 10);
    form.GetFrameTimer()->Stop();
    form.RenderSfondo("back.bin");
    Level level;
    BuildLevel(form, level);
    form.SetFullRedraw(true);
    std::printf("screen buffer: %s\n",
                form.GetScreenBuffer()->IsShared() ? "MIT-SHM" : "XPutImage");

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
        form.GetScreenBuffer()->Put(form.GetWindow(), form.GetGraphics()->GetContext(),
                                    {{0, 0, kWidth, kHeight}});
        XSync(form.GetDisplay(), False);
        put_ms.push_back(NowMs() - t);
        t = NowMs();
        form.RenderFrame();
        frame_ms.push_back(NowMs() - t);
        t = NowMs();
        NaiveFrame(form, level, naive_buffer.get(), form.GetGraphics()->GetContext());
        naive_ms.push_back(NowMs() - t);
    }
    std::printf("memcpy_ms: %.3f\n", Median(memcpy_ms));
    std::printf("copy_ms: %.3f\n", Median(copy_ms));
    std::printf("sprites_ms: %.3f\n", Median(sprites_ms));
    std::printf("put_ms: %.3f\n", Median(put_ms));
    std::printf("frame_ms: %.3f\n", Median(frame_ms));
    std::printf("naive_frame_ms: %.3f\n", Median(naive_ms));
    MeasureBreakEven(form);
}

// The same play shown twice as large, and in a full-screen window of 1920 x 1080 (which
// needs a screen at least that large; the server clips what lies past its edge).
int MeasureScaledPlay(sassorbi::Screen* screen, double loop_cpu_percent) {
    const bench::PlayFigures twice =
        bench::MeasurePlay(screen, kFrames, kLoopMilliseconds, {2, 0, 0}, false);
    std::printf("play_frame_ms_scale_2: %.3f\n", Median(twice.frames.wall_ms));
    std::printf("play_frame_cpu_ms_scale_2: %.3f\n", Median(twice.frames.cpu_ms));
    std::printf("loop_cpu_percent_scale_2: %.2f\n", twice.loop_cpu_percent);
    std::printf("loop_cpu_scale_2_ratio: %.2f\n", twice.loop_cpu_percent / loop_cpu_percent);
    const bench::PlayFigures full_screen =
        bench::MeasurePlay(screen, kFrames, 0, {1, 1920, 1080}, false);
    std::printf("play_frame_ms_full_screen_1920x1080: %.3f\n",
                Median(full_screen.frames.wall_ms));
    std::printf("play_frame_cpu_ms_full_screen_1920x1080: %.3f\n",
                Median(full_screen.frames.cpu_ms));
    return twice.hits + full_screen.hits;
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
    MeasureWholeFrames(screen);
    const bench::PlayFigures play =
        bench::MeasurePlay(&screen, kFrames, kLoopMilliseconds, {}, true);
    const bench::FrameTimes& damaged = play.frames;
    const bench::FrameTimes& whole = play.full_frames;
    std::printf("play_frame_ms: %.3f\n", Median(damaged.wall_ms));
    std::printf("play_full_frame_ms: %.3f\n", Median(whole.wall_ms));
    std::printf("play_ratio: %.2f\n", Median(damaged.wall_ms) / Median(whole.wall_ms));
    std::printf("play_frame_cpu_ms: %.3f\n", Median(damaged.cpu_ms));
    std::printf("play_full_frame_cpu_ms: %.3f\n", Median(whole.cpu_ms));
    std::printf("play_cpu_ratio: %.2f\n", Median(damaged.cpu_ms) / Median(whole.cpu_ms));
    std::printf("loop_cpu_percent: %.2f\n", play.loop_cpu_percent);
    std::printf("loop_full_cpu_percent: %.2f\n", play.loop_full_cpu_percent);
    int hits = play.hits;
    hits += MeasureScaledPlay(&screen, play.loop_cpu_percent);
    if (hits != 0) std::printf("ticks out of play: %d\n", hits);
    for (const char* file :
         {"back.bin", "rock.bin", "ship.bin", "gem.bin", "joystick.cfg", "log.txt"}) {
        unlink(file);
    }
    rmdir(folder);
    return 0;
}
