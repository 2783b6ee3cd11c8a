#include "bench/PlayBench.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <algorithm>

#include "game/FormMain.h"
#include "toolkit/Application.h"
#include "toolkit/MonotonicClock.h"
#include "toolkit/Screen.h"
#include "util/Random.h"

namespace bench {
namespace {

using namespace sassorbi;

constexpr unsigned kSeed = 20261207;
constexpr int kLevel = 5;  // the level with thirteen asteroids
// The ship waits at the right edge; the asteroids fall left of it and never end the play.
constexpr int kShipX = 750;
constexpr int kAsteroidMaxX = 680;
// Frames come 60 ms apart in play; a few milliseconds are enough for the server to finish.
constexpr useconds_t kServerMicroseconds = 3000;
// The two ways of sending take turns in rounds, so a change in the machine's load between
// them does not pass for a difference between them.
constexpr int kRounds = 10;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The game with its pauses skipped, its frames timed and an end to the loop.
class BenchGame : public FormMain {
public:
    BenchGame(sassorbi::Screen* screen, int scale)
        : FormMain(screen, "bench_frame play", scale) {}

    void Pause(int) override {}
    void RenderFrame() override {
        const double start = NowMs(), cpu_start = ThreadCpuMs();
        FormMain::RenderFrame();
        if (samples == nullptr) return;
        XSync(GetDisplay(), False);
        samples->cpu_ms.push_back(ThreadCpuMs() - cpu_start);
        samples->wall_ms.push_back(NowMs() - start);
    }
    void OnUserMessage() override {
        FormMain::OnUserMessage();
        if (GetState() != GameState::Playing) ++hits;
    }

    // The same level from the same seed, so both modes see the same frames.
    void StartLevel() {
        if (GetState() == GameState::Title) KeyCharHook('G');
        hits = 0;
        std::srand(kSeed);
        SetLevel(kLevel);
        NewGame();
        GetPlayer()->SetPosition(kShipX, GetPlayer()->GetY());
        for (const auto& asteroid : GetAsteroids()) {
            asteroid->MaxX = kAsteroidMaxX;
            if (asteroid->GetX() > kAsteroidMaxX) {
                asteroid->SetPosition(asteroid->GetX() - 200, asteroid->GetY());
            }
        }
    }

    FrameTimes* samples = nullptr;
    int hits = 0;
};

// Frames composed from ticks given by hand: six ticks a frame, as the timer gives them, and
// between frames the server's time and the loop's look at the connection, as in play.
FrameTimes TimeFrames(BenchGame* game, bool full, int frames) {
    FrameTimes samples;
    game->SetFullFrames(full);
    game->StartLevel();
    game->samples = &samples;
    while (static_cast<int>(samples.wall_ms.size()) < frames) {
        const size_t before = samples.wall_ms.size();
        game->OnUserMessage();
        if (samples.wall_ms.size() == before) continue;
        usleep(kServerMicroseconds);
        XPending(game->GetDisplay());
    }
    game->samples = nullptr;
    return samples;
}

// The real loop's turns at the game's pace; the processor share of the whole process.
double LoopCpuPercent(BenchGame* game, bool full, int milliseconds) {
    game->SetFullFrames(full);
    game->StartLevel();
    Display* display = game->GetDisplay();
    const int64_t end_ms = MonotonicMilliseconds() + milliseconds;
    const double cpu_start = CpuSeconds(), wall_start = NowMs();
    game->GetFrameTimer()->Start();
    while (MonotonicMilliseconds() < end_ms)
        Application::RunOnce(display, game, -1);
    game->GetFrameTimer()->Stop();
    return 100.0 * (CpuSeconds() - cpu_start) / ((NowMs() - wall_start) / 1000.0);
}

void Append(const FrameTimes& more, FrameTimes* times) {
    times->wall_ms.insert(times->wall_ms.end(), more.wall_ms.begin(), more.wall_ms.end());
    times->cpu_ms.insert(times->cpu_ms.end(), more.cpu_ms.begin(), more.cpu_ms.end());
}

// Without a window manager the window takes the size asked for at once; the game places its
// frame for the new size when the loop has handled the server's notice of it, as it would
// for full screen.
void ShowIn(BenchGame* game, const Presentation& presentation) {
    if (presentation.window_width == 0) return;
    XResizeWindow(game->GetDisplay(), game->GetWindow(),
                  static_cast<unsigned>(presentation.window_width),
                  static_cast<unsigned>(presentation.window_height));
    const int64_t end_ms = MonotonicMilliseconds() + 5000;
    while ((game->GetWidth() != presentation.window_width ||
            game->GetHeight() != presentation.window_height) &&
           MonotonicMilliseconds() < end_ms) {
        Application::RunOnce(game->GetDisplay(), game, 10);
    }
    if (game->GetScaler() == nullptr) std::printf("the window did not take the size asked for\n");
}

}  // namespace

PlayFigures MeasurePlay(sassorbi::Screen* screen, int frames, int loop_milliseconds,
                        const Presentation& presentation, bool compare_full) {
    std::filesystem::remove_all("Data");
    std::filesystem::copy(SASSORBI_GAME_DIR "/Data", "Data",
                          std::filesystem::copy_options::recursive);
    Random(0, 1);  // seeds from the clock once; the level's seed comes after
    PlayFigures figures;
    {
        BenchGame game(screen, presentation.scale);
        while (game.GetState() != GameState::Title)
            Application::RunOnce(screen->GetDisplay(), &game, 10);
        ShowIn(&game, presentation);
        game.GetFrameTimer()->Stop();
        const int per_round = std::max(1, frames / kRounds);
        for (int round = 0; round < kRounds; ++round) {
            Append(TimeFrames(&game, false, per_round), &figures.frames);
            figures.hits += game.hits;
            if (!compare_full) continue;
            Append(TimeFrames(&game, true, per_round), &figures.full_frames);
            figures.hits += game.hits;
        }
        if (loop_milliseconds > 0) {
            figures.loop_cpu_percent = LoopCpuPercent(&game, false, loop_milliseconds);
            figures.hits += game.hits;
        }
        if (loop_milliseconds > 0 && compare_full) {
            figures.loop_full_cpu_percent = LoopCpuPercent(&game, true, loop_milliseconds);
            figures.hits += game.hits;
        }
    }
    std::filesystem::remove_all("Data");
    return figures;
}

}  // namespace bench
