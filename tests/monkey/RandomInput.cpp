#include "tests/monkey/RandomInput.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace sassorbi::monkey {
namespace {

constexpr size_t kJournalLength = 40;

const KeySym kSpecialKeys[] = {XK_Tab, XK_Return, XK_Delete, XK_BackSpace, XK_Left, XK_Right,
                               XK_Up,  XK_Down,   XK_Escape, XK_space,     XK_Home, XK_End};
const KeySym kModifiers[] = {XK_Shift_L, XK_Control_L, XK_Alt_L};
const KeySym kArrows[] = {XK_Left, XK_Right, XK_Up, XK_Down};

std::string KeyName(KeySym key) {
    const char* name = XKeysymToString(key);
    return name != nullptr ? name : "?";
}

}  // namespace

RandomInput::RandomInput(Display* display, ProgramWindows* windows, unsigned seed)
    : display_(display), windows_(windows), random_(seed) {}

RandomInput::~RandomInput() {
    ReleaseAll();
    if (cover_ != 0) XDestroyWindow(display_, cover_);
    XSync(display_, False);
}

void RandomInput::Step() {
    const int draw = Uniform(0, 99);
    if (draw < 30) {
        Click();
    } else if (draw < 38) {
        Drag();
    } else if (draw < 68) {
        TapKey();
    } else if (draw < 78) {
        HoldKey();
    } else if (draw < 86) {
        ToggleKey();
    } else if (draw < 92) {
        Chord();
    } else if (draw < 95) {
        CloseDialog();
    } else if (draw < 96) {
        MoveWindow();
    } else {
        ExposeStorm();
    }
    ++actions_;
    Pause(2, 40);
}

void RandomInput::ReleaseAll() {
    for (KeySym key : std::set<KeySym>(held_keys_))
        Key(key, false);
    if (held_button_ != 0) Button(held_button_, false);
    XSync(display_, False);
}

void RandomInput::Click() {
    const Point point = RandomPoint();
    const int draw = Uniform(0, 9);
    const unsigned button = draw < 7 ? 1 : static_cast<unsigned>(draw - 5);
    Note("click " + std::to_string(button) + " at " + std::to_string(point.x) + "," +
         std::to_string(point.y));
    MoveTo(point);
    Button(button, true);
    Pause(0, 150);
    Button(button, false);
}

void RandomInput::Drag() {
    const Point from = RandomPoint();
    const Point to = RandomPoint();
    Note("drag " + std::to_string(from.x) + "," + std::to_string(from.y) + " to " +
         std::to_string(to.x) + "," + std::to_string(to.y));
    MoveTo(from);
    Button(1, true);
    const int steps = Uniform(2, 10);
    for (int step = 1; step <= steps; ++step) {
        MoveTo({from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
        Pause(5, 20);
    }
    Button(1, false);
}

void RandomInput::TapKey() {
    const KeySym key = RandomKey();
    Note("tap " + KeyName(key));
    Key(key, true);
    Pause(0, 80);
    Key(key, false);
}

// The ship moves while an arrow is held.
void RandomInput::HoldKey() {
    const KeySym key = kArrows[Uniform(0, 3)];
    Note("hold " + KeyName(key));
    Key(key, true);
    Pause(100, 700);
    Key(key, false);
}

// A key pressed now and let go some actions later, or let go now.
void RandomInput::ToggleKey() {
    const bool modifier = Uniform(0, 1) == 0;
    const KeySym key = modifier ? kModifiers[Uniform(0, 2)] : RandomKey();
    const bool down = held_keys_.count(key) == 0 && held_keys_.size() < 3;
    Note(std::string(down ? "press " : "release ") + KeyName(key));
    Key(key, down);
}

void RandomInput::Chord() {
    const KeySym modifier = kModifiers[Uniform(0, 2)];
    Note("chord " + KeyName(modifier));
    Key(modifier, true);
    for (int count = Uniform(1, 4); count > 0; --count)
        TapKey();
    Key(modifier, false);
}

// As the user does with a dialog's close box: through the window manager.
void RandomInput::CloseDialog() {
    std::vector<Window> dialogs;
    for (Window window : windows_->Stacking())
        if (window != windows_->Main()) dialogs.push_back(window);
    if (dialogs.empty()) return;
    const Window dialog = dialogs[Uniform(0, static_cast<int>(dialogs.size()) - 1)];
    Note("close window " + std::to_string(dialog));
    SendToManager(dialog, "_NET_CLOSE_WINDOW", CurrentTime, 2, 0);
}

// Somewhere else on the screen, wholly inside it, as a pager moves windows.
void RandomInput::MoveWindow() {
    const std::vector<Window> windows = windows_->Stacking();
    if (windows.empty()) return;
    const Window window = windows[Uniform(0, static_cast<int>(windows.size()) - 1)];
    const Area area = windows_->ScreenArea(window);
    const int room_x = DisplayWidth(display_, DefaultScreen(display_)) - area.width - 10;
    const int room_y = DisplayHeight(display_, DefaultScreen(display_)) - area.height - 30;
    const Point to{Uniform(0, std::max(room_x, 0)), Uniform(0, std::max(room_y, 0))};
    Note("move window " + std::to_string(window) + " to " + std::to_string(to.x) + "," +
         std::to_string(to.y));
    // x and y given, asked for by a pager (source 2), the window's own gravity.
    SendToManager(window, "_NET_MOVERESIZE_WINDOW", (1 << 8) | (1 << 9) | (2 << 12), to.x, to.y);
}

void RandomInput::SendToManager(Window window, const char* message, long first, long second,
                                long third) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, message, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    event.xclient.data.l[2] = third;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display_, False);
}

