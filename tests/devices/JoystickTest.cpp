#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/joystick.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <string>

#include "devices/Joystick.h"
#include "devices/JoystickReader.h"
#include "tests/devices/Waiting.h"
#include "tests/support/PrivateSharedMemory.h"
#include "tests/support/TempFolder.h"
#include "util/ChildProcesses.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

// Polls the shared record until the condition holds.
bool PollUntil(const std::function<bool()>& condition) {
    return WaitUntil([&] {
        JoystickPoll();
        return condition();
    });
}

bool SharedRecordExists() {
    const int shared = shm_open(kJoystickSharedName, O_RDONLY, 0);
    if (shared < 0) return false;
    close(shared);
    return true;
}

// The record as the reader has published it, read without the game's poll; all zero when
// there is none yet.
JoystickState PublishedRecord() {
    JoystickState state{};
    const int shared = shm_open(kJoystickSharedName, O_RDONLY, 0);
    if (shared < 0) return state;
    if (read(shared, &state, sizeof state) != static_cast<ssize_t>(sizeof state)) state = {};
    close(shared);
    return state;
}

bool NoDirection() {
    return !JoyLeft() && !JoyRight() && !JoyUp() && !JoyDown();
}

bool ButtonIs(int number, bool pressed) {
    return JoyButton() == number && JoyButtonPressed() == pressed;
}

// A record present and pointing left, as a reader killed while the stick was held leaves it.
bool LeaveHeldRecord() {
    const int shared = shm_open(kJoystickSharedName, O_CREAT | O_RDWR, 0600);
    if (shared < 0) return false;
    const JoystickState held{1, 0, 0, 1, 0, 0, 0};
    const bool written = write(shared, &held, sizeof held) == static_cast<ssize_t>(sizeof held);
    close(shared);
    return written;
}

