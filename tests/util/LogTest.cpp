// The log: one line per message, on standard output and in log.txt, whatever happens to the file.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "util/Files.h"
#include "util/Log.h"
#include "tests/support/TempFolder.h"

namespace sassorbi {
namespace {

using LogTest = TempFolderTest;

// What a child process that runs `log` writes on its standard output, read through a pipe.
std::string StandardOutputOf(void (*log)()) {
    int out[2];
    if (pipe(out) != 0) return "no pipe";
    std::fflush(stdout);  // or the child would pass on this process's pending output
    const pid_t pid = fork();
    if (pid == 0) {
        close(out[0]);
        dup2(out[1], STDOUT_FILENO);
        log();
        _exit(0);
    }
    close(out[1]);
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = read(out[0], chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<size_t>(n));
    close(out[0]);
    waitpid(pid, nullptr, 0);
    return text;
}

void LogTwoMessages() {
    WriteLog("first");
    WriteLogString("second\nspans two lines");
}

TEST_F(LogTest, EachMessageIsOneLineInOrderOnStandardOutputAndInTheFile) {
    EXPECT_EQ(StandardOutputOf(LogTwoMessages), "first\nsecond\nspans two lines\n");
    EXPECT_EQ(ReadFile("log.txt"), "first\nsecond\nspans two lines\n");
}

TEST_F(LogTest, ClearingRemovesTheLogOfAPreviousRun) {
    WriteFile("log.txt", "old run\n");
    ClearLog();
    WriteLog("new run");
    EXPECT_EQ(ReadFile("log.txt"), "new run\n");
}

// The game and its joystick reader may both write the first lines of a fresh log, at the
// same moment: neither may wipe out the other's. Many rounds, each with writers let go at
// once, make the moment come.
TEST_F(LogTest, ProcessesStartingAFreshLogTogetherLoseNoLine) {
    constexpr int kRounds = 200;
    constexpr int kWriters = 4;
    int rounds_with_a_line_lost = 0;
    for (int round = 0; round < kRounds; ++round) {
        RemoveFile("log.txt");
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> writers;
        for (int i = 0; i < kWriters; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                close(start[1]);
                char go;
                while (read(start[0], &go, 1) > 0) {
                }
                dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
                WriteLog("a line");
                _exit(0);
            }
            writers.push_back(pid);
        }
        close(start[0]);
        close(start[1]);  // every writer goes at once
        for (pid_t pid : writers)
            waitpid(pid, nullptr, 0);
        const std::string log = ReadFile("log.txt");
        rounds_with_a_line_lost += std::count(log.begin(), log.end(), '\n') != kWriters;
    }
    EXPECT_EQ(rounds_with_a_line_lost, 0) << "of " << kRounds << " rounds";
}

TEST_F(LogTest, ALogThatCannotBeWrittenStillReachesStandardOutput) {
    // A folder in the log's place: as root, permissions would not stop the write.
    ASSERT_EQ(mkdir("log.txt", 0755), 0);
    EXPECT_EQ(StandardOutputOf([] { WriteLog("still shown"); }), "still shown\n");
}

}  // namespace
}  // namespace sassorbi
