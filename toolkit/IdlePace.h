#pragma once
// Keeps the loop's quiet waits on the 10 ms marks of the monotonic clock, so that on an
// idle machine the timers' nominal 10 ms steps match real time. Missed marks are never
// caught up: after work overran a mark, the next one is a full step from now.

#include <cstdint>

namespace sassorbi {

class IdlePace {
public:
    static constexpr int64_t kStepMilliseconds = 10;

    // How long to wait for the next mark, starting afresh when it has already passed.
    int64_t MillisecondsToMark(int64_t now) {
        if (next_mark_ == 0 || now >= next_mark_) next_mark_ = now + kStepMilliseconds;
        return next_mark_ - now;
    }
    // The wait reached its mark: the following one is a step later.
    void MarkReached() { next_mark_ += kStepMilliseconds; }

private:
    int64_t next_mark_ = 0;
};

}  // namespace sassorbi
