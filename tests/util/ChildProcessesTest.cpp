#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

#include "tests/support/TempFolder.h"
#include "util/ChildProcesses.h"
#include "util/Files.h"
#include "util/Shell.h"

namespace sassorbi {
namespace {

// Blocks until the child has ended but leaves it unreaped, so the code under test reaps it.
siginfo_t WaitUntilEnded(idtype_t which, pid_t pid) {
    siginfo_t info{};
    EXPECT_EQ(waitid(which, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT), 0);
    return info;
}

// True when the pid is no longer a child of this process, so it left no zombie.
bool IsGone(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == -1 && errno == ECHILD;
}

class ChildProcessesTest : public TempFolderTest {
protected:
    void TearDown() override {
        if (!saved_path_.empty()) setenv("PATH", saved_path_.c_str(), 1);
        TempFolderTest::TearDown();
    }

    // Puts a fake aplay first on PATH that records its pid, name and arguments in aplay.txt.
    void InstallFakeAplay() {
        ASSERT_TRUE(CreateFolder("bin"));
        WriteFile("bin/aplay", "#!/bin/sh\nprintf '%s\\n' $$ \"${0##*/}\" \"$@\" > aplay.txt\n");
        ASSERT_EQ(chmod("bin/aplay", 0755), 0);
        saved_path_ = std::getenv("PATH");
        const std::string path = (folder_ / "bin").string() + ":" + saved_path_;
        setenv("PATH", path.c_str(), 1);
    }

private:
    std::string saved_path_;
};

TEST_F(ChildProcessesTest, AnEndedChildIsReapedAndForgotten) {
    EXPECT_EQ(RunningChildCount(), 0u);
    const pid_t pid = SpawnProgram({"sh", "-c", "exit 3"});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(RunningChildCount(), 1u);
    const siginfo_t info = WaitUntilEnded(P_PID, pid);
    EXPECT_EQ(info.si_code, CLD_EXITED);
    EXPECT_EQ(info.si_status, 3);
    EXPECT_EQ(RunningChildCount(), 1u);
    ReapChildren();
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_FALSE(IsChildRunning(pid));
    EXPECT_TRUE(IsGone(pid));
}

TEST_F(ChildProcessesTest, AMissingProgramEndsWithStatus127) {
    const pid_t pid = SpawnProgram({"./no-such-program", "arg"});
    ASSERT_GT(pid, 0);
    const siginfo_t info = WaitUntilEnded(P_PID, pid);
    EXPECT_EQ(info.si_code, CLD_EXITED);
    EXPECT_EQ(info.si_status, 127);
    EXPECT_FALSE(IsChildRunning(pid));
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_TRUE(IsGone(pid));
    EXPECT_EQ(SpawnProgram({}), -1);
    EXPECT_EQ(RunningChildCount(), 0u);
}

// A quiet program reads and writes nowhere, also when the game itself has no standard input:
// /dev/null then opens as descriptor 0 and serves all three.
TEST_F(ChildProcessesTest, AQuietProgramHasAllThreeStandardStreamsOnDevNull) {
    // Expanded before the file is opened for the output: the shell's own three streams.
    const std::vector<std::string> show = {
        "sh", "-c",
        "echo $(readlink /proc/$$/fd/0) $(readlink /proc/$$/fd/1) $(readlink /proc/$$/fd/2)"
        " > fds.txt"};
    for (const bool input_closed : {false, true}) {
        RemoveFile("fds.txt");
        const int saved = dup(STDIN_FILENO);
        if (input_closed) close(STDIN_FILENO);
        const pid_t pid = SpawnQuietProgram(show);
        dup2(saved, STDIN_FILENO);
        close(saved);
        ASSERT_GT(pid, 0);
        EXPECT_EQ(WaitForChild(pid), 0);
        EXPECT_EQ(ReadFile("fds.txt"), "/dev/null /dev/null /dev/null\n")
            << (input_closed ? "started without standard input" : "started with it");
    }
}

TEST_F(ChildProcessesTest, TerminateChildStopsOnlyOurLiveChildren) {
    const pid_t pid = SpawnProgram({"sleep", "60"});
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(IsChildRunning(pid));
    TerminateChild(pid);
    // A child that died at once was reaped by TerminateChild itself.
    if (RunningChildCount() == 1u) {
        const siginfo_t info = WaitUntilEnded(P_PID, pid);
        EXPECT_EQ(info.si_code, CLD_KILLED);
        EXPECT_EQ(info.si_status, SIGTERM);
        ReapChildren();
    }
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_TRUE(IsGone(pid));
    // Once reaped the pid is no longer ours and is never signalled again.
    TerminateChild(pid);
    TerminateChild(getpid());
    EXPECT_EQ(RunningChildCount(), 0u);
}

TEST_F(ChildProcessesTest, ReapingLeavesOtherChildrenAlone) {
    const pid_t foreign = fork();
    ASSERT_GE(foreign, 0);
    if (foreign == 0) _exit(5);
    WaitUntilEnded(P_PID, foreign);
    ReapChildren();
    EXPECT_FALSE(RunShellCommand("true"));
    int status = 0;
    ASSERT_EQ(waitpid(foreign, &status, 0), foreign);
    EXPECT_EQ(WEXITSTATUS(status), 5);
}

TEST_F(ChildProcessesTest, ShellCommandsReportFailureAsTrue) {
    EXPECT_FALSE(RunShellCommand("true"));
    EXPECT_TRUE(RunShellCommand("false"));
    EXPECT_TRUE(RunShellCommand("exit 3"));
    WriteFile("present", "");
    EXPECT_FALSE(RunProgram("test", "-f present"));
    EXPECT_TRUE(RunProgram("test", "-f absent"));
    // The arguments are one unquoted shell line.
    EXPECT_FALSE(RunProgram("echo", "a  b > out.txt"));
    EXPECT_EQ(ReadFile("out.txt"), "a b\n");
    EXPECT_EQ(RunningChildCount(), 0u);
}

TEST_F(ChildProcessesTest, BeepWithoutTheSoundStartsNothing) {
    InstallFakeAplay();
    Beep();
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_FALSE(FileExists("aplay.txt"));
}

TEST_F(ChildProcessesTest, BeepPlaysTheSoundInOneReapedChild) {
    InstallFakeAplay();
    ASSERT_TRUE(CreateFolder("Data"));
    WriteFile("Data/beep.wav", "RIFF");
    Beep();
    ASSERT_EQ(RunningChildCount(), 1u);
    const siginfo_t info = WaitUntilEnded(P_ALL, 0);
    EXPECT_EQ(info.si_code, CLD_EXITED);
    EXPECT_EQ(info.si_status, 0);
    EXPECT_EQ(ReadFile("aplay.txt"), std::to_string(info.si_pid) + "\naplay\nData/beep.wav\n");
    EXPECT_FALSE(IsChildRunning(info.si_pid));
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_TRUE(IsGone(info.si_pid));
}

TEST_F(ChildProcessesTest, AGroupChildLeadsAGroupThatOneSignalStops) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t leader = ForkChildInGroup();
    ASSERT_GE(leader, 0);
    if (leader == 0) {
        // The leader outlives the signal and reports how its own child ended.
        sigset_t terminate;
        sigemptyset(&terminate);
        sigaddset(&terminate, SIGTERM);
        sigprocmask(SIG_BLOCK, &terminate, nullptr);
        const pid_t member = fork();
        if (member == 0) {
            sigprocmask(SIG_UNBLOCK, &terminate, nullptr);
            pause();
            _exit(2);
        }
        const char ready = getpgrp() == getpid() ? 'r' : 'x';
        int status = 0;
        const bool written = write(report[1], &ready, 1) == 1;
        const bool waited = written && waitpid(member, &status, 0) == member;
        const char end = waited && WIFSIGNALED(status) ? '0' + WTERMSIG(status) : 'x';
        _exit(write(report[1], &end, 1) == 1 ? 0 : 1);
    }
    close(report[1]);
    char ready = 0;
    ASSERT_EQ(read(report[0], &ready, 1), 1);
    EXPECT_EQ(ready, 'r');
    EXPECT_EQ(getpgid(leader), leader);
    TerminateChildGroup(leader);
    char end = 0;
    ASSERT_EQ(read(report[0], &end, 1), 1);
    close(report[0]);
    EXPECT_EQ(end, '0' + SIGTERM);
    // The leader may have been reaped by TerminateChildGroup already.
    WaitForChild(leader);
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_TRUE(IsGone(leader));
    // Reaped pids and foreign processes are neither waited for nor signalled.
    EXPECT_EQ(WaitForChild(leader), -1);
    TerminateChildGroup(leader);
    EXPECT_EQ(WaitForChild(getpid()), -1);
}

TEST_F(ChildProcessesTest, WaitForChildGivesTheExitStatus) {
    const pid_t pid = SpawnProgram({"sh", "-c", "exit 4"});
    ASSERT_GT(pid, 0);
    const int status = WaitForChild(pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_TRUE(IsGone(pid));
}

volatile sig_atomic_t g_interruptions = 0;

void CountInterruption(int) {
    g_interruptions = g_interruptions + 1;
}

struct InterruptedWait {
    int status = -1;
    int interruptions = 0;
    bool gone = false;
};

// In a process of its own: a handler installed without SA_RESTART makes a blocked waitpid
// fail with EINTR, and the child signals all through its life, so the wait is interrupted
// whenever it starts. The child signals only the process that started it, never an adopter.
[[noreturn]] void WaitThroughSignals(int report) {
    struct sigaction interrupting {};
    interrupting.sa_handler = CountInterruption;
    sigemptyset(&interrupting.sa_mask);
    sigaction(SIGUSR1, &interrupting, nullptr);
    const pid_t waiter = getpid();
    const pid_t pid = ForkChild();
    if (pid == 0) {
        for (int i = 0; i < 30 && getppid() == waiter; ++i) {
            usleep(10000);
            kill(waiter, SIGUSR1);
        }
        _exit(5);
    }
    InterruptedWait result;
    result.status = WaitForChild(pid);
    result.interruptions = g_interruptions;
    result.gone = IsGone(pid);
    _exit(write(report, &result, sizeof result) == sizeof result ? 0 : 1);
}

// The wait goes on after an interruption and still gives the child's own status. It runs in a
// process of its own that is killed if it never answers, so a wait that never ends fails.
TEST_F(ChildProcessesTest, WaitForChildOutlastsSignalsThatInterruptIt) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t waiter = fork();
    ASSERT_GE(waiter, 0);
    if (waiter == 0) {
        close(report[0]);
        WaitThroughSignals(report[1]);
    }
    close(report[1]);
    pollfd answer{report[0], POLLIN, 0};
    InterruptedWait result;
    const bool answered =
        poll(&answer, 1, 20000) == 1 && read(report[0], &result, sizeof result) == sizeof result;
    close(report[0]);
    if (!answered) kill(waiter, SIGKILL);
    waitpid(waiter, nullptr, 0);
    ASSERT_TRUE(answered) << "WaitForChild never returned";
    EXPECT_GT(result.interruptions, 0);
    ASSERT_TRUE(WIFEXITED(result.status)) << result.status;
    EXPECT_EQ(WEXITSTATUS(result.status), 5);
    EXPECT_TRUE(result.gone);
}

}  // namespace
}  // namespace sassorbi
