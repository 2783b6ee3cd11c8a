// Full screen through the window manager: the state _NET_WM_STATE_FULLSCREEN, which a client
// asks for with a message to the root window, the window manager then resizing the window.

#include "toolkit/Form.h"

namespace sassorbi {
namespace {

constexpr long kRemoveState = 0;
constexpr long kAddState = 1;
// The request comes from an ordinary application, not from a pager.
constexpr long kFromApplication = 1;

}  // namespace

void Form::SetFullScreen(bool full_screen) {
    if (window_ == 0 || full_screen == full_screen_) return;
    full_screen_ = full_screen;
    XSizeHints hints{};
    if (full_screen) {
        windowed_size_ = GetSize();
        SetSizeHints(&hints, windowed_size_);
        hints.flags &= ~(PMinSize | PMaxSize);
        XSetWMNormalHints(GetDisplay(), window_, &hints);
        SendWindowState(true, "_NET_WM_STATE_FULLSCREEN");
    } else {
        SendWindowState(false, "_NET_WM_STATE_FULLSCREEN");
        SetSizeHints(&hints, windowed_size_);
        XSetWMNormalHints(GetDisplay(), window_, &hints);
    }
    XFlush(GetDisplay());
}

void Form::SendWindowState(bool add, const char* state) {
    Display* display = GetDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = add ? kAddState : kRemoveState;
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, state, False));
    event.xclient.data.l[3] = kFromApplication;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace sassorbi
