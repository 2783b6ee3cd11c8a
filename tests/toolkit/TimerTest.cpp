// Timers count the loop's quiet 10 ms waits.

#include <gtest/gtest.h>

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <ctime>
#include <memory>
#include <thread>

#include "tests/support/XHarness.h"
#include "toolkit/Application.h"
#include "toolkit/MonotonicClock.h"
#include "toolkit/Timer.h"

namespace sassorbi::testing {
namespace {

int g_ticks = 0;
void CountTick(Timer*) {
    ++g_ticks;
}

volatile sig_atomic_t g_signals = 0;
void CountSignal(int) {
    g_signals = g_signals + 1;
}

// Interrupts the calling thread with SIGUSR1 every 2 ms while it lives; the handler does
// nothing but count, and is installed without SA_RESTART, so a wait underway fails with EINTR.
class SignalStorm {
public:
    SignalStorm() : target_(pthread_self()) {
        struct sigaction action {};
        action.sa_handler = CountSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(SIGUSR1, &action, &previous_);
        sender_ = std::thread([this] {
            while (!stop_) {
                pthread_kill(target_, SIGUSR1);
                usleep(2000);
            }
        });
    }
    ~SignalStorm() {
        stop_ = true;
        sender_.join();
        sigaction(SIGUSR1, &previous_, nullptr);
    }
    SignalStorm(const SignalStorm&) = delete;
    SignalStorm& operator=(const SignalStorm&) = delete;

private:
    pthread_t target_;
    struct sigaction previous_ {};
    std::atomic<bool> stop_{false};
    std::thread sender_;
};

class TimerTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        g_ticks = 0;
        form = MakeForm(0, 0, 50, 50);
    }

    // Quiet waits until the next tick, at most max_waits.
    int WaitsUntilTick(int max_waits = 20) {
        const int start = g_ticks;
        for (int waits = 1; waits <= max_waits; ++waits) {
            RunIdleWaits(1);
            if (g_ticks > start) return waits;
        }
        return -1;
    }

    struct IdleRun {
        double cpu_share;  // of the wall time
        int turns;         // of the loop
    };

    // The real loop for two seconds with nothing to do; an event from another connection
    // wakes a loop that blocks at the end.
    IdleRun RunTwoIdleSeconds() {
        const Window window = form->GetWindow();
        std::thread waker([window] {
            usleep(2100 * 1000);
            Display* other = XOpenDisplay(nullptr);
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.format = 32;
            event.xclient.data.l[0] = 2;  // no message of the loop's: ignored
            XSendEvent(other, window, False, NoEventMask, &event);
            XCloseDisplay(other);
        });
        const int64_t start = MonotonicMilliseconds();
        const double cpu_start = CpuSeconds();
        IdleRun run{0, 0};
        for (; MonotonicMilliseconds() - start < 2000; ++run.turns)
            Application::RunOnce(display(), nullptr, -1);
        run.cpu_share = (CpuSeconds() - cpu_start) * 1000 / (MonotonicMilliseconds() - start);
        waker.join();
        return run;
    }

    static double CpuSeconds() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }

    std::unique_ptr<Form> form;
};

// A busy loop takes all the processor it is given and turns thousands of times; an idle
// one waits in the kernel: once for the waking event, or once per 10 ms tick.
TEST_F(TimerTest, TheIdleLoopSleepsWithoutATimerAndBetweenTheTicksOfOne) {
    Settle();
    const IdleRun without = RunTwoIdleSeconds();
    EXPECT_LT(without.cpu_share, 0.2);
    EXPECT_LT(without.turns, 20);

    Timer timer(form.get(), 10);
    timer.SetOnTick(CountTick);
    timer.Start();
    const IdleRun with = RunTwoIdleSeconds();
    EXPECT_LT(with.cpu_share, 0.2);
    EXPECT_LT(with.turns, 400) << "nominally 200";
    EXPECT_GT(g_ticks, 20) << "the timer ran meanwhile";
}

// A signal that interrupts the wait neither ends it early nor counts as a step: the loop
// waits again for what is left. Each step ends on its 10 ms mark, so the ten steps of a
// 100 ms timer cannot pass in less than the nine marks after the first.
TEST_F(TimerTest, ASignalDuringTheWaitNeitherCutsItShortNorStopsTheTicks) {
    Settle();
    Timer timer(form.get(), 100);
    timer.SetOnTick(CountTick);
    g_signals = 0;
    SignalStorm storm;
    const int64_t start = MonotonicMilliseconds();
    timer.Start();
    EXPECT_EQ(WaitsUntilTick(), 10);
    EXPECT_GE(MonotonicMilliseconds() - start, 90) << "interrupted waits were cut short";
    EXPECT_EQ(WaitsUntilTick(), 10) << "the timer goes on ticking";
    EXPECT_EQ(g_ticks, 2);
    EXPECT_GT(g_signals, 0) << "the waits were interrupted";
}

TEST_F(TimerTest, AnIntervalOf30FiresOnTheThirdQuietWait) {
    Timer timer(form.get(), 30);
    timer.SetOnTick(CountTick);
    timer.Start();
    EXPECT_EQ(WaitsUntilTick(), 3);
    EXPECT_EQ(WaitsUntilTick(), 3) << "the count starts again from zero";
}

