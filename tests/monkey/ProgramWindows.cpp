#include "tests/monkey/ProgramWindows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace sassorbi::monkey {
namespace {

// Errors about windows that vanish between a listing and a look are expected here.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// The ids of one client share the bits above the 21 the server leaves each client (the
// X server's default of at most 256 clients).
XID BaseOf(XID id) {
    return id & ~static_cast<XID>(0x1fffff);
}

}  // namespace

bool ProgramWindows::FindMain(const std::string& title_prefix, int timeout_ms) {
    XSetErrorHandler(IgnoreErrors);
    for (int waited = 0; waited < timeout_ms; waited += 50) {
        for (Window window : ClientList()) {
            if (Title(window).rfind(title_prefix, 0) == 0) {
                main_ = window;
                return true;
            }
        }
        usleep(50 * 1000);
    }
    return false;
}

XID ProgramWindows::ClientBase() const {
    return BaseOf(main_);
}

std::vector<Window> ProgramWindows::Stacking() const {
    std::vector<Window> mine;
    for (Window window : ClientList()) {
        if (BaseOf(window) == ClientBase()) mine.push_back(window);
    }
    return mine;
}

Area ProgramWindows::ScreenArea(Window window) const {
    Window root = 0, child = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display_, window, &root, &x, &y, &width, &height, &border, &depth)) return {};
    if (!XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child)) return {};
    return {x, y, static_cast<int>(width), static_cast<int>(height)};
}

std::vector<Window> ProgramWindows::ClientList() const {
    const Atom list = XInternAtom(display_, "_NET_CLIENT_LIST_STACKING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Window> windows;
    if (XGetWindowProperty(display_, DefaultRootWindow(display_), list, 0, 1024, False, XA_WINDOW,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        const auto* ids = reinterpret_cast<const unsigned long*>(data);
        windows.assign(ids, ids + count);
    }
    if (data != nullptr) XFree(data);
    return windows;
}

std::string ProgramWindows::Title(Window window) const {
    char* name = nullptr;
    if (!XFetchName(display_, window, &name) || name == nullptr) return {};
    std::string title = name;
    XFree(name);
    return title;
}

}  // namespace sassorbi::monkey
