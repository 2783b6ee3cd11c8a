// Timers count the loop's quiet 10 ms waits.

#include <gtest/gtest.h>

#include "tests/support/XHarness.h"
#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace sassorbi::testing {
namespace {

int g_ticks = 0;
void CountTick(Timer*) {
    ++g_ticks;
}

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

    std::unique_ptr<Form> form;
};

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

}  // namespace
}  // namespace sassorbi::testing
