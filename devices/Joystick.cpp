#include "devices/Joystick.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "util/Log.h"
#include "devices/JoystickReader.h"
#include "util/ChildProcesses.h"

namespace sassorbi {
namespace {

constexpr size_t kStateSize = sizeof(JoystickState);
constexpr int kStopWaitSteps = 100;
constexpr useconds_t kStopWaitStep = 10000;

struct GameSide {
    JoystickState polled{};
    bool reader_started = false;
    pid_t reader = -1;
    // Kept while the reader runs: the game polls a hundred times a second, and opening and
    // mapping the record at every poll cost about as much as the rest of a play step.
    void* record = nullptr;
};

GameSide& Side() {
    static GameSide side;
    return side;
}

// The reader's record; nullptr when there is none or it has no size yet (mapping past its
// end would fault on the first read).
void* MapSharedRecord() {
    const int shared = shm_open(kJoystickSharedName, O_RDONLY | O_CLOEXEC, 0);
    if (shared < 0) return nullptr;
    void* memory = MAP_FAILED;
    struct stat info {};
    if (fstat(shared, &info) == 0 && info.st_size >= static_cast<off_t>(kStateSize))
        memory = mmap(nullptr, kStateSize, PROT_READ, MAP_SHARED, shared, 0);
    close(shared);
    return memory != MAP_FAILED ? memory : nullptr;
}

// Once the reader has ended or been told to stop, its record says nothing (a stick held as it
// died must not steer the ship on), and its pid, once reaped, may be any later child's.
void ForgetReader() {
    GameSide& side = Side();
    if (side.record != nullptr) munmap(side.record, kStateSize);
    side.record = nullptr;
    side.reader = -1;
}

// Told as the reader is reaped, so that it is forgotten before a later child can take its pid,
// whether or not the game polls in between.
void OnReaderEnd(int) {
    ForgetReader();
}

// Only a running reader of this game publishes.
JoystickState ReadSharedState() {
    GameSide& side = Side();
    if (side.reader <= 0 || !IsChildRecorded(side.reader)) {
        ForgetReader();
        return JoystickState{};
    }
    if (side.record == nullptr) side.record = MapSharedRecord();
    JoystickState state{};
    if (side.record != nullptr) std::memcpy(&state, side.record, kStateSize);
    return state;
}

// The child's whole life: it must never return into the game's code.
[[noreturn]] void RunReaderChild(const std::string& device) {
    LoadJoystickConfig();
    RunJoystickReaderOn(device, JoystickSettings());
    _exit(0);
}

bool IsPresent() {
    return Side().polled.present != 0;
}

}  // namespace

pid_t StartJoystickReader() {
    return StartJoystickReaderOn(JoystickDevicePath(-1));
}

pid_t StartJoystickReaderOn(const std::string& device) {
    // A game killed while the stick was held left its record present and pointing; only the
    // reader started now may publish one, so the game never steers by another run's.
    shm_unlink(kJoystickSharedName);
    // An earlier reader still running no longer counts; its end must not forget this one.
    if (Side().reader > 0) SetChildEndHandler(Side().reader, nullptr);
    ForgetReader();
    // Read, or written with its defaults when missing, before the fork: the reader and the
    // game starting beside it would otherwise both write a missing file, and one of them could
    // read it half-written and take the joystick for unconfigured.
    LoadJoystickConfig();
    const pid_t parent = getpid();
    const pid_t pid = ForkChild();
    if (pid == 0) {
        // Ends with the game even if the game dies without stopping it. Armed first, then the
        // game is checked: a game that died before the arming is seen, one that dies after it
        // sends the signal; checking first would leave a gap between the two.
        std::signal(SIGTERM, SIG_DFL);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(0);
        RunReaderChild(device);
    }
    if (pid < 0) {
        WriteLog("Could not open joystick. Use the cursor keys to move.");
        return -1;
    }
    Side().reader_started = true;
    Side().reader = pid;
    SetChildEndHandler(pid, OnReaderEnd);
    return pid;
}

void StopJoystickReader(pid_t pid) {
    if (pid <= 0) return;
    // Told to stop, it publishes nothing more, though it may take a while to end.
    if (pid == Side().reader) ForgetReader();
    TerminateChild(pid);
    // Gone before JoystickShutdown, so it cannot publish the name again after its removal.
    for (int step = 0; step < kStopWaitSteps && IsChildRunning(pid); ++step)
        usleep(kStopWaitStep);
}

void JoystickPoll() {
    const int32_t enable = JoystickSettings().joystick_enable;
    // Once per run: the game polls a hundred times a second.
    static bool reported = false;
    if (enable == kJoystickUnset && !reported) {
        WriteLog("Errore lettura configurazione joystick");
        reported = true;
    }
    if (enable == kJoystickUnset || enable == 0) return;
    Side().polled = ReadSharedState();
}

bool JoyLeft() {
    return IsPresent() && Side().polled.left != 0;
}

bool JoyRight() {
    return IsPresent() && Side().polled.right != 0;
}

bool JoyUp() {
    return IsPresent() && Side().polled.up != 0;
}

bool JoyDown() {
    return IsPresent() && Side().polled.down != 0;
}

bool JoyButtonPressed() {
    return IsPresent() && Side().polled.button_pressed != 0;
}

int JoyButton() {
    return IsPresent() ? Side().polled.button : 0;
}

void JoystickShutdown() {
    // A reader stopped by SIGTERM leaves the name behind; the game removes it.
    if (Side().reader_started || IsPresent()) shm_unlink(kJoystickSharedName);
    ForgetReader();
    Side() = GameSide{};
}

}  // namespace sassorbi
