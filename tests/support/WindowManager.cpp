#include "tests/support/WindowManager.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/support/EndWithTest.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {

WindowManager::WindowManager(Display* driver, const std::string& display_name) : driver_(driver) {
    const pid_t test = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        EndWithTest(test);
        if (!display_name.empty()) setenv("DISPLAY", display_name.c_str(), 1);
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid_ < 0 || driver_ == nullptr) return;
    // Ten seconds, even on a loaded machine.
    const int64_t deadline = MonotonicMilliseconds() + 10000;
    while (!running_ && MonotonicMilliseconds() < deadline)
        running_ = ManagesNewWindows();
}

WindowManager::~WindowManager() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

// The manager is ready once it frames a window that is mapped now; it announces itself
// before it has finished taking over the screen.
bool WindowManager::ManagesNewWindows() {
    Window root = DefaultRootWindow(driver_);
    Window probe = XCreateSimpleWindow(driver_, root, 0, 0, 10, 10, 0, 0, 0);
    XMapWindow(driver_, probe);
    XSync(driver_, False);
    usleep(50 * 1000);
    Window parent = root, *children = nullptr;
    unsigned count = 0;
    XQueryTree(driver_, probe, &root, &parent, &children, &count);
    if (children != nullptr) XFree(children);
    XDestroyWindow(driver_, probe);
    XSync(driver_, False);
    return parent != root;
}

// _NET_CLOSE_WINDOW: the manager itself then sends the window WM_DELETE_WINDOW.
void WindowManager::Close(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(driver_, "_NET_CLOSE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = 2;  // from a pager or a user's tool
    XSendEvent(driver_, DefaultRootWindow(driver_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(driver_, False);
}

}  // namespace sassorbi::testing
