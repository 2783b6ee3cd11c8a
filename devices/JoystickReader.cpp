#include "devices/JoystickReader.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

#include "util/Log.h"

namespace sassorbi {
namespace {

constexpr size_t kStateSize = sizeof(JoystickState);

// A whole event record, or false at the end of the device or on an error.
bool ReadEvent(int device, js_event* event) {
    char* bytes = reinterpret_cast<char*>(event);
    size_t count = 0;
    while (count < sizeof(js_event)) {
        const ssize_t result = read(device, bytes + count, sizeof(js_event) - count);
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) return false;
        count += static_cast<size_t>(result);
    }
    return true;
}

bool InRange(int value, int32_t low, int32_t high) {
    return low <= value && value <= high;
}

// All four directions are rewritten, so the other axis, or any axis but X and Y, clears them.
void ApplyAxis(const js_event& event, const JoystickConfig& config, JoystickState* state) {
    bool up = false, down = false, left = false, right = false;
    if (event.number == config.aixs_x_cfg) {
        left = InRange(event.value, config.min_value_left_cfg, config.max_value_left_cfg);
        right =
            !left && InRange(event.value, config.min_value_right_cfg, config.max_value_right_cfg);
    } else if (event.number == config.aixs_y_cfg) {
        up = InRange(event.value, config.min_value_up_cfg, config.max_value_up_cfg);
        down = !up && InRange(event.value, config.min_value_down_cfg, config.max_value_down_cfg);
    }
    state->up = up;
    state->down = down;
    state->left = left;
    state->right = right;
}

// Maps the shared record, creating it if needed; nullptr, logged, when that fails.
JoystickState* MapSharedState() {
    const int shared = shm_open(kJoystickSharedName, O_CREAT | O_RDWR | O_CLOEXEC, 0666);
    if (shared < 0) {
        WriteLog("shm_open fallita");
        return nullptr;
    }
    void* memory = MAP_FAILED;
    if (ftruncate(shared, kStateSize) == 0)
        memory = mmap(nullptr, kStateSize, PROT_READ | PROT_WRITE, MAP_SHARED, shared, 0);
    close(shared);  // The mapping stays valid without the descriptor.
    if (memory != MAP_FAILED) return static_cast<JoystickState*>(memory);
    WriteLog("mmap fallita");
    return nullptr;
}

void PublishEvents(int device, const JoystickConfig& config) {
    JoystickState* state = MapSharedState();
    if (state == nullptr) return;
    *state = JoystickState{};
    state->present = 1;
    js_event event{};
    while (ReadEvent(device, &event))
        ApplyJoystickEvent(event, config, state);
    // A game that keeps the record mapped reads all false from now on, name or no name.
    *state = JoystickState{};
    munmap(state, kStateSize);
}

}  // namespace

// Exact type matches: the driver's initial-state events (JS_EVENT_INIT set) are ignored.
void ApplyJoystickEvent(const js_event& event, const JoystickConfig& config, JoystickState* state) {
    if (event.type == JS_EVENT_AXIS) {
        ApplyAxis(event, config, state);
    } else if (event.type == JS_EVENT_BUTTON) {
        state->button = event.number;
        state->button_pressed = event.value != 0;
    }
}

std::string JoystickDevicePath(int device_index) {
    if (device_index == -1) device_index = 0;
    return "/dev/input/js" + std::to_string(device_index);
}

void RunJoystickReaderOn(const std::string& device, const JoystickConfig& config) {
    if (config.joystick_enable == kJoystickUnset) {
        WriteLog("Errore lettura configurazione joystick");
        return;
    }
    if (config.joystick_enable == 0) return;
    const int descriptor = open(device.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        WriteLog("Could not open joystick. Use the cursor keys to move.");
        // Whatever record is there was not written by this reader: no poll may trust it.
        shm_unlink(kJoystickSharedName);
        return;
    }
    PublishEvents(descriptor, config);
    close(descriptor);
    // The device is gone: later polls find no record and read all false.
    shm_unlink(kJoystickSharedName);
}

void RunJoystickReader(int device_index) {
    LoadJoystickConfig();
    RunJoystickReaderOn(JoystickDevicePath(device_index), JoystickSettings());
}

}  // namespace sassorbi
