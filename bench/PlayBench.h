#pragma once
// Real play measured through the game itself: level five's thirteen asteroids, ten diamonds
// and the animated ship at the game's own speeds, frame by frame and in the real loop.

#include <vector>

namespace sassorbi {
class Screen;
}

namespace bench {

// Wall time until the server has shown the frame (the put is the server's work, done after
// RenderFrame returns), and the processor time of the game's thread, which the other work
// on a busy machine does not inflate.
struct FrameTimes {
    std::vector<double> wall_ms;
    std::vector<double> cpu_ms;
};

// How the frame reaches the window: at a whole scale factor, or in a window of a size of its
// own (as full screen gives it) where the largest factor that fits is centred.
struct Presentation {
    int scale = 1;
    int window_width = 0;  // 0: the window is the scaled frame
    int window_height = 0;
};

struct PlayFigures {
    FrameTimes frames;       // frames sending only the damage
    FrameTimes full_frames;  // the same frames sent whole, measured in turns with the others
    double loop_cpu_percent = 0;
    double loop_full_cpu_percent = 0;
    int hits = 0;  // frames that were not plain play (there should be none)
};

// Runs in the current folder, into which it copies the game's data. With compare_full, whole
// frames are timed in turns with the damaged ones; loop_milliseconds 0 skips the loop.
PlayFigures MeasurePlay(sassorbi::Screen* screen, int frames, int loop_milliseconds,
                        const Presentation& presentation, bool compare_full);

}  // namespace bench
