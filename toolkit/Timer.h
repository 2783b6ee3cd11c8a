#pragma once
// An invisible control that calls its callback every time its interval has been counted.
// It has no thread of its own: the event loop advances every timer by 10 ms after each
// quiet wait, so time here is nominal, counted in idle steps.

#include <cstdint>

#include "toolkit/Child.h"

namespace sassorbi {

class Timer : public Child {
public:
    using TickCallback = void (*)(Timer* timer);

    Timer(GUIElement* parent, uint32_t interval_ms);
    ~Timer() override;

    void Create() override;
    // Starts counting; the time already counted is kept.
    void Start();
    void Stop();
    // A running timer restarts at once with the new interval, keeping the time counted.
    void SetInterval(uint32_t interval_ms);
    uint32_t GetInterval() const { return interval_; }
    bool IsRunning() const { return running_; }
    void SetOnTick(TickCallback callback) { on_tick_ = callback; }
    // Calls the callback once, outside the counting, if running.
    void Fire();
    // Counts the given milliseconds; ticks when the interval is reached (the rest is dropped).
    void Advance(uint32_t milliseconds);

private:
    bool running_ = false;
    uint32_t interval_;
    uint32_t elapsed_ = 0;
    TickCallback on_tick_ = nullptr;
};

}  // namespace sassorbi
