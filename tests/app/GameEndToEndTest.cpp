// The real game in a scratch game directory, played through XTest from the title screen to
// a stored score: G, a level skip, lives lost until the game is over, a name typed fast into
// the dialog, back to the title, and the window closed.

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/keysym.h>

#include <filesystem>
#include <regex>

#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

class GameEndToEndTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        // Orphans of the game come to this process, so none can hide from the check below.
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        game = std::make_unique<GameProcess>(driver());
    }

    void TearDown() override {
        game.reset();
        XServerTest::TearDown();
    }

    // The head-up display: white text in the top strip.
    bool ShowsHud() {
        for (int x = 5; x < 80; ++x) {
            for (int y = 8; y < 24; ++y) {
                if (game->Pixel(game->GameWindow(), x, y) == 0xFFFFFF) return true;
            }
        }
        return false;
    }

    TempFolder folder;
    std::unique_ptr<GameProcess> game;
};

TEST_F(GameEndToEndTest, APlayerGoesFromTheTitleToTheTopTenAndQuits) {
    game->Launch();
    const Window window = game->WaitForMainWindow("Sassorbi ", 10000);
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(WaitFor([&] { return game->Shows("logo.bin"); }, 10000)) << "the title screen";

    game->Tap(window, XK_g);
    ASSERT_TRUE(WaitFor([&] { return game->Shows("sanmartino2.bin") && ShowsHud(); }, 10000))
        << "level 1 with its head-up display";
    game->Tap(window, XK_n);
    ASSERT_TRUE(WaitFor([&] { return game->Shows("cattedrale.bin") && ShowsHud(); }, 15000))
        << "level 2 after the level screen";

    const Window dialog = game->PlayUntilGameOver(180000);
    ASSERT_NE(dialog, 0u) << "the asteroids never took the three lives";
    // Typed fast: Shift comes up before the letter, which keeps its capital.
    XSetInputFocus(driver(), dialog, RevertToParent, CurrentTime);
    for (KeySym key : {XK_Shift_L, XK_z})
        game->Hold(key, true);
    for (KeySym key : {XK_Shift_L, XK_z})
        game->Hold(key, false);
    for (KeySym key : {XK_o, XK_e, XK_Return})
        game->Tap(dialog, key);
    ASSERT_TRUE(WaitFor(
        [] { return std::filesystem::exists("Data/Sassorbi/Score/Classifica.txt"); }, 5000));
    const std::string table = ReadFile("Data/Sassorbi/Score/Classifica.txt");
    EXPECT_EQ(table.substr(8), " Zoe          Level 2\n") << table;

    game->Tap(window, XK_space);
    EXPECT_TRUE(WaitFor([&] { return game->Shows("logo.bin"); }, 10000)) << "back to the title";
    EXPECT_EQ(game->Close(), 0);
    // Nothing the game started outlives it: its children would have been reparented to us.
    usleep(200 * 1000);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child of the game is left";
    // The terminal shows the log and nothing else: the sound players write nowhere. Without
    // a sound card the log says so once.
    const std::string log = game->Log();
    EXPECT_EQ(ReadFile("stdout.txt"), log);
    const std::regex no_sound("Sound unavailable: aplay exited with status [0-9]+\n");
    EXPECT_EQ(std::regex_replace(log, no_sound, ""),
              "Could not open joystick. Use the cursor keys to move.\n");
}

}  // namespace
}  // namespace sassorbi::testing
