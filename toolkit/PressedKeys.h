#pragma once

#include <X11/Xlib.h>

#include <array>

namespace sassorbi {

// The character each held key gave at its press. Characters are delivered on release, and
// fast typists and input tools let go of Shift before the letter: the release must still
// give the press's character, not one translated without the modifier.
class PressedKeys {
public:
    // Remembers the character (0 for none) the press translated to in its window.
    void Press(const XKeyEvent& press, char character);
    // Sets the character of this key's press in the same window and forgets it; false, and
    // the character untouched, when that window did not see the press.
    bool Release(const XKeyEvent& release, char* character);

private:
    struct Held {
        Window window = 0;  // No window has id 0: the key is not held.
        char character = 0;
    };
    std::array<Held, 256> held_{};  // By key code, 8 to 255.
};

}  // namespace sassorbi