// A window of ours mapped and unmapped over the program's: each unmap exposes what it hid.
void RandomInput::ExposeStorm() {
    const Area area = RandomWindowArea();
    if (area.width < 2 || area.height < 2) return;
    if (cover_ == 0) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.background_pixel = 0xFF00FF;
        cover_ = XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, CopyFromParent,
                               InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel,
                               &attributes);
    }
    const int times = Uniform(5, 20);
    Note("expose storm of " + std::to_string(times));
    for (int time = 0; time < times; ++time) {
        const int x = area.x + Uniform(0, area.width - 1);
        const int y = area.y + Uniform(0, area.height - 1);
        XMoveResizeWindow(display_, cover_, x, y, static_cast<unsigned>(Uniform(1, area.width)),
                          static_cast<unsigned>(Uniform(1, area.height)));
        XMapRaised(display_, cover_);
        XSync(display_, False);
        XUnmapWindow(display_, cover_);
        XSync(display_, False);
    }
}

// Mostly inside the program's windows (the topmost most of all), a little around them,
// and now and then anywhere on the screen.
RandomInput::Point RandomInput::RandomPoint() {
    if (Uniform(0, 19) == 0) {
        return {Uniform(0, DisplayWidth(display_, DefaultScreen(display_)) - 1),
                Uniform(0, DisplayHeight(display_, DefaultScreen(display_)) - 1)};
    }
    const Area area = RandomWindowArea();
    return {area.x + Uniform(-10, area.width + 9), area.y + Uniform(-25, area.height + 9)};
}

Area RandomInput::RandomWindowArea() {
    const std::vector<Window> windows = windows_->Stacking();
    if (windows.empty()) return windows_->ScreenArea(windows_->Main());
    const bool topmost = Uniform(0, 9) < 7;
    const int index = topmost ? static_cast<int>(windows.size()) - 1
                              : Uniform(0, static_cast<int>(windows.size()) - 1);
    return windows_->ScreenArea(windows[index]);
}

KeySym RandomInput::RandomKey() {
    const int draw = Uniform(0, 99);
    if (draw < 50) return XK_a + Uniform(0, 25);
    if (draw < 65) return XK_0 + Uniform(0, 9);
    return kSpecialKeys[Uniform(0, static_cast<int>(std::size(kSpecialKeys)) - 1)];
}

void RandomInput::MoveTo(Point point) {
    XTestFakeMotionEvent(display_, -1, point.x, point.y, CurrentTime);
    XFlush(display_);
}

void RandomInput::Key(KeySym key, bool down) {
    const KeyCode code = XKeysymToKeycode(display_, key);
    if (code == 0) return;
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XFlush(display_);
    if (down) {
        held_keys_.insert(key);
    } else {
        held_keys_.erase(key);
    }
}

void RandomInput::Button(unsigned button, bool down) {
    XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
    XFlush(display_);
    held_button_ = down ? button : 0;
}

void RandomInput::Pause(int min_ms, int max_ms) {
    usleep(static_cast<useconds_t>(Uniform(min_ms, max_ms)) * 1000);
}

int RandomInput::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

void RandomInput::Note(const std::string& action) {
    journal_.push_back(action);
    if (journal_.size() > kJournalLength) journal_.pop_front();
}

}  // namespace sassorbi::monkey
