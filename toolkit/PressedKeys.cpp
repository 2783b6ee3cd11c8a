#include "toolkit/PressedKeys.h"

namespace sassorbi {

void PressedKeys::Press(const XKeyEvent& press, const KeyTranslation& translation) {
    if (press.keycode >= held_.size()) return;
    held_[press.keycode] = {press.window, translation};
}

std::optional<KeyTranslation> PressedKeys::Release(const XKeyEvent& release) {
    if (release.keycode >= held_.size()) return std::nullopt;
    Held& held = held_[release.keycode];
    std::optional<KeyTranslation> pressed;
    if (held.window != 0 && held.window == release.window) pressed = held.translation;
    held = Held{};
    return pressed;
}

}  // namespace sassorbi
