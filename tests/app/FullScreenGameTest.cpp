// The real game under the suite's window manager (openbox), on an X server of the test's own
// as large as a player's screen: F11 into full screen and out again, the title picture at the
// largest whole factor that fits, centred with black borders; closing the window while in
// full screen; the name dialog at game over, centred over the full-screen window; a window
// shown twice larger brought back to the frame's size.

#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/XOwners.h"
#include "tests/support/GameProcess.h"
#include "tests/support/PrivateXServer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowManager.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// A screen and where the frame must sit on it in full screen.
struct ScreenCase {
    const char* geometry;
    int width, height;
    int factor, left, top;
};

// The processes, ended or not, whose parent is the given one.
std::set<pid_t> ChildrenOf(pid_t parent_pid) {
    std::set<pid_t> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) continue;
        // pid (command) state ppid: the command may hold blanks and brackets.
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        char state = 0;
        pid_t parent = 0;
        if (rest >> state >> parent && parent == parent_pid)
            children.insert(std::stoi(entry.path().filename().string()));
    }
    return children;
}

class FullScreenGameTest : public ::testing::Test {
protected:
    // Starts the server, the manager (unless told not to) and the game shown at a scale, and
    // waits for the title screen.
    void Start(const char* geometry, bool managed = true, int scale = 1) {
        server_ =
            std::make_unique<PrivateXServer>(std::vector<std::string>{"-screen", "0", geometry});
        ASSERT_NE(server_->Driver(), nullptr) << "Xvfb did not start";
        if (managed) {
            manager_ = std::make_unique<WindowManager>(driver(), server_->Name());
            ASSERT_TRUE(manager_->Running()) << "openbox did not start";
        }
        // Orphans of the game come to this process, so none can hide from the checks.
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        before_game_ = ChildrenOf(getpid());
        game_ = std::make_unique<GameProcess>(driver());
        game_->SetArguments({"--scale", std::to_string(scale)});
        game_->Launch({"DISPLAY=" + server_->Name()});
        window_ = game_->WaitForMainWindow("Sassorbi ", 10000);
        ASSERT_NE(window_, 0u);
        ASSERT_TRUE(WaitFor([&] { return ShowsTitle(scale); }, 15000)) << "the title screen";
    }

    void TearDown() override {
        game_.reset();
        manager_.reset();
        server_.reset();
    }

    Display* driver() { return server_->Driver(); }

    // The title picture at the factor, and the blinking "PRESS THE [G] KEY TO PLAY", which
    // is drawn after everything static.
    bool ShowsTitle(int factor) {
        std::ifstream logo("Data/logo.bin", std::ios::binary);
        int same = 0;
        for (int i = 0; i < 8; ++i) {
            const int x = 60 + i * 95, y = 120 + i * 40;
            logo.seekg((y * kWidth + x) * 3);
            unsigned char rgb[3] = {};
            logo.read(reinterpret_cast<char*>(rgb), 3);
            same += game_->Pixel(window_, x * factor, y * factor) ==
                    static_cast<unsigned long>((rgb[0] << 16) | (rgb[1] << 8) | rgb[2]);
        }
        return same == 8 && ShowsPrompt(factor);
    }

    bool ShowsPrompt(int factor) {
        for (int x = 480; x < 560; ++x) {
            for (int y = 332; y < 346; ++y) {
                const unsigned long pixel = game_->Pixel(window_, x * factor, y * factor);
                if (pixel == 0xFF0000 || pixel == 0xFFFFFF) return true;
            }
        }
        return false;
    }

    ServerImage Capture(int width, int height) {
        XSync(driver(), False);
        return ServerImage(XGetImage(driver(), window_, 0, 0, width, height, AllPlanes, ZPixmap));
    }

    Size WindowSize() {
        XWindowAttributes attributes{};
        XGetWindowAttributes(driver(), window_, &attributes);
        return {attributes.width, attributes.height};
    }

