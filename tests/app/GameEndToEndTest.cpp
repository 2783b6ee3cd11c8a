// The real game in a scratch game directory, played through XTest from the title screen to
// a stored score: G, a level skip, lives lost until the game is over, a name typed into the
// dialog, back to the title, and the window closed.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/keysym.h>

#include <filesystem>
#include <fstream>

#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {
namespace {

namespace fs = std::filesystem;

class GameEndToEndTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        // Orphans of the game come to this process, so none can hide from the check below.
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        fs::copy(SASSORBI_GAME_DIR "/Data", "Data", fs::copy_options::recursive);
        fs::copy_file(SASSORBI_EXECUTABLE, "sassorbi");
    }

    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        XServerTest::TearDown();
    }

    void Launch() {
        pid_ = fork();
        if (pid_ != 0) return;
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        execl("./sassorbi", "sassorbi", static_cast<char*>(nullptr));
        _exit(127);
    }

    Window TopLevelTitled(const std::string& prefix) {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), DefaultRootWindow(driver()), &root, &parent, &children, &count);
        Window found = 0;
        for (unsigned i = 0; i < count && found == 0; ++i) {
            if (MapState(children[i]) == IsViewable &&
                TextProperty(children[i], "WM_NAME").rfind(prefix, 0) == 0) {
                found = children[i];
            }
        }
        if (children != nullptr) XFree(children);
        return found;
    }

    bool WaitFor(const std::function<bool()>& done, int timeout_ms) {
        const int64_t deadline = MonotonicMilliseconds() + timeout_ms;
        while (!done()) {
            if (MonotonicMilliseconds() > deadline) return false;
            usleep(50 * 1000);
        }
        return true;
    }

    unsigned long WindowPixel(int x, int y) { return DriverPixel(window_, x, y); }

    unsigned long DriverPixel(Window window, int x, int y) {
        XImage* image = XGetImage(driver(), window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) return ~0UL;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }

    // Whether most of a few sample points show the named picture.
    bool Shows(const std::string& picture) {
        std::ifstream file("Data/" + picture, std::ios::binary);
        int same = 0;
        for (int i = 0; i < 8; ++i) {
            const int x = 60 + i * 95, y = 120 + i * 40;
            file.seekg((y * 800 + x) * 3);
            unsigned char rgb[3] = {};
            file.read(reinterpret_cast<char*>(rgb), 3);
            same += WindowPixel(x, y) == static_cast<unsigned long>((rgb[0] << 16) | (rgb[1] << 8) | rgb[2]);
        }
        return same >= 6;
    }

    // The head-up display: white text in the top strip.
    bool ShowsHud() {
        for (int x = 5; x < 80; ++x) {
            for (int y = 8; y < 24; ++y) {
                if (WindowPixel(x, y) == 0xFFFFFF) return true;
            }
        }
        return false;
    }

    void Tap(Window window, KeySym key) {
        XSetInputFocus(driver(), window, RevertToParent, CurrentTime);
        TapKey(key);
    }

    // Sweeps the ship left and right until the name dialog opens.
    Window PlayUntilGameOver(int timeout_ms) {
        const int64_t deadline = MonotonicMilliseconds() + timeout_ms;
        Window dialog = 0;
        for (bool left = true; dialog == 0 && MonotonicMilliseconds() < deadline; left = !left) {
            XSetInputFocus(driver(), window_, RevertToParent, CurrentTime);
            PressKey(left ? XK_Left : XK_Right);
            WaitFor([&] { return (dialog = TopLevelTitled("Classifica")) != 0; }, 1500);
            ReleaseKey(left ? XK_Left : XK_Right);
        }
        return dialog;
    }

    TempFolder folder_;
    pid_t pid_ = 0;
    Window window_ = 0;
};

TEST_F(GameEndToEndTest, APlayerGoesFromTheTitleToTheTopTenAndQuits) {
    Launch();
    ASSERT_TRUE(WaitFor([&] { return (window_ = TopLevelTitled("Sassorbi ")) != 0; }, 10000));
    ASSERT_TRUE(WaitFor([&] { return Shows("logo.bin"); }, 10000)) << "the title screen";

    Tap(window_, XK_g);
    ASSERT_TRUE(WaitFor([&] { return Shows("sanmartino2.bin") && ShowsHud(); }, 10000))
        << "level 1 with its head-up display";
    Tap(window_, XK_n);
    ASSERT_TRUE(WaitFor([&] { return Shows("cattedrale.bin") && ShowsHud(); }, 15000))
        << "level 2 after the level screen";

    const Window dialog = PlayUntilGameOver(180000);
    ASSERT_NE(dialog, 0u) << "the asteroids never took the three lives";
    for (KeySym key : {XK_z, XK_o, XK_e}) Tap(dialog, key);
    Tap(dialog, XK_Return);
    ASSERT_TRUE(WaitFor([] { return fs::exists("Data/Sassorbi/Score/Classifica.txt"); }, 5000));
    const std::string table = ReadFile("Data/Sassorbi/Score/Classifica.txt");
    EXPECT_EQ(table.substr(8), " zoe          Level 2\n") << table;

    Tap(window_, XK_space);
    EXPECT_TRUE(WaitFor([&] { return Shows("logo.bin"); }, 10000)) << "back to the title";

    SendClientMessage(window_, XInternAtom(driver(), "WM_PROTOCOLS", False),
                      static_cast<long>(XInternAtom(driver(), "WM_DELETE_WINDOW", False)));
    int status = -1;
    ASSERT_TRUE(WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 10000));
    pid_ = 0;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // Nothing the game started outlives it: its children would have been reparented to us.
    usleep(200 * 1000);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child of the game is left";

    const std::string log = ReadFile("log.txt");
    EXPECT_EQ(log, "Could not open joystick. Use the cursor keys to move.\n");
}

}  // namespace
}  // namespace sassorbi::testing