bool WriteText(const char* path, const std::string& text) {
    const int file = open(path, O_WRONLY | O_CLOEXEC);
    if (file < 0) return false;
    const bool written = write(file, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(file);
    return written;
}

// The exit status of a process that cannot run here (no namespaces, no choice of pids).
constexpr int kCannotRun = 77;

// Runs body as the first process of a new pid namespace, where pids are handed out in order
// and the next one can be chosen; its exit status, or kCannotRun.
int RunInPidNamespace(const std::function<int()>& body) {
    const pid_t helper = fork();
    if (helper == 0) {
        const uid_t uid = geteuid();
        const gid_t gid = getegid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWPID) != 0) _exit(kCannotRun);
        if (!WriteText("/proc/self/setgroups", "deny") ||
            !WriteText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
            _exit(kCannotRun);
        }
        const pid_t first = fork();
        if (first == 0) _exit(body());
        int status = 0;
        if (first < 0 || waitpid(first, &status, 0) != first) _exit(kCannotRun);
        _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    }
    int status = 0;
    if (helper < 0 || waitpid(helper, &status, 0) != helper || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Standard input closed for as long as it lives, as a program started without one has it.
class WithoutStandardInput {
public:
    WithoutStandardInput() : saved_(dup(STDIN_FILENO)) { close(STDIN_FILENO); }
    ~WithoutStandardInput() {
        dup2(saved_, STDIN_FILENO);
        close(saved_);
    }
    WithoutStandardInput(const WithoutStandardInput&) = delete;
    WithoutStandardInput& operator=(const WithoutStandardInput&) = delete;

private:
    int saved_;
};

// The reader runs as the game runs it, in a forked child, on a FIFO standing in for the
// device; the test holds the FIFO open and writes the driver's event records into it.
class JoystickTest : public TempFolderTest {
protected:
    void SetUp() override {
        testing::UsePrivateSharedMemory();
        TempFolderTest::SetUp();
        shm_unlink(kJoystickSharedName);
        JoystickSettings() = JoystickConfig{};
        ASSERT_EQ(mkfifo("js0", 0600), 0);
    }

    void TearDown() override {
        CloseDevice();
        StopJoystickReader(reader_);
        JoystickShutdown();
        shm_unlink(kJoystickSharedName);
        JoystickSettings() = JoystickConfig{};
        EXPECT_EQ(RunningChildCount(), 0u);
        TempFolderTest::TearDown();
    }

    // Starts the reader with the configuration file given (the defaults when empty).
    void StartReader(const std::string& config_file = "") {
        if (!config_file.empty()) WriteFile("joystick.cfg", config_file);
        LoadJoystickConfig();
        reader_ = StartJoystickReaderOn("js0");
        ASSERT_GT(reader_, 0);
    }

    // Opens the FIFO's write end once the reader holds its read end. Opened after the fork,
    // so the reader does not inherit a write end that would keep the device alive.
    void ConnectDevice() {
        ASSERT_TRUE(WaitUntil([this] {
            device_ = open("js0", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            return device_ >= 0;
        }));
        ASSERT_EQ(fcntl(device_, F_SETFL, 0), 0);
    }

    void Send(uint8_t type, uint8_t number, int16_t value) {
        js_event event{};
        event.time = ++time_;
        event.value = value;
        event.type = type;
        event.number = number;
        ASSERT_EQ(write(device_, &event, sizeof(event)), static_cast<ssize_t>(sizeof(event)));
    }

    void SendAxis(uint8_t axis, int16_t value) { Send(JS_EVENT_AXIS, axis, value); }

    // A button event that the record shows once every event before it was handled.
    void SendMarker(uint8_t button) {
        Send(JS_EVENT_BUTTON, button, 1);
        ASSERT_TRUE(PollUntil([button] { return ButtonIs(button, true); }));
    }

    void CloseDevice() {
        if (device_ >= 0) close(device_);
        device_ = -1;
    }

    // The reader's end: it must have ended by itself, with status 0, and be reaped.
    void ExpectReaderEnded() {
        EXPECT_TRUE(EndedNormally(EndOf(reader_)));
        EXPECT_FALSE(IsChildRunning(reader_));
        reader_ = -1;
    }

    int device_ = -1;
    pid_t reader_ = -1;
    uint32_t time_ = 0;
};

TEST_F(JoystickTest, InitialStateEventsAreIgnored) {
    StartReader();
    ConnectDevice();
    Send(JS_EVENT_INIT | JS_EVENT_AXIS, 0, -20000);
    Send(JS_EVENT_INIT | JS_EVENT_AXIS, 1, 20000);
    SendMarker(5);
    EXPECT_TRUE(NoDirection());
    Send(JS_EVENT_INIT | JS_EVENT_BUTTON, 3, 0);
    SendAxis(0, 100);
    ASSERT_TRUE(PollUntil(JoyRight));
    EXPECT_TRUE(ButtonIs(5, true));
}

TEST_F(JoystickTest, OneAxisEventSetsAtMostOneDirection) {
    StartReader();
    ConnectDevice();
    SendAxis(0, -100);
    ASSERT_TRUE(PollUntil(JoyLeft));
    EXPECT_FALSE(JoyRight() || JoyUp() || JoyDown());
    // The other axis replaces the direction instead of adding to it.
    SendAxis(1, -32767);
    ASSERT_TRUE(PollUntil(JoyUp));
    EXPECT_FALSE(JoyLeft());
    SendAxis(1, 32767);
    ASSERT_TRUE(PollUntil(JoyDown));
    EXPECT_FALSE(JoyUp());
    SendAxis(0, 1);
    ASSERT_TRUE(PollUntil(JoyRight));
    EXPECT_FALSE(JoyDown());
    // A centred stick and the one value outside every default range select nothing.
    SendAxis(0, 0);
    SendMarker(1);
    EXPECT_TRUE(NoDirection());
    SendAxis(1, -32768);
    SendMarker(2);
    EXPECT_TRUE(NoDirection());
    // An axis that is neither X nor Y clears every direction.
    SendAxis(1, -5);
    ASSERT_TRUE(PollUntil(JoyUp));
    SendAxis(2, -5);
    SendMarker(3);
    EXPECT_TRUE(NoDirection());
}

// A game without standard input opens the record as descriptor 0, as good as any other.
TEST_F(JoystickTest, AGameWithoutStandardInputStillReadsTheRecord) {
    // Else the device could take descriptor 0, and closing it would end the reader.
    if (fcntl(STDIN_FILENO, F_GETFD) == -1) GTEST_SKIP() << "started without standard input";
    StartReader();
    ConnectDevice();
    SendAxis(0, -100);
    Send(JS_EVENT_BUTTON, 4, 1);
    // Published, and not yet opened by the game: its first poll opens it.
    ASSERT_TRUE(WaitUntil([] { return PublishedRecord().button_pressed != 0; }));
    const WithoutStandardInput closed;
    ASSERT_EQ(fcntl(STDIN_FILENO, F_GETFD), -1);
    JoystickPoll();
    EXPECT_TRUE(JoyLeft());
    EXPECT_TRUE(ButtonIs(4, true));
}

TEST_F(JoystickTest, ConfiguredAxesAndRangesAndButtons) {
    StartReader(
        "JoystickEnable= 1\nAixsXCfg= 3\nAixsYCfg= 4\n"
        "MinValueLeftCfg= 100\nMaxValueLeftCfg= 200\n"
        "MinValueRightCfg= 300\nMaxValueRightCfg= 400\n"
        "MinValueUpCfg= -10\nMaxValueUpCfg= 10\n"
        "MinValueDownCfg= 11\nMaxValueDownCfg= 20\n");
    ConnectDevice();
    SendAxis(3, 150);
    ASSERT_TRUE(PollUntil(JoyLeft));
    SendAxis(4, 0);
    ASSERT_TRUE(PollUntil(JoyUp));
    SendAxis(0, -100);  // The default X axis is no longer X.
    SendMarker(9);
    EXPECT_TRUE(NoDirection());
    SendAxis(3, 400);
    ASSERT_TRUE(PollUntil(JoyRight));
    Send(JS_EVENT_BUTTON, 9, 0);
    ASSERT_TRUE(PollUntil([] { return ButtonIs(9, false); }));
    Send(JS_EVENT_BUTTON, 255, -1);
    ASSERT_TRUE(PollUntil([] { return ButtonIs(255, true); }));
    EXPECT_TRUE(JoyRight());
}

TEST_F(JoystickTest, TheReaderEndsAndRemovesTheRecordWhenTheDeviceGoesAway) {
    StartReader();
    ConnectDevice();
    SendAxis(0, -1);
    ASSERT_TRUE(PollUntil(JoyLeft));
    CloseDevice();
    // Gone from the names before the game has seen the reader end: the record the game
    // still has mapped reads all false.
    ASSERT_TRUE(WaitUntil([] { return !SharedRecordExists(); }));
    JoystickPoll();
    EXPECT_FALSE(JoyLeft());
    ExpectReaderEnded();
    JoystickPoll();
    EXPECT_FALSE(JoyLeft());
    EXPECT_EQ(JoyButton(), 0);
}

// Killed as the stick is held, the reader leaves its record behind, present and pointing
// left; once the game has seen it end, the record no longer steers.
TEST_F(JoystickTest, AReaderThatDiesWhileTheStickIsHeldNoLongerSteers) {
    StartReader();
    ConnectDevice();
    SendAxis(0, -1);
    ASSERT_TRUE(PollUntil(JoyLeft));
    kill(reader_, SIGKILL);
    ASSERT_TRUE(WaitUntil([this] { return !IsChildRunning(reader_); }));
    reader_ = -1;
    ASSERT_TRUE(SharedRecordExists());
    JoystickPoll();
    EXPECT_FALSE(JoyLeft());
}

// The reader's pid is free again once it has been reaped, and a later child of the game may
// get it: the dead reader's record, left pointing, must not steer the ship again. Played in a
// pid namespace of its own, where the game can hand the reader's pid to its next child.
TEST_F(JoystickTest, ALaterChildWithTheDeadReadersPidDoesNotMakeItsRecordSteer) {
    LoadJoystickConfig();
    const int result = RunInPidNamespace([] {
        const pid_t reader = StartJoystickReaderOn("js0");  // waits for the device for ever
        if (reader <= 0 || !LeaveHeldRecord()) return 10;
        JoystickPoll();
        if (!JoyLeft()) return 11;  // a running reader's record steers
        kill(reader, SIGKILL);
        if (!WaitUntil([reader] { return !IsChildRunning(reader); })) return 12;
        if (!WriteText("/proc/sys/kernel/ns_last_pid", std::to_string(reader - 1)))
            return kCannotRun;
        const pid_t later = ForkChild();
        if (later == 0) {
            pause();
            _exit(0);
        }
        JoystickPoll();
        const bool steered = JoyLeft();
        TerminateChild(later);
        WaitUntil([later] { return !IsChildRunning(later); });
        if (later != reader) return kCannotRun;
        return steered ? 1 : 0;
    });
    if (result == kCannotRun) GTEST_SKIP() << "no pid namespace of its own here";
    EXPECT_EQ(result, 0) << "1: the dead reader's record steered the ship again";
}

// A reader told to stop publishes nothing more, even while it has not ended yet (stopped
// here, so the stop's short wait runs out): the record it leaves pointing no longer steers.
TEST_F(JoystickTest, AReaderToldToStopNoLongerSteersBeforeItHasEnded) {
    StartReader();
    ConnectDevice();
    SendAxis(0, -1);
    ASSERT_TRUE(PollUntil(JoyLeft));
    kill(reader_, SIGSTOP);
    siginfo_t stopped{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(reader_), &stopped, WSTOPPED | WNOWAIT), 0);
    StopJoystickReader(reader_);
    ASSERT_TRUE(IsChildRunning(reader_)) << "stopped, it cannot have ended";
    JoystickPoll();
    EXPECT_FALSE(JoyLeft());
    kill(reader_, SIGCONT);  // the pending SIGTERM ends it
    ASSERT_TRUE(WaitUntil([this] { return !IsChildRunning(reader_); }));
    reader_ = -1;
}

// A reader started while an earlier one still runs is the one that counts, also after the
// earlier one has ended.
TEST_F(JoystickTest, TheEndOfAnEarlierReaderDoesNotSilenceTheNextOne) {
    ASSERT_EQ(mkfifo("js1", 0600), 0);
    LoadJoystickConfig();
    const pid_t earlier = StartJoystickReaderOn("js1");  // waits for its device for ever
    ASSERT_GT(earlier, 0);
    StartReader();
    ConnectDevice();
    SendAxis(0, -1);
    ASSERT_TRUE(PollUntil(JoyLeft));
    kill(earlier, SIGKILL);
    ASSERT_TRUE(WaitUntil([earlier] { return !IsChildRunning(earlier); }));
    JoystickPoll();
    EXPECT_TRUE(JoyLeft());
}

TEST_F(JoystickTest, AStoppedReaderLeavesTheRecordForShutdownToRemove) {
    StartReader();
    ConnectDevice();
    SendMarker(4);
    StopJoystickReader(reader_);
    EXPECT_FALSE(IsChildRunning(reader_));
    EXPECT_TRUE(SharedRecordExists());
    JoystickShutdown();
    EXPECT_FALSE(SharedRecordExists());
    reader_ = -1;
}

TEST_F(JoystickTest, ADisabledJoystickCreatesNoRecord) {
    StartReader("JoystickEnable=0\n");
    ExpectReaderEnded();
    EXPECT_FALSE(SharedRecordExists());
    JoystickPoll();
    EXPECT_FALSE(JoyLeft());
    EXPECT_FALSE(FileExists("log.txt"));
}

TEST_F(JoystickTest, AnUnconfiguredOrMissingJoystickIsLogged) {
    StartReader("AixsXCfg= 0\n");
    ExpectReaderEnded();
    EXPECT_FALSE(SharedRecordExists());
    EXPECT_EQ(ReadFile("log.txt"), "Errore lettura configurazione joystick\n");
    JoystickPoll();  // The first poll of the run logs it too.
    EXPECT_EQ(ReadFile("log.txt"),
              "Errore lettura configurazione joystick\nErrore lettura configurazione joystick\n");
    RemoveFile("log.txt");
    WriteFile("joystick.cfg", "JoystickEnable= 1\n");
    reader_ = StartJoystickReaderOn("absent");
    ExpectReaderEnded();
    EXPECT_EQ(ReadFile("log.txt"), "Could not open joystick. Use the cursor keys to move.\n");
    EXPECT_FALSE(SharedRecordExists());
}

// Where no process may be started (here: a user allowed none), the game goes on with the keys:
// the start fails, says so, and nothing is taken for a reader.
TEST_F(JoystickTest, AReaderThatCannotBeStartedIsLoggedAndNothingSteers) {
    WriteFile("joystick.cfg", "JoystickEnable= 1\n");
    ASSERT_EQ(chmod(".", 0777), 0);
    const pid_t helper = fork();
    if (helper == 0) {
        const rlimit none{0, 0};
        if (setgid(65534) != 0 || setuid(65534) != 0 || setrlimit(RLIMIT_NPROC, &none) != 0)
            _exit(kCannotRun);
        const pid_t reader = StartJoystickReaderOn("js0");
        if (reader > 0) {
            kill(reader, SIGKILL);
            _exit(kCannotRun);
        }
        JoystickPoll();
        _exit(reader == -1 && RunningChildCount() == 0 && NoDirection() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(helper, &status, 0), helper);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kCannotRun) GTEST_SKIP() << "processes cannot be limited here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFile("log.txt"), "Could not open joystick. Use the cursor keys to move.\n");
}

// The game starts its reader and then reads the configuration itself: on a first run, with
// no file yet, the two must never write it at once and read it half-written.
TEST_F(JoystickTest, AFirstRunsReaderAndGameNeverReadAHalfWrittenConfiguration) {
    for (int round = 0; round < 200; ++round) {
        RemoveFile("joystick.cfg");
        JoystickSettings() = JoystickConfig{};
        reader_ = StartJoystickReaderOn("absent");
        usleep(static_cast<useconds_t>(round % 40) * 50);  // the game's start takes a while
        LoadJoystickConfig();
        ASSERT_NE(JoystickSettings().joystick_enable, kJoystickUnset) << "round " << round;
        ExpectReaderEnded();
    }
    EXPECT_EQ(ReadFile("log.txt").find("Errore lettura configurazione joystick"),
              std::string::npos);
}

// The game polls a hundred times a second: a configuration without JoystickEnable is
// reported by the first poll of the run at most, never by every poll.
TEST_F(JoystickTest, AnUnconfiguredJoystickIsNotLoggedAtEveryPoll) {
    WriteFile("joystick.cfg", "AxisXCfg= 0\n");
    LoadJoystickConfig();
    ASSERT_EQ(JoystickSettings().joystick_enable, kJoystickUnset);
    RemoveFile("log.txt");
    for (int poll = 0; poll < 5; ++poll)
        JoystickPoll();
    const std::string log = FileExists("log.txt") ? ReadFile("log.txt") : std::string();
    EXPECT_TRUE(log.empty() || log == "Errore lettura configurazione joystick\n") << log;
    EXPECT_FALSE(JoyLeft());
}

// A record that a killed game left behind, present and pointing left, is not this run's:
// a reader that cannot open its device removes it.
TEST_F(JoystickTest, AReaderWithoutItsDeviceRemovesARecordLeftBehind) {
    const int shared = shm_open(kJoystickSharedName, O_CREAT | O_RDWR, 0600);
    ASSERT_GE(shared, 0);
    const JoystickState held{1, 0, 0, 1, 0, 0, 0};
    ASSERT_EQ(write(shared, &held, sizeof held), static_cast<ssize_t>(sizeof held));
    close(shared);
    JoystickConfig config;
    config.joystick_enable = 1;
    RunJoystickReaderOn("absent", config);
    EXPECT_FALSE(SharedRecordExists());
    EXPECT_EQ(ReadFile("log.txt"), "Could not open joystick. Use the cursor keys to move.\n");
}

// The reader of a traced game, stopped as it leaves its first getppid: the moment when the
// reader has just checked that its game lives. 0 when ptrace is not allowed here.
pid_t ReaderStoppedAfterItsCheck(pid_t game) {
    int status = 0;
    if (waitpid(game, &status, 0) != game || !WIFSTOPPED(status)) return 0;
    if (ptrace(PTRACE_SETOPTIONS, game, nullptr, PTRACE_O_TRACEFORK | PTRACE_O_EXITKILL) != 0)
        return 0;
    ptrace(PTRACE_CONT, game, nullptr, nullptr);
    if (waitpid(game, &status, 0) != game || status >> 8 != (SIGTRAP | PTRACE_EVENT_FORK << 8))
        return 0;
    unsigned long reader = 0;
    ptrace(PTRACE_GETEVENTMSG, game, nullptr, &reader);
    const auto pid = static_cast<pid_t>(reader);
    waitpid(pid, &status, __WALL);  // its first stop, before it runs
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    uint64_t last_call = 0;
    for (int signal = 0;;) {
        ptrace(PTRACE_SYSCALL, pid, nullptr, signal);
        if (waitpid(pid, &status, __WALL) != pid || !WIFSTOPPED(status)) return 0;
        signal = 0;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);  // passed on
            continue;
        }
        __ptrace_syscall_info info{};
        ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof info, &info);
        if (info.op == PTRACE_SYSCALL_INFO_ENTRY) last_call = info.entry.nr;
        if (info.op == PTRACE_SYSCALL_INFO_EXIT && last_call == SYS_getppid) return pid;
    }
}

