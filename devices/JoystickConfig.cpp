#include "devices/JoystickConfig.h"

#include <cstdlib>
#include <limits>
#include <vector>

#include "util/Log.h"
#include "util/Files.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

struct ConfigKey {
    const char* name;
    int32_t JoystickConfig::*value;
    const char* default_text;
};

// In the order the file is written.
const ConfigKey kKeys[] = {
    {"JoystickEnable", &JoystickConfig::joystick_enable, "1"},
    {"AixsXCfg", &JoystickConfig::aixs_x_cfg, "0"},
    {"AixsYCfg", &JoystickConfig::aixs_y_cfg, "1"},
    {"MinValueLeftCfg", &JoystickConfig::min_value_left_cfg, "-32767"},
    {"MaxValueLeftCfg", &JoystickConfig::max_value_left_cfg, "-1"},
    {"MinValueRightCfg", &JoystickConfig::min_value_right_cfg, "1"},
    {"MaxValueRightCfg", &JoystickConfig::max_value_right_cfg, "32767"},
    {"MinValueUpCfg", &JoystickConfig::min_value_up_cfg, "-32767"},
    {"MaxValueUpCfg", &JoystickConfig::max_value_up_cfg, "-1"},
    {"MinValueDownCfg", &JoystickConfig::min_value_down_cfg, "1"},
    {"MaxValueDownCfg", &JoystickConfig::max_value_down_cfg, "32767"},
};

void WriteDefaults(const std::string& path) {
    std::vector<std::string> lines;
    for (const ConfigKey& key : kKeys)
        lines.push_back(std::string(key.name) + "= " + key.default_text);
    if (!TextFile(path).WriteLines(lines)) WriteLogString("impossibile creare il file " + path);
}

// strtol's leading number, so a remark after the value is ignored; clamped rather than
// wrapped, so an out-of-range value cannot turn into a number of the other sign.
int32_t ParseValue(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

void ApplyLine(const std::string& line, JoystickConfig& config) {
    const std::vector<std::string> parts = Split(line, "=");
    if (parts.size() != 2) return;
    const std::string name = Trim(parts[0]);
    for (const ConfigKey& key : kKeys) {
        if (name == key.name) config.*key.value = ParseValue(Trim(parts[1]));
    }
}

}  // namespace

JoystickConfig& JoystickSettings() {
    static JoystickConfig settings;
    return settings;
}

void LoadJoystickConfigFrom(const std::string& path, JoystickConfig& config) {
    if (!FileExists(path)) WriteDefaults(path);
    if (config.joystick_enable != kJoystickUnset) return;
    for (const std::string& line : TextFile(path).ReadLines())
        ApplyLine(line, config);
}

void LoadJoystickConfig() {
    LoadJoystickConfigFrom(kJoystickConfigFile, JoystickSettings());
}

}  // namespace sassorbi
