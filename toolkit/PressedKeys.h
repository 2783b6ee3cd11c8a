#pragma once

#include <X11/Xlib.h>

#include <array>
#include <optional>

namespace sassorbi {

// What a key event translates to: its key symbol and its character (0 when it gives no
// character from 1 to 127).
struct KeyTranslation {
    KeySym key = NoSymbol;
    char character = 0;
};

// What each held key gave at its press. Characters are delivered on release, and fast
// typists and input tools let go of Shift before the letter, or press it before letting
// go: the release must give the press's character and key, not ones translated with the
// modifiers of the moment, or a capital is lost and a key held in the game never comes up.
class PressedKeys {
public:
    // Remembers what the press translated to in its window.
    void Press(const XKeyEvent& press, const KeyTranslation& translation);
    // What this key's press in the same window translated to, now forgotten; nothing when
    // that window did not see the press.
    std::optional<KeyTranslation> Release(const XKeyEvent& release);

private:
    struct Held {
        Window window = 0;  // No window has id 0: the key is not held.
        KeyTranslation translation;
    };
    std::array<Held, 256> held_{};  // By key code, 8 to 255.
};

}  // namespace sassorbi
