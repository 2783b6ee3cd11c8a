#include "tests/support/XHarness.h"

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>

#include "graphics/XOwners.h"
#include "tests/support/PrivateSharedMemory.h"
#include "toolkit/Application.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {

namespace {

// Every fixture built on this one draws on the server at once: without one, stop the whole
// test program with a clear reason rather than let each fixture fall over a null display.
void RequireXServer(bool ready, const char* what) {
    if (ready) return;
    std::fprintf(stderr, "X tests need an X server with XTest (./test.sh starts Xvfb): %s\n", what);
    std::exit(1);
}

}  // namespace

void XServerTest::SetUp() {
    UsePrivateSharedMemory();
    RequireXServer(getenv("DISPLAY") != nullptr, "DISPLAY is not set");
    screen_ = std::make_unique<Screen>("test");
    RequireXServer(screen_->GetDisplay() != nullptr, "the display cannot be opened");
    driver_ = XOpenDisplay(nullptr);
    RequireXServer(driver_ != nullptr, "a second connection cannot be opened");
    int event_base, error_base, major, minor;
    RequireXServer(XTestQueryExtension(driver_, &event_base, &error_base, &major, &minor),
                   "the server has no XTest");
}

void XServerTest::TearDown() {
    if (driver_ != nullptr) XCloseDisplay(driver_);
    driver_ = nullptr;
}

std::unique_ptr<Form> XServerTest::MakeForm(int x, int y, int width, int height, bool dialog,
                                            bool show) {
    auto form = std::make_unique<Form>(0, dialog);
    form->SetScreen(screen());
    form->SetLocation(x, y);
    form->SetSize(width, height);
    if (show) {
        form->Show();
        WaitViewable(*form);
    }
    return form;
}

void XServerTest::WaitViewable(Form& form) {
    EXPECT_TRUE(PumpUntil([&] { return MapState(form.GetWindow()) == IsViewable; }));
    Settle();
}

void XServerTest::Focus(Form& form) {
    XSetInputFocus(driver_, form.GetWindow(), RevertToParent, CurrentTime);
    XSync(driver_, False);
    Settle();
}

void XServerTest::PressKeyCode(KeyCode code, bool down) {
    XTestFakeKeyEvent(driver_, code, down ? True : False, CurrentTime);
    XSync(driver_, False);
}

void XServerTest::PressKey(KeySym key) {
    PressKeyCode(XKeysymToKeycode(driver_, key), true);
}
void XServerTest::ReleaseKey(KeySym key) {
    PressKeyCode(XKeysymToKeycode(driver_, key), false);
}

void XServerTest::TapKey(KeySym key) {
    PressKey(key);
    ReleaseKey(key);
}

void XServerTest::MovePointer(Form& form, int x, int y) {
    Window child;
    int root_x, root_y;
    XTranslateCoordinates(driver_, form.GetWindow(), DefaultRootWindow(driver_), x, y, &root_x,
                          &root_y, &child);
    XTestFakeMotionEvent(driver_, DefaultScreen(driver_), root_x, root_y, CurrentTime);
    XSync(driver_, False);
}

void XServerTest::PressButton(unsigned button) {
    XTestFakeButtonEvent(driver_, button, True, CurrentTime);
    XSync(driver_, False);
}

void XServerTest::ReleaseButton(unsigned button) {
    XTestFakeButtonEvent(driver_, button, False, CurrentTime);
    XSync(driver_, False);
}

void XServerTest::ClickAt(Form& form, int x, int y, unsigned button) {
    MovePointer(form, x, y);
    PressButton(button);
    ReleaseButton(button);
}

void XServerTest::SendDeleteWindow(Form& form) {
    SendClientMessage(form.GetWindow(), XInternAtom(driver_, "WM_PROTOCOLS", False),
                      static_cast<long>(XInternAtom(driver_, "WM_DELETE_WINDOW", False)));
}

