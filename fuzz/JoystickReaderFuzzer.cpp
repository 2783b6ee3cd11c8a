// The joystick reader's event loop on any device content. The input starts with the eleven
// settings as 32-bit little-endian values (missing ones take the defaults the game writes);
// the rest is the device: 8-byte event records, possibly cut short.

#include <fcntl.h>
#include <linux/joystick.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "devices/JoystickConfig.h"
#include "devices/JoystickReader.h"
#include "fuzz/FuzzSupport.h"

namespace sassorbi {
namespace {

constexpr const char* kDevice = "js0";
constexpr size_t kSettings = 11;
constexpr size_t kRecord = 8;

int32_t JoystickConfig::*const kFields[kSettings] = {
    &JoystickConfig::joystick_enable,     &JoystickConfig::aixs_x_cfg,
    &JoystickConfig::aixs_y_cfg,          &JoystickConfig::min_value_left_cfg,
    &JoystickConfig::max_value_left_cfg,  &JoystickConfig::min_value_right_cfg,
    &JoystickConfig::max_value_right_cfg, &JoystickConfig::min_value_up_cfg,
    &JoystickConfig::max_value_up_cfg,    &JoystickConfig::min_value_down_cfg,
    &JoystickConfig::max_value_down_cfg,
};
constexpr int32_t kDefaults[kSettings] = {1, 0, 1, -32767, -1, 1, 32767, -32767, -1, 1, 32767};

bool Within(int value, int32_t low, int32_t high) {
    return low <= value && value <= high;
}

// The record the reader must leave, worked out from the rules one event at a time.
JoystickState Expected(const JoystickConfig& config, const uint8_t* device, size_t size) {
    JoystickState state{};
    state.present = 1;
    for (size_t at = 0; at + kRecord <= size; at += kRecord) {
        const int value = static_cast<int16_t>(Le16(device + at + 4));
        const uint8_t type = device[at + 6];
        const uint8_t number = device[at + 7];
        if (type == JS_EVENT_BUTTON) {
            state.button = number;
            state.button_pressed = value != 0;
        } else if (type == JS_EVENT_AXIS) {
            state.up = state.down = state.left = state.right = 0;
            if (number == config.aixs_x_cfg) {
                if (Within(value, config.min_value_left_cfg, config.max_value_left_cfg)) {
                    state.left = 1;
                } else if (Within(value, config.min_value_right_cfg, config.max_value_right_cfg)) {
                    state.right = 1;
                }
            } else if (number == config.aixs_y_cfg) {
                if (Within(value, config.min_value_up_cfg, config.max_value_up_cfg)) {
                    state.up = 1;
                } else if (Within(value, config.min_value_down_cfg, config.max_value_down_cfg)) {
                    state.down = 1;
                }
            }
        }
    }
    return state;
}

bool SharedNameExists() {
    const int shared = shm_open(kJoystickSharedName, O_RDONLY, 0);
    if (shared < 0) return false;
    close(shared);
    return true;
}

void Run(const uint8_t* data, size_t size) {
    JoystickConfig config;
    for (size_t i = 0; i < kSettings; ++i) {
        const bool given = size >= (i + 1) * 4;
        config.*kFields[i] = given ? static_cast<int32_t>(Le32(data + i * 4)) : kDefaults[i];
    }
    const size_t skip = size < kSettings * 4 ? size : kSettings * 4;
    const uint8_t* device = data + skip;
    const size_t device_size = size - skip;
    WriteInputFile(kDevice, device, device_size);

    // A mapping of our own outlives the reader's removal of the name, so the record it left
    // can be looked at.
    shm_unlink(kJoystickSharedName);
    const int shared = shm_open(kJoystickSharedName, O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    Check(shared >= 0 && ftruncate(shared, sizeof(JoystickState)) == 0,
          "the shared record can be made");
    void* memory =
        mmap(nullptr, sizeof(JoystickState), PROT_READ | PROT_WRITE, MAP_SHARED, shared, 0);
    close(shared);
    Check(memory != MAP_FAILED, "the shared record can be mapped");

    // The reader's rules, event by event over the whole records, as its loop applies them.
    JoystickState applied{};
    applied.present = 1;
    for (size_t at = 0; at + kRecord <= device_size; at += kRecord) {
        js_event event{};
        std::memcpy(&event, device + at, kRecord);
        ApplyJoystickEvent(event, config, &applied);
    }
    const JoystickState expected = Expected(config, device, device_size);
    Check(std::memcmp(&applied, &expected, sizeof expected) == 0,
          "the record holds what the events give");
    Check(applied.up + applied.down + applied.left + applied.right <= 1,
          "at most one direction is set");

    RunJoystickReaderOn(kDevice, config);

    const bool runs = config.joystick_enable != kJoystickUnset && config.joystick_enable != 0;
    const JoystickState clear{};
    Check(std::memcmp(memory, &clear, sizeof clear) == 0,
          "a reader that has ended leaves the record all clear");
    Check(SharedNameExists() != runs, "the reader removes the shared name when it ends");
    munmap(memory, sizeof(JoystickState));
    shm_unlink(kJoystickSharedName);
}

}  // namespace
}  // namespace sassorbi

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sassorbi::EnterPrivateFolder();
    sassorbi::Run(data, size);
    sassorbi::ForgetLog();
    return 0;
}
