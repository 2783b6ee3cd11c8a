// The real program, started as a user starts it: without a display, and on the test server
// until the window manager asks it to close.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {
namespace {

class ProgramTest : public XServerTest {
protected:
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        XServerTest::TearDown();
    }

    // Starts the game in the temporary folder, its standard output in stdout.txt.
    void Launch(bool with_display) {
        pid_ = fork();
        if (pid_ != 0) return;
        if (!with_display) unsetenv("DISPLAY");
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        execl(SASSORBI_EXECUTABLE, "sassorbi", static_cast<char*>(nullptr));
        _exit(127);
    }

    // The exit status, or -1 when the program is still running after the time-out.
    int WaitForExit(int timeout_ms) {
        const int64_t deadline = MonotonicMilliseconds() + timeout_ms;
        int status = 0;
        while (MonotonicMilliseconds() < deadline) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(20 * 1000);
        }
        return -1;
    }

    Window FindGameWindow(int timeout_ms) {
        Window found = 0;
        PumpUntil([&] { return (found = TopLevelTitled("Sassorbi ")) != 0; }, timeout_ms);
        return found;
    }

    Window TopLevelTitled(const std::string& prefix) {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), DefaultRootWindow(driver()), &root, &parent, &children, &count);
        Window found = 0;
        for (unsigned i = 0; i < count && found == 0; ++i) {
            if (TextProperty(children[i], "WM_NAME").rfind(prefix, 0) == 0) found = children[i];
        }
        if (children != nullptr) XFree(children);
        return found;
    }

    TempFolder folder_;
    pid_t pid_ = 0;
};

TEST_F(ProgramTest, WithoutADisplayItSaysSoAndStopsWithAFailureStatus) {
    WriteFile("log.txt", "a previous run\n");
    Launch(false);
    EXPECT_EQ(WaitForExit(5000), 1);
    EXPECT_EQ(ReadFile("log.txt"), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(ReadFile("stdout.txt"), "XOpenDisplay(0) failed.\n");
}

TEST_F(ProgramTest, ItOpensItsWindowWithAFreshLogAndEndsCleanlyWhenClosed) {
    WriteFile("log.txt", "a previous run\n");
    Launch(true);
    const Window window = FindGameWindow(5000);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(ClassHint(window).second, "Sassorbi.exe");
    EXPECT_EQ(ReadFile("log.txt").find("a previous run"), std::string::npos)
        << "the previous log is gone";

    SendClientMessage(window, XInternAtom(driver(), "WM_PROTOCOLS", False),
                      static_cast<long>(XInternAtom(driver(), "WM_DELETE_WINDOW", False)));
    EXPECT_EQ(WaitForExit(5000), 0);
}

}  // namespace
}  // namespace sassorbi::testing