    Point WindowPlace() {
        Window child;
        Point place{};
        XTranslateCoordinates(driver(), window_, DefaultRootWindow(driver()), 0, 0, &place.x,
                              &place.y, &child);
        return place;
    }

    bool HasSize(int width, int height) {
        const Size size = WindowSize();
        return size.width == width && size.height == height;
    }

    bool InFullScreenState() {
        const std::vector<std::string> states = AtomNames(driver(), window_, "_NET_WM_STATE");
        return std::count(states.begin(), states.end(), "_NET_WM_STATE_FULLSCREEN") == 1;
    }

    // The root's child that holds the window: the manager's frame, or the window itself.
    Window TopLevel(Window window) {
        for (;;) {
            Window root, parent, *children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(driver(), window, &root, &parent, &children, &count)) return window;
            if (children != nullptr) XFree(children);
            if (parent == root) return window;
            window = parent;
        }
    }

    // Where the window stands among the root's children, bottom first.
    int StackingIndex(Window window) {
        const Window top = TopLevel(window);
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), DefaultRootWindow(driver()), &root, &parent, &children, &count);
        int index = -1;
        for (unsigned i = 0; i < count; ++i) {
            if (children[i] == top) index = static_cast<int>(i);
        }
        if (children != nullptr) XFree(children);
        return index;
    }

    void TapF11() { game_->Tap(window_, XK_F11); }

    std::unique_ptr<PrivateXServer> server_;
    std::unique_ptr<WindowManager> manager_;
    std::unique_ptr<GameProcess> game_;
    std::set<pid_t> before_game_;
    Window window_ = 0;

private:
    TempFolder folder_;
};

// The title picture does not change while the title screen is shown, but for the blinking
// prompt at (480, 330): the rest is compared pixel for pixel.
bool InPrompt(int x, int y) {
    return x >= 470 && y >= 322 && y < 356;
}

// "" when every window pixel of the frame's area shows the 1x frame's pixel it covers at the
// factor, else where the first one differs.
std::string FrameDifference(XImage* shown, XImage* frame, const ScreenCase& on) {
    for (int y = 0; y < kHeight * on.factor; ++y) {
        for (int x = 0; x < kWidth * on.factor; ++x) {
            const int frame_x = x / on.factor, frame_y = y / on.factor;
            if (InPrompt(frame_x, frame_y)) continue;
            const unsigned long want = XGetPixel(frame, frame_x, frame_y) & 0xFFFFFF;
            const unsigned long got = XGetPixel(shown, on.left + x, on.top + y) & 0xFFFFFF;
            if (got == want) continue;
            std::ostringstream where;
            where << std::hex << "window (" << std::dec << on.left + x << ", " << on.top + y
                  << ") is 0x" << std::hex << got << ", frame pixel 0x" << want;
            return where.str();
        }
    }
    return "";
}

// "" when everything around the frame's area is black, else the first pixel that is not.
std::string BorderDifference(XImage* shown, const ScreenCase& on) {
    const int right = on.left + kWidth * on.factor, bottom = on.top + kHeight * on.factor;
    for (int y = 0; y < on.height; ++y) {
        for (int x = 0; x < on.width; ++x) {
            if (x >= on.left && x < right && y >= on.top && y < bottom) continue;
            const unsigned long pixel = XGetPixel(shown, x, y) & 0xFFFFFF;
            if (pixel == 0) continue;
            std::ostringstream where;
            where << "border (" << x << ", " << y << ") is 0x" << std::hex << pixel;
            return where.str();
        }
    }
    return "";
}

class FullScreenScalingTest : public FullScreenGameTest,
                              public ::testing::WithParamInterface<ScreenCase> {};