TEST_F(TimerTest, StopAndStartKeepTheTimeAlreadyCounted) {
    Timer timer(form.get(), 30);
    timer.SetOnTick(CountTick);
    timer.Start();
    RunIdleWaits(2);
    timer.Stop();
    RunIdleWaits(5);
    EXPECT_EQ(g_ticks, 0) << "a stopped timer never ticks";
    timer.Start();
    EXPECT_EQ(WaitsUntilTick(), 1);
}

TEST_F(TimerTest, SetIntervalOnARunningTimerKeepsCounting) {
    Timer timer(form.get(), 30);
    timer.SetOnTick(CountTick);
    timer.Start();
    RunIdleWaits(2);
    timer.SetInterval(50);
    EXPECT_TRUE(timer.IsRunning());
    EXPECT_EQ(WaitsUntilTick(), 3);
}

TEST_F(TimerTest, SmallAndZeroIntervalsFireAtEveryWait) {
    Timer zero(form.get(), 0);
    zero.SetOnTick(CountTick);
    zero.Start();
    RunIdleWaits(4);
    EXPECT_EQ(g_ticks, 4);
}

// The 5 ms counted past the interval are dropped, not carried into the next period.
TEST_F(TimerTest, AnIntervalOf15FiresAtEverySecondWait) {
    Timer timer(form.get(), 15);
    timer.SetOnTick(CountTick);
    timer.Start();
    EXPECT_EQ(WaitsUntilTick(), 2);
    EXPECT_EQ(WaitsUntilTick(), 2);
    EXPECT_EQ(WaitsUntilTick(), 2);
}

TEST_F(TimerTest, FireCallsOnlyARunningTimer) {
    Timer timer(form.get(), 1000);
    timer.SetOnTick(CountTick);
    timer.Fire();
    EXPECT_EQ(g_ticks, 0);
    timer.Start();
    timer.Fire();
    EXPECT_EQ(g_ticks, 1);
}

Timer* g_other = nullptr;
void DestroyBothTimers(Timer* timer) {
    ++g_ticks;
    delete g_other;
    delete timer;
}

TEST_F(TimerTest, ATickMayDestroyItsOwnTimerAndAnotherAndTheLoopStopsTicking) {
    auto* first = new Timer(form.get(), 10);
    g_other = new Timer(form.get(), 10);
    g_other->SetOnTick(CountTick);
    first->SetOnTick(DestroyBothTimers);
    first->Start();
    g_other->Start();
    RunIdleWaits(1);
    EXPECT_EQ(g_ticks, 1) << "the destroyed second timer was not ticked";
    EXPECT_EQ(Application::TimerCount(), 0u);
    EXPECT_NE(Application::RunOnce(display(), nullptr, 30), Application::TurnResult::kTick);
}

Timer* g_nested[3] = {};
int g_nested_ticks[3] = {};
Form* g_nested_form = nullptr;

void CountNestedTick(Timer* timer) {
    for (int i = 0; i < 3; ++i) {
        if (g_nested[i] == timer) ++g_nested_ticks[i];
    }
}

// The first tick creates a third timer and then ticks the timers itself, as a tick that turns
// the loop would.
void TickAgainWithANewTimer(Timer* timer) {
    CountNestedTick(timer);
    if (g_nested[2] != nullptr) return;
    g_nested[2] = new Timer(g_nested_form, 10);
    g_nested[2]->SetOnTick(CountNestedTick);
    g_nested[2]->Start();
    Application::TickTimers(10);
}

TEST_F(TimerTest, ATickThatTicksTheTimersAgainLeavesTheOuterWalkWhole) {
    g_nested_form = form.get();
    Timer first(form.get(), 10);
    Timer second(form.get(), 10);
    g_nested[0] = &first;
    g_nested[1] = &second;
    g_nested[2] = nullptr;
    for (int& ticks : g_nested_ticks)
        ticks = 0;
    first.SetOnTick(TickAgainWithANewTimer);
    second.SetOnTick(CountNestedTick);
    first.Start();
    second.Start();
    Application::TickTimers(10);
    const std::unique_ptr<Timer> third(g_nested[2]);
    ASSERT_NE(third, nullptr);
    // The inner walk ticks all three, then the outer one goes on with the second.
    EXPECT_EQ(g_nested_ticks[0], 2);
    EXPECT_EQ(g_nested_ticks[1], 2);
    EXPECT_EQ(g_nested_ticks[2], 1);
    Application::TickTimers(10);
    EXPECT_EQ(g_nested_ticks[0], 3);
    EXPECT_EQ(g_nested_ticks[1], 3);
    EXPECT_EQ(g_nested_ticks[2], 2);
}

TEST_F(TimerTest, WithoutTimersATurnWaitsForAnEventAndSaysWhetherOneCame) {
    Settle();
    EXPECT_EQ(Application::RunOnce(display(), nullptr, 30), Application::TurnResult::kIdle);
    const Window window = form->GetWindow();
    std::thread sender([this, window] {
        usleep(300 * 1000);
        SendClientMessage(window, 0, 2);  // no message of the loop's
    });
    EXPECT_EQ(Application::RunOnce(display(), nullptr, 5000), Application::TurnResult::kEvent);
    sender.join();
}

}  // namespace
}  // namespace sassorbi::testing
