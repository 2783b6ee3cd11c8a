// The display connection: what it learns from the server, and life without a server.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <X11/Xatom.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/LogMark.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "util/Log.h"
#include "toolkit/Screen.h"
#include "toolkit/WorkArea.h"

namespace sassorbi::testing {
namespace {

using ScreenTest = XServerTest;

TEST_F(ScreenTest, ReportsTheServersScreenAndBecomesTheDefault) {
    Display* d = display();
    EXPECT_EQ(screen()->GetWidth(), XDisplayWidth(d, DefaultScreen(d)));
    EXPECT_EQ(screen()->GetHeight(), XDisplayHeight(d, DefaultScreen(d)));
    EXPECT_EQ(screen()->GetDepth(), DefaultDepth(d, DefaultScreen(d)));
    EXPECT_GT(screen()->GetVisualCount(), 0);
    EXPECT_FALSE(screen()->HasError());
    EXPECT_EQ(Screen::GetDefaultScreen(), screen());

    Screen second("second");
    EXPECT_EQ(Screen::GetDefaultScreen(), screen()) << "the first screen stays the default";
    EXPECT_TRUE(second.Close());
    EXPECT_FALSE(second.Close()) << "closed once only";
}

TEST_F(ScreenTest, TheConnectionIsNotInheritedByProgramsTheGameStarts) {
    const int flags = fcntl(ConnectionNumber(display()), F_GETFD);
    EXPECT_TRUE(flags & FD_CLOEXEC);
}

// Xlib's own handler would end the program at the first request the server refuses.
TEST_F(ScreenTest, AProtocolErrorIsLoggedAndTheProgramGoesOn) {
    TempFolder folder;
    ClearLog();
    XFreePixmap(display(), 0x3FFFFF);  // no such pixmap
    XFlush(display());
    PumpFor(100);
    const std::string log = ReadFile("log.txt");
    EXPECT_EQ(log.rfind("X error: BadPixmap", 0), 0u) << log;
    EXPECT_NE(log.find("(request 54)\n"), std::string::npos) << log;
    auto form = MakeForm(0, 0, 40, 30);
    EXPECT_EQ(PixelAt(form->GetWindow(), 20, 15), 0xAAAAAAu) << "drawing goes on";
}

// What a window manager announces on the root window, set by the driver for one test.
class WorkAreaTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        DeleteRootProperties();
    }

    void TearDown() override {
        DeleteRootProperties();
        XServerTest::TearDown();
    }

    void DeleteRootProperties() {
        for (const char* name : {"_NET_WORKAREA", "_NET_CURRENT_DESKTOP"})
            XDeleteProperty(driver(), DefaultRootWindow(driver()),
                            XInternAtom(driver(), name, False));
        XSync(driver(), False);
    }

    void SetRootCardinals(const char* name, std::vector<long> values) {
        XChangeProperty(driver(), DefaultRootWindow(driver()), XInternAtom(driver(), name, False),
                        XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values.data()),
                        static_cast<int>(values.size()));
        XSync(driver(), False);
    }

    Size WorkArea() { return WorkAreaSize(display(), screen()->GetScreenNumber()); }
};

TEST_F(WorkAreaTest, IsTheCurrentDesktopsAreaOrTheWholeScreen) {
    const int width = screen()->GetWidth(), height = screen()->GetHeight();
    Size area = WorkArea();
    EXPECT_EQ(area.width, width) << "no window manager: the whole screen";
    EXPECT_EQ(area.height, height);

    SetRootCardinals("_NET_WORKAREA", {0, 0, 1000, 700, 0, 30, 900, 650});
    area = WorkArea();
    EXPECT_EQ(area.width, 1000) << "no current desktop named: the first";
    EXPECT_EQ(area.height, 700);

    SetRootCardinals("_NET_CURRENT_DESKTOP", {1});
    area = WorkArea();
    EXPECT_EQ(area.width, 900);
    EXPECT_EQ(area.height, 650);

    SetRootCardinals("_NET_CURRENT_DESKTOP", {2});
    EXPECT_EQ(WorkArea().width, width) << "a desktop without an area";
    SetRootCardinals("_NET_CURRENT_DESKTOP", {0});
    SetRootCardinals("_NET_WORKAREA", {0, 0, width + 1, 700});
    EXPECT_EQ(WorkArea().width, width) << "an area larger than the screen is not believed";
    SetRootCardinals("_NET_WORKAREA", {0, 0, 0, 700});
    EXPECT_EQ(WorkArea().width, width) << "nor an empty one";
}

// Any client may set these: a desktop number past every count, even the largest a CARDINAL
// holds, names no area.
TEST_F(WorkAreaTest, ADesktopNumberBeyondTheAreasNamesNone) {
    const int width = screen()->GetWidth();
    SetRootCardinals("_NET_WORKAREA", {0, 0, 1000, 700});
    for (long desktop : {0xFFFFFFFFL, 0x7FFFFFFFL, 0x80000000L, 0x40000000L, 1L}) {
        SetRootCardinals("_NET_CURRENT_DESKTOP", {desktop});
        EXPECT_EQ(WorkArea().width, width) << "desktop " << desktop;
    }
    XDeleteProperty(driver(), DefaultRootWindow(driver()),
                    XInternAtom(driver(), "_NET_WORKAREA", False));
    SetRootCardinals("_NET_CURRENT_DESKTOP", {0xFFFFFFFFL});
    EXPECT_EQ(WorkArea().width, width) << "no areas at all";
}

TEST(ScreenLifeTest, ADestroyedDefaultScreenIsNoLongerTheDefault) {
    auto screen = std::make_unique<Screen>("only");
    ASSERT_NE(screen->GetDisplay(), nullptr);
    EXPECT_EQ(Screen::GetDefaultScreen(), screen.get());
    screen.reset();
    EXPECT_EQ(Screen::GetDefaultScreen(), nullptr);
}

TEST(ScreenWithoutServerTest, LogsTheFailureAndKeepsItsDefaults) {
    const std::string saved = getenv("DISPLAY") != nullptr ? getenv("DISPLAY") : "";
    setenv("DISPLAY", ":9999", 1);
    LogMark log;
    Screen screen("nothing");
    setenv("DISPLAY", saved.c_str(), 1);

    EXPECT_EQ(log.Take(), "XOpenDisplay(0) failed.\n");
    EXPECT_TRUE(screen.HasError());
    EXPECT_EQ(screen.GetDisplay(), nullptr);
    EXPECT_EQ(screen.GetWidth(), 800);
    EXPECT_EQ(screen.GetHeight(), 600);
    EXPECT_EQ(screen.GetDepth(), 8);
    EXPECT_FALSE(screen.Close());
}

}  // namespace
}  // namespace sassorbi::testing
