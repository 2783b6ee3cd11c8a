// Forms under a real reparenting window manager (openbox). Closes and resizes through a
// manager are the same messages EventLoopTest sends; tools/monkey.sh closes through openbox.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

class WindowManagerTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        wm_ = fork();
        if (wm_ == 0) {
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_TRUE(PumpUntil([&] { return ManagesNewWindows(); }, 10000))
            << "openbox did not start";
    }

    void TearDown() override {
        kill(wm_, SIGTERM);
        waitpid(wm_, nullptr, 0);
        XServerTest::TearDown();
    }

    // The window manager is ready once it frames a window that is mapped now; it announces
    // itself before it has finished taking over the screen.
    bool ManagesNewWindows() {
        Window root = DefaultRootWindow(driver());
        Window probe = XCreateSimpleWindow(driver(), root, 0, 0, 10, 10, 0, 0, 0);
        XMapWindow(driver(), probe);
        XSync(driver(), False);
        usleep(50 * 1000);
        Window parent = root, *children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), probe, &root, &parent, &children, &count);
        if (children != nullptr) XFree(children);
        XDestroyWindow(driver(), probe);
        XSync(driver(), False);
        return parent != root;
    }

    pid_t wm_ = 0;
};

// Under a manager the size hints fix the size: the program's own resize must move them
// too. Focus goes to a window the manager has mapped.
TEST_F(WindowManagerTest, SetSizeStillResizesTheWindowAndFocusCanBeGiven) {
    auto form = MakeForm(100, 100, 200, 150);
    form->SetSize(260, 180);
    ASSERT_TRUE(PumpUntil([&] { return form->GetActualWidth() == 260; }));
    EXPECT_EQ(form->GetActualHeight(), 180);

    form->SetFocus();
    Settle();
    Window focus;
    int revert;
    XGetInputFocus(driver(), &focus, &revert);
    EXPECT_EQ(focus, form->GetWindow());
}

// Full screen needs the fixed size hints lifted: a manager keeps a fixed-size window as it is.
TEST_F(WindowManagerTest, FullScreenCoversTheScreenAndTheFormComesBackToItsSizeAndPlace) {
    auto form = MakeForm(100, 100, 200, 150);
    const Point place = form->GetLocation();
    const auto has_size = [&](int width, int height) {
        return form->GetActualWidth() == width && form->GetActualHeight() == height;
    };
    const auto full_screen_state = [&] {
        const std::vector<std::string> states =
            AtomListProperty(form->GetWindow(), "_NET_WM_STATE");
        return std::count(states.begin(), states.end(), "_NET_WM_STATE_FULLSCREEN");
    };

    form->SetFullScreen(true);
    ASSERT_TRUE(PumpUntil([&] { return has_size(screen()->GetWidth(), screen()->GetHeight()); }));
    EXPECT_TRUE(form->IsFullScreen());
    EXPECT_EQ(form->GetLocation().x, 0);
    EXPECT_EQ(form->GetLocation().y, 0);
    EXPECT_EQ(full_screen_state(), 1);
    EXPECT_EQ(NormalHints(form->GetWindow()).flags & (PMinSize | PMaxSize), 0);

    form->SetFullScreen(false);
    ASSERT_TRUE(PumpUntil([&] { return has_size(200, 150); }));
    ASSERT_TRUE(PumpUntil([&] { return form->GetLocation().x == place.x; }));
    EXPECT_EQ(form->GetLocation().y, place.y);
    EXPECT_EQ(full_screen_state(), 0);
    const XSizeHints fixed = NormalHints(form->GetWindow());
    EXPECT_EQ(fixed.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize);
    EXPECT_EQ(fixed.min_width, 200);
    EXPECT_EQ(fixed.max_width, 200);
    EXPECT_EQ(fixed.min_height, 150);
    EXPECT_EQ(fixed.max_height, 150);
}

}  // namespace
}  // namespace sassorbi::testing