// The game dies at the worst moment for its reader, just after the reader has checked that
// its game lives: the reader still ends with it rather than living on, orphaned.
TEST_F(JoystickTest, AReaderWhoseGameDiesJustAfterItsCheckEndsWithIt) {
    LoadJoystickConfig();
    prctl(PR_SET_CHILD_SUBREAPER, 1);  // the orphaned reader comes here
    const pid_t game = fork();
    ASSERT_GE(game, 0);
    if (game == 0) {
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);
        StartJoystickReaderOn("js0");  // the reader then waits for the device to open
        for (;;)
            pause();
    }
    const pid_t reader = ReaderStoppedAfterItsCheck(game);
    if (reader == 0) {
        kill(game, SIGKILL);
        waitpid(game, nullptr, 0);
        GTEST_SKIP() << "ptrace is not allowed here";
    }
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    ptrace(PTRACE_DETACH, reader, nullptr, nullptr);
    int status = 0;
    const bool ended = WaitUntil([&] { return waitpid(reader, &status, WNOHANG) == reader; });
    if (!ended) {
        kill(reader, SIGKILL);
        waitpid(reader, nullptr, 0);
    }
    EXPECT_TRUE(ended) << "the reader outlived its game";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
}

TEST_F(JoystickTest, ARecordWithoutItsSizeReadsAsAbsent) {
    StartReader();  // waits for the device, which never opens
    // As the reader leaves it between creating the object and sizing it.
    const int shared = shm_open(kJoystickSharedName, O_CREAT | O_RDWR, 0600);
    ASSERT_GE(shared, 0);
    close(shared);
    JoystickSettings().joystick_enable = 1;
    JoystickPoll();
    EXPECT_TRUE(NoDirection());
    EXPECT_FALSE(JoyButtonPressed());
    // Once the record has its size, the next poll reads it.
    const int sized = shm_open(kJoystickSharedName, O_RDWR, 0600);
    ASSERT_GE(sized, 0);
    const JoystickState held{1, 0, 0, 1, 0, 0, 0};
    ASSERT_EQ(write(sized, &held, sizeof held), static_cast<ssize_t>(sizeof held));
    close(sized);
    JoystickPoll();
    EXPECT_TRUE(JoyLeft());
}

}  // namespace
}  // namespace sassorbi
