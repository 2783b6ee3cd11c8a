#pragma once
// The joystick settings of joystick.cfg: whether to use a joystick, which axes steer and
// which value ranges mean each direction.

#include <cstdint>
#include <string>

namespace sassorbi {

constexpr int32_t kJoystickUnset = -1;
constexpr const char* kJoystickConfigFile = "joystick.cfg";

// Every value is unset until a line of the file gives it; defaults are only ever written.
struct JoystickConfig {
    int32_t joystick_enable = kJoystickUnset;  // 0: no joystick; any other set value: use it.
    int32_t aixs_x_cfg = kJoystickUnset;
    int32_t aixs_y_cfg = kJoystickUnset;
    int32_t min_value_left_cfg = kJoystickUnset;
    int32_t max_value_left_cfg = kJoystickUnset;
    int32_t min_value_right_cfg = kJoystickUnset;
    int32_t max_value_right_cfg = kJoystickUnset;
    int32_t min_value_up_cfg = kJoystickUnset;
    int32_t max_value_up_cfg = kJoystickUnset;
    int32_t min_value_down_cfg = kJoystickUnset;
    int32_t max_value_down_cfg = kJoystickUnset;
};

// This process's settings.
JoystickConfig& JoystickSettings();

// Creates the file with its defaults when missing, then reads it into config while
// joystick_enable is unset.
void LoadJoystickConfigFrom(const std::string& path, JoystickConfig& config);

// LoadJoystickConfigFrom("joystick.cfg" in the working directory, JoystickSettings()).
void LoadJoystickConfig();

}  // namespace sassorbi