void XServerTest::SendClientMessage(Window window, Atom type, long first) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(driver_, window, False, NoEventMask, &event);
    XSync(driver_, False);
}

bool XServerTest::PumpUntil(const std::function<bool()>& done, int timeout_ms) {
    const int64_t deadline = MonotonicMilliseconds() + timeout_ms;
    while (!done()) {
        if (MonotonicMilliseconds() >= deadline) return false;
        Application::RunOnce(display(), main_, 10);
    }
    return true;
}

void XServerTest::PumpFor(int milliseconds) {
    const int64_t deadline = MonotonicMilliseconds() + milliseconds;
    while (MonotonicMilliseconds() < deadline)
        Application::RunOnce(display(), main_, 5);
}

void XServerTest::Settle() {
    XSync(driver_, False);
    XSync(display(), False);
    PumpFor(60);
}

int XServerTest::RunIdleWaits(int waits) {
    int ticks = 0;
    const int64_t deadline = MonotonicMilliseconds() + 10000;
    while (ticks < waits && MonotonicMilliseconds() < deadline) {
        if (Application::RunOnce(display(), main_, 10) == Application::TurnResult::kTick) ++ticks;
    }
    return ticks;
}

unsigned long XServerTest::PixelAt(Window window, int x, int y) {
    // What the program drew has been sent, not necessarily done: wait until it is.
    XSync(display(), False);
    const ServerImage image(XGetImage(driver_, window, x, y, 1, 1, AllPlanes, ZPixmap));
    if (!image) return ~0UL;
    return XGetPixel(image.get(), 0, 0) & 0xFFFFFF;
}

std::string XServerTest::TextProperty(Window window, const char* name) {
    XTextProperty property{};
    std::string text;
    if (XGetTextProperty(driver_, window, &property, XInternAtom(driver_, name, False)) &&
        property.value != nullptr) {
        text.assign(reinterpret_cast<char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return text;
}

std::vector<unsigned long> XServerTest::CardinalListProperty(Window window, const char* name) {
    return CardinalNumbers(driver_, window, name);
}

std::vector<unsigned long> CardinalNumbers(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> numbers;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1 << 20, False,
                       XA_CARDINAL, &type, &format, &count, &after, &data);
    // Xlib hands format 32 data over as longs, sign-extended.
    if (type == XA_CARDINAL && format == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i < count; ++i)
            numbers.push_back(longs[i] & 0xFFFFFFFFUL);
    }
    if (data != nullptr) XFree(data);
    return numbers;
}

std::vector<std::string> XServerTest::AtomListProperty(Window window, const char* name) {
    return AtomNames(driver_, window, name);
}

std::vector<std::string> AtomNames(Display* display, Window window, const char* name) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::vector<std::string> names;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 64, False,
                           XA_ATOM, &type, &format, &count, &after, &data) != Success ||
        data == nullptr) {
        return names;
    }
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count; ++i) {
        char* atom_name = XGetAtomName(display, atoms[i]);
        names.emplace_back(atom_name);
        XFree(atom_name);
    }
    XFree(data);
    return names;
}

XSizeHints XServerTest::NormalHints(Window window) {
    return SizeHints(driver_, window);
}

XSizeHints SizeHints(Display* display, Window window) {
    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(display, window, &hints, &supplied);
    return hints;
}

std::pair<std::string, std::string> XServerTest::ClassHint(Window window) {
    XClassHint hint{};
    std::pair<std::string, std::string> names;
    if (XGetClassHint(driver_, window, &hint)) {
        names = {hint.res_name, hint.res_class};
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return names;
}

int XServerTest::MapState(Window window) {
    // The program may have only flushed the window's creation (a second Show creates its
    // window without a round trip, the atoms being cached): the server must have handled it
    // before the driver asks, or it answers BadWindow.
    XSync(display(), False);
    XWindowAttributes attributes{};
    if (window == 0 || !XGetWindowAttributes(driver_, window, &attributes)) return -1;
    return attributes.map_state;
}

}  // namespace sassorbi::testing
