#pragma once
// The harness every X test stands on: a connection for the program under test (a real
// Screen), a second "driver" connection that plays the user (XTest input, window-manager
// messages) and the observer (pixels and properties read back from the server), and ways
// to run the real event loop until something has happened.

// GoogleTest comes first: Xlib defines macros (None, Bool) that its templates use as names.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace sassorbi::testing {

class XServerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Screen* screen() { return screen_.get(); }
    Display* display() { return screen_->GetDisplay(); }
    Display* driver() { return driver_; }

    // A form on the test server, created, mapped and exposed (not yet shown when show is false).
    std::unique_ptr<Form> MakeForm(int x, int y, int width, int height, bool dialog = false,
                                   bool show = true);
    // The form whose close requests end the game (it only asks QueryClose).
    void SetMainForm(Form* form) { main_ = form; }
    void WaitViewable(Form& form);

    // Input, as a user gives it.
    void Focus(Form& form);
    void PressKey(KeySym key);
    void ReleaseKey(KeySym key);
    void TapKey(KeySym key);
    void PressKeyCode(KeyCode code, bool down);
    void MovePointer(Form& form, int x, int y);
    void PressButton(unsigned button);
    void ReleaseButton(unsigned button);
    void ClickAt(Form& form, int x, int y, unsigned button = 1);
    // What a window manager sends when the user closes a window.
    void SendDeleteWindow(Form& form);
    void SendClientMessage(Window window, Atom type, long first);

    // The real loop: until done() holds (false on time-out), for a while, or for n quiet waits.
    bool PumpUntil(const std::function<bool()>& done, int timeout_ms = 3000);
    void PumpFor(int milliseconds);
    // Lets the server deliver everything sent so far and the loop handle it.
    void Settle();
    int RunIdleWaits(int waits);

    // Read back from the server.
    unsigned long PixelAt(Window window, int x, int y);
    std::string TextProperty(Window window, const char* name);
    std::vector<std::string> AtomListProperty(Window window, const char* name);
    // A CARDINAL property's 32-bit numbers; empty when the window has none.
    std::vector<unsigned long> CardinalListProperty(Window window, const char* name);
    XSizeHints NormalHints(Window window);
    // Resource name and class.
    std::pair<std::string, std::string> ClassHint(Window window);
    int MapState(Window window);

private:
    std::unique_ptr<Screen> screen_;
    Display* driver_ = nullptr;
    Form* main_ = nullptr;
};

// The same read-backs on any connection (a server of a test's own).
std::vector<std::string> AtomNames(Display* display, Window window, const char* name);
std::vector<unsigned long> CardinalNumbers(Display* display, Window window, const char* name);
XSizeHints SizeHints(Display* display, Window window);

}  // namespace sassorbi::testing
