// The real program, started as a user starts it: without a display, and on the test server
// until the window manager asks it to close.

#include <gtest/gtest.h>

#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

class ProgramTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        game = std::make_unique<GameProcess>(driver());
        WriteFile("log.txt", "a previous run\n");
    }
    void TearDown() override {
        game.reset();
        XServerTest::TearDown();
    }

    TempFolder folder;
    std::unique_ptr<GameProcess> game;
};

TEST_F(ProgramTest, WithoutADisplayItSaysSoAndStopsWithAFailureStatus) {
    game->Launch({"DISPLAY="});
    EXPECT_EQ(game->WaitForExit(5000), 1);
    EXPECT_EQ(ReadFile("log.txt"), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(ReadFile("stdout.txt"), "XOpenDisplay(0) failed.\n");
}

TEST_F(ProgramTest, ItOpensItsWindowWithAFreshLogAndEndsCleanlyWhenClosed) {
    game->Launch();
    const Window window = game->WaitForMainWindow("Sassorbi ", 5000);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(ClassHint(window).second, "Sassorbi.exe");
    // The icon task bars show: each size's width and height, then its pixels.
    const std::vector<unsigned long> icon = CardinalListProperty(window, "_NET_WM_ICON");
    std::vector<unsigned long> sides;
    for (size_t at = 0; at + 1 < icon.size(); at += 2 + icon[at] * icon[at + 1]) {
        EXPECT_EQ(icon[at], icon[at + 1]);
        sides.push_back(icon[at]);
    }
    EXPECT_EQ(sides, (std::vector<unsigned long>{16, 32, 48, 64}));
    EXPECT_EQ(ReadFile("log.txt").find("a previous run"), std::string::npos)
        << "the previous log is gone";
    EXPECT_EQ(game->Close(), 0);
}

}  // namespace
}  // namespace sassorbi::testing
