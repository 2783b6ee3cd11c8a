#include "tests/monkey/Pinger.h"

#include <unistd.h>

#include "toolkit/MonotonicClock.h"

namespace sassorbi::monkey {

Pinger::Pinger(Display* display, Target* target)
    : display_(display),
      target_(target),
      protocols_(XInternAtom(display, "WM_PROTOCOLS", False)),
      ping_(XInternAtom(display, "_NET_WM_PING", False)) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
}

int Pinger::Ping(Window window, int limit_ms) {
    Send(window);
    int64_t counted = 0;
    int64_t last = MonotonicMilliseconds();
    while (true) {
        const bool answered = Answered();
        const int64_t now = MonotonicMilliseconds();
        if (!target_->Sleeping()) counted += now - last;
        last = now;
        if (answered) break;
        if (counted > limit_ms || !target_->Alive()) return -1;
        usleep(1000);
    }
    if (counted > longest_ms_) longest_ms_ = static_cast<int>(counted);
    return static_cast<int>(counted);
}

void Pinger::Send(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols_;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping_);
    event.xclient.data.l[1] = ++serial_;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

// Drains what the root window reports; only the answer to the last ping counts.
bool Pinger::Answered() {
    bool answered = false;
    while (XPending(display_) > 0) {
        XEvent event{};
        XNextEvent(display_, &event);
        answered = answered || (event.type == ClientMessage &&
                                static_cast<Atom>(event.xclient.data.l[0]) == ping_ &&
                                event.xclient.data.l[1] == serial_);
    }
    return answered;
}

}  // namespace sassorbi::monkey
