// The joystick configuration parser on any file content.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "devices/JoystickConfig.h"
#include "fuzz/FuzzSupport.h"

namespace sassorbi {
namespace {

constexpr const char* kPath = "joystick.cfg";

struct Key {
    const char* name;
    int32_t JoystickConfig::*value;
};

const Key kKeys[] = {
    {"JoystickEnable", &JoystickConfig::joystick_enable},
    {"AixsXCfg", &JoystickConfig::aixs_x_cfg},
    {"AixsYCfg", &JoystickConfig::aixs_y_cfg},
    {"MinValueLeftCfg", &JoystickConfig::min_value_left_cfg},
    {"MaxValueLeftCfg", &JoystickConfig::max_value_left_cfg},
    {"MinValueRightCfg", &JoystickConfig::min_value_right_cfg},
    {"MaxValueRightCfg", &JoystickConfig::max_value_right_cfg},
    {"MinValueUpCfg", &JoystickConfig::min_value_up_cfg},
    {"MaxValueUpCfg", &JoystickConfig::max_value_up_cfg},
    {"MinValueDownCfg", &JoystickConfig::min_value_down_cfg},
    {"MaxValueDownCfg", &JoystickConfig::max_value_down_cfg},
};

bool SameConfig(const JoystickConfig& a, const JoystickConfig& b) {
    for (const Key& key : kKeys) {
        if (a.*key.value != b.*key.value) return false;
    }
    return true;
}

void Load(const std::string& text) {
    JoystickConfig config;
    LoadJoystickConfigFrom(kPath, config);
    Check(ReadWholeFile(kPath) == text, "an existing file is never rewritten");
    for (const Key& key : kKeys) {
        Check(text.find(key.name) != std::string::npos || config.*key.value == kJoystickUnset,
              "a key the file does not name stays unset");
    }
    // Read again only while JoystickEnable is unset, and then with the same result.
    JoystickConfig again = config;
    LoadJoystickConfigFrom(kPath, again);
    Check(SameConfig(config, again), "loading twice gives the same settings");
}

}  // namespace
}  // namespace sassorbi

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sassorbi::EnterPrivateFolder();
    sassorbi::WriteInputFile(sassorbi::kPath, data, size);
    sassorbi::Load(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
