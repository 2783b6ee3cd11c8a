#pragma once
// The joystick reader: the child process that turns Linux joystick events into the shared
// JoystickState record, so the game's event loop never blocks on the device.

#include <linux/joystick.h>

#include <cstdint>
#include <string>

#include "devices/JoystickConfig.h"

namespace sassorbi {

constexpr const char* kJoystickSharedName = "/mem_shared_hardJoy";

// The shared record, one byte per field, written only by the reader.
struct JoystickState {
    uint8_t present;  // The reader has the device open.
    uint8_t up;       // At most one direction is set: the one of the last axis event.
    uint8_t down;
    uint8_t left;
    uint8_t right;
    uint8_t button;  // The button of the last button event.
    uint8_t button_pressed;
};
static_assert(sizeof(JoystickState) == 7, "the shared record is seven bytes");

// One event record's effect on the record: an axis event rewrites all four directions, a
// button event the button; any other type, the driver's initial-state events included, none.
void ApplyJoystickEvent(const js_event& event, const JoystickConfig& config, JoystickState* state);

// -1 selects /dev/input/js0, any other N /dev/input/jsN.
std::string JoystickDevicePath(int device_index);

// The reader's whole work on the device path with the given settings: returns when the
// joystick is disabled or unconfigured, the device cannot be opened, or it ends or fails;
// the shared name is removed when the device was open or could not be opened, and a record
// it published is cleared first.
void RunJoystickReaderOn(const std::string& device, const JoystickConfig& config);

// The child's entry: loads joystick.cfg, then RunJoystickReaderOn the indexed device.
void RunJoystickReader(int device_index);

}  // namespace sassorbi
