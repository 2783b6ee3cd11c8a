#include "toolkit/Screen.h"

#include <X11/XKBlib.h>
#include <fcntl.h>

#include <string>

#include "util/Log.h"

namespace sassorbi {
namespace {

Screen* g_default_screen = nullptr;

// Xlib's default handler ends the process on any protocol error; a request that the
// server refuses (focus on a window a window manager has not mapped yet) is not fatal here.
int LogXError(Display* display, XErrorEvent* error) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    WriteLogString(std::string("X error: ") + text + " (request " +
                   std::to_string(error->request_code) + ")");
    return 0;
}

}  // namespace

Screen::Screen(const char* title) : title_(title) {
    OpenDisplay();
    if (g_default_screen == nullptr) g_default_screen = this;
}

Screen::~Screen() {
    Close();
    // Nobody may reach a destroyed screen through the default pointer.
    if (g_default_screen == this) g_default_screen = nullptr;
}

void Screen::OpenDisplay() {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        error_ = 1;
        WriteLog("XOpenDisplay(0) failed.");
        return;
    }
    // Child processes must never inherit the connection into a program they start.
    fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(LogXError);
    screen_number_ = DefaultScreen(display_);
    depth_ = DefaultDepth(display_, screen_number_);
    if (depth_ < 24) WriteLog("This app requires 24-bit depth.");

    XVisualInfo wanted{};
    wanted.screen = screen_number_;
    wanted.depth = depth_;
    visuals_ =
        XGetVisualInfo(display_, VisualScreenMask | VisualDepthMask, &wanted, &visual_count_);
    if (visual_count_ == 0) WriteLog("GetVisualInfo failed.");
    height_ = XDisplayHeight(display_, screen_number_);
    width_ = XDisplayWidth(display_, screen_number_);
    RequestDetectableAutoRepeat();
}

// X repeats a held key as fake release/press pairs; Xkb can send the presses alone, so a
// held key gives exactly one release. Never switch auto-repeat off for the whole server.
void Screen::RequestDetectableAutoRepeat() {
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display_, True, &supported);
    detectable_auto_repeat_ = supported == True;
}

bool Screen::Close() {
    if (display_ == nullptr) return false;
    if (visuals_ != nullptr) XFree(visuals_);
    visuals_ = nullptr;
    visual_count_ = 0;
    XCloseDisplay(display_);
    display_ = nullptr;
    return true;
}

Screen* Screen::GetDefaultScreen() {
    return g_default_screen;
}

int Screen::DefaultScreenWidth() {
    return g_default_screen != nullptr ? g_default_screen->GetWidth() : 0;
}

int Screen::DefaultScreenHeight() {
    return g_default_screen != nullptr ? g_default_screen->GetHeight() : 0;
}

}  // namespace sassorbi
