#pragma once
// The suite's window manager, openbox, running on an X server for as long as the object
// lives: it reparents windows into frames, honours the full-screen state and closes windows
// as a user's manager does.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>

namespace sassorbi::testing {

class WindowManager {
public:
    // Starts openbox on the named display (DISPLAY when empty) and waits until it frames new
    // windows; the driver is a connection to that display. Running() tells whether it did.
    WindowManager(Display* driver, const std::string& display_name = "");
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool Running() const { return running_; }
    pid_t Pid() const { return pid_; }
    // Asks the manager to close the client window, as its close button does.
    void Close(Window window);

private:
    bool ManagesNewWindows();

    Display* driver_;
    pid_t pid_ = 0;
    bool running_ = false;
};

}  // namespace sassorbi::testing
