#pragma once
// Asks the program whether its event loop still runs: a window manager's ping to its main
// window, answered on the root window. Time the program spends in a sleep of its own does
// not count against it.

#include <X11/Xlib.h>

#include "tests/monkey/Target.h"

namespace sassorbi::monkey {

class Pinger {
public:
    Pinger(Display* display, Target* target);

    // The round trip in milliseconds, its own sleeps left out; -1 when it took over the limit.
    int Ping(Window window, int limit_ms);
    int Longest() const { return longest_ms_; }

private:
    void Send(Window window);
    bool Answered();

    Display* display_;
    Target* target_;
    Atom protocols_;
    Atom ping_;
    long serial_ = 0;
    int longest_ms_ = 0;
};

}  // namespace sassorbi::monkey
