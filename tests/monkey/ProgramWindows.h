#pragma once
// The top-level windows of the program under test, as the window manager lists them: its
// main window found by title, then every window of the same X client, bottom to top.

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace sassorbi::monkey {

struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class ProgramWindows {
public:
    explicit ProgramWindows(Display* display) : display_(display) {}

    // Waits for a viewable window whose title starts with the prefix; false on time-out.
    bool FindMain(const std::string& title_prefix, int timeout_ms);
    Window Main() const { return main_; }
    // The first resource id of the program's X client (what xrestop calls res_base).
    XID ClientBase() const;
    // The program's managed windows in stacking order, the topmost last.
    std::vector<Window> Stacking() const;
    // Where a window is on the screen; empty when it is gone.
    Area ScreenArea(Window window) const;

private:
    std::vector<Window> ClientList() const;
    std::string Title(Window window) const;

    Display* display_;
    Window main_ = 0;
};

}  // namespace sassorbi::monkey
