#pragma once
// Real play measured through the game itself: level five's thirteen asteroids, ten diamonds
// and the animated ship at the game's own speeds, frame by frame and in the real loop.

#include <vector>

namespace sassorbi {
class Screen;
}

namespace bench {

// Wall time, and the processor time of the game's thread, which the other work on a busy
// machine does not inflate.
struct FrameTimes {
    std::vector<double> wall_ms;
    std::vector<double> cpu_ms;
};

struct PlayFigures {
    FrameTimes frames;       // frames sending only the damage
    FrameTimes full_frames;  // the same frames sent whole
    double loop_cpu_percent = 0;
    double loop_full_cpu_percent = 0;
    int hits = 0;  // frames that were not plain play (there should be none)
};

// Runs in the current folder, into which it copies the game's data.
PlayFigures MeasurePlay(sassorbi::Screen* screen, int frames, int loop_milliseconds);

}  // namespace bench
