#include "toolkit/PressedKeys.h"

namespace sassorbi {

void PressedKeys::Press(const XKeyEvent& press, char character) {
    if (press.keycode >= held_.size()) return;
    held_[press.keycode] = {press.window, character};
}

bool PressedKeys::Release(const XKeyEvent& release, char* character) {
    if (release.keycode >= held_.size()) return false;
    Held& held = held_[release.keycode];
    const bool seen = held.window != 0 && held.window == release.window;
    if (seen) *character = held.character;
    held = Held{};
    return seen;
}

}  // namespace sassorbi
