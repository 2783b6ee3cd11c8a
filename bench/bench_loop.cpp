// Runs the real event loop with one 10 ms timer for 10 seconds on the display it is given
// and reports how many ticks arrived and how much processor time the process used.

#include <sys/resource.h>

#include <cstdio>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/MonotonicClock.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"

namespace {

using namespace sassorbi;

constexpr int64_t kRunMilliseconds = 10000;
int g_ticks = 0;
int64_t g_end_ms = 0;

void CountTick(Timer*) {
    ++g_ticks;
    if (MonotonicMilliseconds() >= g_end_ms) Application::RequestQuit();
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main() {
    sassorbi::Screen screen("bench_loop");
    if (screen.HasError()) return 1;
    Form form;
    form.SetScreen(&screen);
    form.SetSize(200, 100);
    form.Show();
    Timer timer(&form, 10);
    timer.SetOnTick(CountTick);

    const double cpu_start = CpuSeconds();
    const int64_t start_ms = MonotonicMilliseconds();
    g_end_ms = start_ms + kRunMilliseconds;
    timer.Start();
    Application::Run(&form);
    const double wall = (MonotonicMilliseconds() - start_ms) / 1000.0;
    const double cpu = CpuSeconds() - cpu_start;

    std::printf("ticks: %d of %lld\n", g_ticks, static_cast<long long>(kRunMilliseconds / 10));
    std::printf("cpu_percent: %.2f\n", 100.0 * cpu / wall);
    return 0;
}
