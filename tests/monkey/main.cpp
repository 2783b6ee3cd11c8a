// Plays a program of the project with random input for a while and fails on what a user
// must never meet: the program ending, a ping round trip over two seconds, a sanitizer
// report, an X error in its log, or no clean end when its window is closed at last.
// tools/monkey.sh starts the X server and window manager, copies the game directory and
// watches descriptors and X resources meanwhile.
//   monkey PROGRAM GAME_DIR TITLE_PREFIX SECONDS SEED

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "tests/monkey/Pinger.h"
#include "tests/monkey/ProgramWindows.h"
#include "tests/monkey/RandomInput.h"
#include "tests/monkey/Target.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::monkey {
namespace {

constexpr int kPingLimitMs = 2000;
constexpr int kPingEveryMs = 1000;

struct Run {
    std::string program;
    std::string directory;
    std::string title;
    int seconds;
    unsigned seed;
};

int Fail(const Run& run, const std::string& why, const RandomInput* input = nullptr) {
    std::fprintf(stderr, "monkey: FAILED: %s (seed %u)\n", why.c_str(), run.seed);
    if (input == nullptr) return 1;
    std::fprintf(stderr, "monkey: the last actions, oldest first:\n");
    for (const std::string& action : input->Journal())
        std::fprintf(stderr, "  %s\n", action.c_str());
    return 1;
}

// The first line that holds any of the marks, or empty.
std::string FirstLineWith(const std::string& text, std::initializer_list<const char*> marks) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        for (const char* mark : marks)
            if (line.find(mark) != std::string::npos) return line;
        start = end + 1;
    }
    return {};
}

std::string Findings(const Target& target) {
    const std::string report =
        FirstLineWith(target.ReadFile("output.txt"),
                      {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"});
    if (!report.empty()) return "a sanitizer report: " + report;
    const std::string x_error = FirstLineWith(target.ReadFile("log.txt"), {"X error"});
    if (!x_error.empty()) return "the log says: " + x_error;
    return {};
}

// The watcher of descriptors and X resources reads which process and which X client to watch.
void Announce(const Run& run, const Target& target, const ProgramWindows& windows) {
    std::ofstream file(run.directory + "/target.txt");
    char base[32];
    std::snprintf(base, sizeof base, "0x%lx", windows.ClientBase());
    file << target.Pid() << ' ' << base << '\n';
}

void CloseMain(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

int Play(const Run& run, Display* display) {
    Target target(run.program, run.directory);
    ProgramWindows windows(display);
    if (!windows.FindMain(run.title, 30000)) return Fail(run, "the main window never appeared");
    Announce(run, target, windows);
    Pinger pinger(display, &target);
    RandomInput input(display, &windows, run.seed);
    const int64_t end = MonotonicMilliseconds() + static_cast<int64_t>(run.seconds) * 1000;
    int64_t next_ping = 0;
    int pings = 0;
    std::set<Window> seen;  // the program's windows met, dialogs included
    while (MonotonicMilliseconds() < end) {
        input.Step();
        if (MonotonicMilliseconds() < next_ping) continue;
        for (Window window : windows.Stacking())
            seen.insert(window);
        const bool answered = pinger.Ping(windows.Main(), kPingLimitMs) >= 0;
        if (!target.Alive()) {
            const std::string findings = Findings(target);
            return Fail(run,
                        "the program ended with status " + std::to_string(target.ExitStatus()) +
                            (findings.empty() ? "" : "; " + findings),
                        &input);
        }
        if (!answered) return Fail(run, "no answer to a ping within 2 s", &input);
        ++pings;
        next_ping = MonotonicMilliseconds() + kPingEveryMs;
    }
    input.ReleaseAll();
    CloseMain(display, windows.Main());
    if (!target.WaitForExit(60000)) return Fail(run, "the program did not end when closed", &input);
    const std::string findings = Findings(target);
    if (!findings.empty()) return Fail(run, findings, &input);
    if (target.ExitStatus() != 0)
        return Fail(run, "the program ended with status " + std::to_string(target.ExitStatus()),
                    &input);
    std::printf(
        "monkey: %d actions, %d pings, longest round trip %d ms, %zu windows met, clean end\n",
        input.Actions(), pings, pinger.Longest(), seen.size());
    return 0;
}

}  // namespace
}  // namespace sassorbi::monkey

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s PROGRAM GAME_DIR TITLE_PREFIX SECONDS SEED\n", argv[0]);
        return 2;
    }
    const sassorbi::monkey::Run run{argv[1], argv[2], argv[3], std::atoi(argv[4]),
                                    static_cast<unsigned>(std::strtoul(argv[5], nullptr, 10))};
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "monkey: no X display\n");
        return 2;
    }
    const int status = sassorbi::monkey::Play(run, display);
    XCloseDisplay(display);
    return status;
}