// The frame the window showed at 1x is the reference: full screen shows it scaled and
// centred, and leaving full screen brings back the window as it was, hints and all.
TEST_P(FullScreenScalingTest, F11ShowsTheFrameCentredAtTheLargestFactorAndF11Again1x) {
    const ScreenCase& on = GetParam();
    ASSERT_NO_FATAL_FAILURE(Start(on.geometry));
    const Point place = WindowPlace();
    const ServerImage frame = Capture(kWidth, kHeight);
    ASSERT_NE(frame, nullptr);

    TapF11();
    ASSERT_TRUE(WaitFor([&] { return HasSize(on.width, on.height); }, 10000))
        << "the window covers the screen";
    EXPECT_TRUE(InFullScreenState());
    EXPECT_EQ(SizeHints(driver(), window_).flags & (PMinSize | PMaxSize), 0)
        << "the fixed size is lifted";
    std::string picture, borders;
    WaitFor(
        [&] {
            const ServerImage shown = Capture(on.width, on.height);
            if (!shown) return false;
            picture = FrameDifference(shown.get(), frame.get(), on);
            borders = BorderDifference(shown.get(), on);
            return picture.empty() && borders.empty();
        },
        10000);
    EXPECT_EQ(picture, "");
    EXPECT_EQ(borders, "");

    TapF11();
    ASSERT_TRUE(WaitFor([&] { return HasSize(kWidth, kHeight); }, 10000))
        << "the window comes back to its size";
    EXPECT_TRUE(
        WaitFor([&] { return WindowPlace().x == place.x && WindowPlace().y == place.y; }, 5000))
        << "and to its place";
    EXPECT_FALSE(InFullScreenState());
    const XSizeHints fixed = SizeHints(driver(), window_);
    EXPECT_EQ(fixed.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize);
    EXPECT_EQ(fixed.min_width, kWidth);
    EXPECT_EQ(fixed.max_width, kWidth);
    EXPECT_EQ(fixed.min_height, kHeight);
    EXPECT_EQ(fixed.max_height, kHeight);
    const ScreenCase windowed{"", kWidth, kHeight, 1, 0, 0};
    WaitFor(
        [&] {
            const ServerImage shown = Capture(kWidth, kHeight);
            picture = shown ? FrameDifference(shown.get(), frame.get(), windowed) : "no image";
            return picture.empty();
        },
        10000);
    EXPECT_EQ(picture, "") << "the 1x frame again";
    EXPECT_EQ(game_->Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, FullScreenScalingTest,
                         ::testing::Values(ScreenCase{"1920x1080x24", 1920, 1080, 1, 560, 240},
                                           ScreenCase{"2560x1440x24", 2560, 1440, 2, 480, 120}),
                         [](const auto& screen) {
                             return "Factor" + std::to_string(screen.param.factor);
                         });

// Closed through the manager while in full screen and in play: status 0, and nothing the
// game started outlives it, not even as an unreaped process.
TEST_F(FullScreenGameTest, ClosingInFullScreenEndsTheGameAndLeavesNoChild) {
    ASSERT_NO_FATAL_FAILURE(Start("1920x1080x24"));
    game_->Tap(window_, XK_g);
    ASSERT_TRUE(WaitFor([&] { return game_->Shows("sanmartino2.bin"); }, 10000)) << "in play";
    TapF11();
    ASSERT_TRUE(WaitFor([&] { return HasSize(1920, 1080) && InFullScreenState(); }, 10000));
    // The reader finds no stick here and ends at once: the game must not leave it behind.
    ASSERT_NE(game_->Log().find("Could not open joystick"), std::string::npos)
        << "the joystick reader ran";
    manager_->Close(window_);
    EXPECT_EQ(game_->WaitForExit(10000), 0);
    usleep(200 * 1000);
    std::set<pid_t> left = ChildrenOf(getpid());
    for (pid_t known : before_game_)
        left.erase(known);
    EXPECT_TRUE(left.empty()) << left.size() << " process(es) of the game left, the first "
                              << (left.empty() ? 0 : *left.begin());
}

// At game over in full screen the name dialog opens over the game as the player sees it:
// centred on the screen-sized window (not where an 800 x 600 window would have its centre)
// give or take the manager's frame around the dialog, and stacked above the game. F11 then
// leaves full screen without counting as the key that leaves the scores.
TEST_F(FullScreenGameTest, TheNameDialogOpensCentredOverTheFullScreenGame) {
    ASSERT_NO_FATAL_FAILURE(Start("1920x1080x24"));
    TapF11();
    ASSERT_TRUE(WaitFor([&] { return HasSize(1920, 1080) && InFullScreenState(); }, 10000));
    game_->Tap(window_, XK_g);
    const Window dialog = game_->PlayUntilGameOver(240000);
    ASSERT_NE(dialog, 0u) << "the asteroids never took the three lives";
    Window child;
    Point place{};
    XTranslateCoordinates(driver(), dialog, DefaultRootWindow(driver()), 0, 0, &place.x, &place.y,
                          &child);
    XWindowAttributes attributes{};
    XGetWindowAttributes(driver(), dialog, &attributes);
    std::vector<unsigned long> frame = CardinalNumbers(driver(), dialog, "_NET_FRAME_EXTENTS");
    frame.resize(4);  // left, right, top, bottom
    const int centre_x = place.x + attributes.width / 2, centre_y = place.y + attributes.height / 2;
    EXPECT_LE(std::abs(centre_x - 960), static_cast<int>(frame[0] + frame[1]) + 1) << centre_x;
    EXPECT_LE(std::abs(centre_y - 540), static_cast<int>(frame[2] + frame[3]) + 1) << centre_y;
    EXPECT_GT(StackingIndex(dialog), StackingIndex(window_)) << "the dialog is above the game";

    // With the score stored any key goes back to the title, but F11 is no key of the game's.
    for (KeySym key : {XK_e, XK_v, XK_a, XK_Return})
        game_->Tap(dialog, key);
    ASSERT_TRUE(WaitFor(
        [] { return std::filesystem::exists("Data/Sassorbi/Score/Classifica.txt"); }, 5000));
    TapF11();
    ASSERT_TRUE(WaitFor([&] { return HasSize(kWidth, kHeight); }, 10000));
    EXPECT_FALSE(WaitFor([&] { return game_->Shows("logo.bin"); }, 3000)) << "F11 left the scores";
    EXPECT_TRUE(game_->Shows("gameover.bin"));
    game_->Tap(window_, XK_space);
    EXPECT_TRUE(WaitFor([&] { return game_->Shows("logo.bin"); }, 10000)) << "a key does";
    EXPECT_EQ(game_->Close(), 0);
}

// A manager may announce a window's new size in a notice of its own before the server has
// made it (openbox does when a window leaves full screen). The game, shown twice larger, must
// follow the size the window really takes, here its frame's own, and show the frame as it is.
TEST_F(FullScreenGameTest, AnEarlyNoticeOfTheSizeDoesNotLeaveTheFrameScaled) {
    ASSERT_NO_FATAL_FAILURE(Start("1920x1200x24", false, 2));
    XEvent notice{};
    notice.xconfigure.type = ConfigureNotify;
    notice.xconfigure.event = notice.xconfigure.window = window_;
    notice.xconfigure.width = kWidth;
    notice.xconfigure.height = kHeight;
    XSendEvent(driver(), window_, False, StructureNotifyMask, &notice);
    XSync(driver(), False);
    usleep(300 * 1000);  // the game reads the notice while the window is still large
    XResizeWindow(driver(), window_, kWidth, kHeight);
    XSync(driver(), False);
    EXPECT_TRUE(WaitFor([&] { return ShowsTitle(1); }, 10000)) << "the frame at its own size";
    EXPECT_EQ(game_->Close(), 0);
}

}  // namespace
}  // namespace sassorbi::testing
