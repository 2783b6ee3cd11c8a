#pragma once
// Real play measured through the game itself: level five's thirteen asteroids, ten diamonds
// and the animated ship at the game's own speeds, frame by frame and in the real loop.

#include <vector>

namespace sassorbi {
class Screen;
}

namespace bench {

struct PlayFigures {
    std::vector<double> frame_ms;       // frames sending only the damage
    std::vector<double> full_frame_ms;  // the same frames sent whole
    double loop_cpu_percent = 0;
    double loop_full_cpu_percent = 0;
    int hits = 0;  // frames that were not plain play (there should be none)
};

// Runs in the current folder, into which it copies the game's data.
PlayFigures MeasurePlay(sassorbi::Screen* screen, int frames, int loop_milliseconds);

}  // namespace bench
