// The real gallery program on the test server: a click on its "Messaggio" button opens the
// message box, whose OK closes it; closing the gallery's window ends it with status 0.

// GoogleTest comes first: Xlib defines macros (None, Bool) that its templates use as names.
#include <gtest/gtest.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gallery/GalleryLayout.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {
namespace {

class GalleryTest : public XServerTest {
protected:
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
        execl(SASSORBI_GALLERY, "gallery", static_cast<char*>(nullptr));
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

    // The viewable top-level window with this title, waiting for it up to the time-out.
    Window WaitForWindow(const std::string& title, int timeout_ms = 5000) {
        Window found = 0;
        PumpUntil([&] { return (found = ViewableTitled(title)) != 0; }, timeout_ms);
        return found;
    }

    Window ViewableTitled(const std::string& title) {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), DefaultRootWindow(driver()), &root, &parent, &children, &count);
        Window found = 0;
        for (unsigned i = 0; i < count && found == 0; ++i) {
            if (TextProperty(children[i], "WM_NAME") == title &&
                MapState(children[i]) == IsViewable)
                found = children[i];
        }
        if (children != nullptr) XFree(children);
        return found;
    }

    void ClickIn(Window window, int x, int y) {
        Window child;
        int root_x, root_y;
        XTranslateCoordinates(driver(), window, DefaultRootWindow(driver()), x, y, &root_x, &root_y,
                              &child);
        XTestFakeMotionEvent(driver(), DefaultScreen(driver()), root_x, root_y, CurrentTime);
        XTestFakeButtonEvent(driver(), 1, True, CurrentTime);
        XTestFakeButtonEvent(driver(), 1, False, CurrentTime);
        XSync(driver(), False);
    }

    TempFolder folder_;
    pid_t pid_ = 0;
};

TEST_F(GalleryTest, AButtonOpensTheMessageBoxWhichClosesAndThenTheGalleryEnds) {
    Launch();
    const Window gallery_window = WaitForWindow(gallery::kTitle);
    ASSERT_NE(gallery_window, 0u);
    ASSERT_EQ(ViewableTitled(gallery::kMessageTitle), 0u);

    ClickIn(gallery_window, gallery::kDialogButtonX + gallery::kDialogButtonWidth / 2,
            gallery::kMessageButtonY + gallery::kDialogButtonHeight / 2);
    const Window box = WaitForWindow(gallery::kMessageTitle);
    ASSERT_NE(box, 0u);

    // The box's OK button: 110 x 28 at (130, 110).
    ClickIn(box, 185, 124);
    EXPECT_TRUE(PumpUntil([&] { return ViewableTitled(gallery::kMessageTitle) == 0; }, 5000));

    SendClientMessage(gallery_window, XInternAtom(driver(), "WM_PROTOCOLS", False),
                      static_cast<long>(XInternAtom(driver(), "WM_DELETE_WINDOW", False)));
    EXPECT_EQ(WaitForExit(5000), 0);
}

}  // namespace
}  // namespace sassorbi::testing
