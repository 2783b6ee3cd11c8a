#pragma once
// A real program of the project (the game by default), run as a user runs it: a scratch game
// directory holding the executable and a copy of the Data folder, the program started there
// as a child process with its output in stdout.txt, and ways to find its windows, look at
// them and give them input through a driver connection.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace sassorbi::testing {

class GameProcess {
public:
    // Prepares the game directory in the current working directory.
    explicit GameProcess(Display* driver, const std::string& program = SASSORBI_EXECUTABLE);
    // Runs the program where it lies, started in its own folder as play.sh and the launcher
    // are; nothing is copied, and its output still goes to stdout.txt here.
    struct InPlace {};
    GameProcess(Display* driver, const std::string& program, InPlace);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Starts the game, under the tool SASSORBI_GAME_WRAPPER names if any; extra_env entries
    // ("NAME=value", "NAME=" to unset) change its environment; with as_nobody it runs without
    // root's rights.
    void Launch(const std::vector<std::string>& extra_env = {}, bool as_nobody = false);
    // The command-line arguments of the next Launch (none by default).
    void SetArguments(const std::vector<std::string>& arguments) { arguments_ = arguments; }
    // The exit status, or -1 when it has not ended within the time-out.
    int WaitForExit(int timeout_ms);
    // Asks the window to close as a window manager does, and waits for the exit status.
    int Close(int timeout_ms = 10000);
    pid_t Pid() const { return pid_; }

    // Sweeps the ship left and right until the name dialog opens, which it returns (or 0).
    Window PlayUntilGameOver(int timeout_ms);

    // The first viewable top-level window whose title starts with the prefix, or 0; under a
    // window manager, the client window inside the manager's frame.
    Window FindWindow(const std::string& title_prefix, int timeout_ms);
    // The same for the program's main window, which Shows and Close then use.
    Window WaitForMainWindow(const std::string& title_prefix, int timeout_ms);
    Window GameWindow() const { return window_; }
    unsigned long Pixel(Window window, int x, int y);
    // Whether most of a few sample points of the game window show the named picture.
    bool Shows(const std::string& picture);
    // The same for any window, its pixels in 24 bits or, on a 16-bit display, in 5-6-5.
    bool ShowsOn(Window window, const std::string& picture, bool five_six_five);
    // Focuses the window and taps the key.
    void Tap(Window window, KeySym key);
    void Hold(KeySym key, bool down);
    // A left click at a point of the window.
    void Click(Window window, int x, int y);
    std::string Log() const;

private:
    // Frames of a window manager nest a client this deep at most.
    static constexpr int kFrameDepth = 3;
    Window TitledWindow(Window parent, const std::string& title_prefix, int depth);

    Display* driver_;
    std::string program_;
    std::string folder_;  // where it starts, when not here
    std::vector<std::string> arguments_;
    pid_t pid_ = 0;
    Window window_ = 0;
};

// How much slower the game runs under the tool named in SASSORBI_GAME_WRAPPER (1 without).
int TimeScale();
// Polls the condition every 50 ms until it holds or the time is up (scaled by TimeScale).
bool WaitFor(const std::function<bool()>& done, int timeout_ms);

}  // namespace sassorbi::testing
