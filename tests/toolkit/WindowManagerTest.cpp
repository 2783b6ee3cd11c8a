// Forms under a real reparenting window manager (openbox). Closes and resizes through a
// manager are the same messages EventLoopTest sends; tools/monkey.sh closes through openbox.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/support/WindowManager.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

class WindowManagerTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        wm_ = std::make_unique<WindowManager>(driver());
        ASSERT_TRUE(wm_->Running()) << "openbox did not start";
    }

    void TearDown() override {
        wm_.reset();
        XServerTest::TearDown();
    }

    std::unique_ptr<WindowManager> wm_;
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
    // The manager's notice of the new place may come after the server's of the new size.
    PumpUntil([&] { return form->GetLocation().x == 0 && form->GetLocation().y == 0; });
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
