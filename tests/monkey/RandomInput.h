#pragma once
// Random input as a careless user gives it, through XTest and the window manager, drawn from
// one seeded generator: clicks and drags anywhere, key taps, keys and modifiers held across
// other keys, window-manager closes of dialogs and moves of windows, and storms of exposures
// over the windows.

#include <X11/Xlib.h>

#include <deque>
#include <random>
#include <set>
#include <string>

#include "tests/monkey/ProgramWindows.h"

namespace sassorbi::monkey {

class RandomInput {
public:
    RandomInput(Display* display, ProgramWindows* windows, unsigned seed);
    ~RandomInput();
    RandomInput(const RandomInput&) = delete;
    RandomInput& operator=(const RandomInput&) = delete;

    // One action, then a short pause.
    void Step();
    // Lets go of every key and button still held.
    void ReleaseAll();
    int Actions() const { return actions_; }
    // The last actions, oldest first.
    const std::deque<std::string>& Journal() const { return journal_; }

private:
    struct Point {
        int x;
        int y;
    };

    void Click();
    void Drag();
    void TapKey();
    void HoldKey();
    void ToggleKey();
    void Chord();
    void CloseDialog();
    void MoveWindow();
    void ExposeStorm();

    Point RandomPoint();
    Area RandomWindowArea();
    KeySym RandomKey();
    void MoveTo(Point point);
    void Key(KeySym key, bool down);
    void Button(unsigned button, bool down);
    void SendToManager(Window window, const char* message, long first, long second, long third);
    void Pause(int min_ms, int max_ms);
    int Uniform(int low, int high);
    void Note(const std::string& action);

    Display* display_;
    ProgramWindows* windows_;
    std::mt19937 random_;
    std::set<KeySym> held_keys_;
    unsigned held_button_ = 0;
    Window cover_ = 0;
    int actions_ = 0;
    std::deque<std::string> journal_;
};

}  // namespace sassorbi::monkey
