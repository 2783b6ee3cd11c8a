// The real game in broken surroundings: missing, short and oversized pictures, a game
// directory it may not write, a score folder it cannot make, a top-ten table it cannot
// read, a server without the usual fonts, a 16-bit display. In every case the expected log
// line, no crash, the game playable, a clean exit, and nothing stored damaged.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/wait.h>
#include <signal.h>

#include <X11/keysym.h>

#include <filesystem>
#include <fstream>

#include "tests/support/GameProcess.h"
#include "tests/support/PrivateXServer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

namespace fs = std::filesystem;

class RealGameFaultTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        game = std::make_unique<GameProcess>(driver());
    }
    void TearDown() override {
        game.reset();
        XServerTest::TearDown();
    }

    bool LogHas(const std::string& line) {
        return WaitFor([&] { return game->Log().find(line + "\n") != std::string::npos; }, 10000);
    }

    // Starts the game, waits for its window and starts a game with G.
    Window LaunchAndPlay(const std::vector<std::string>& env = {}, bool as_nobody = false) {
        game->Launch(env, as_nobody);
        const Window window = game->WaitForMainWindow("Sassorbi ", 10000);
        if (window != 0) {
            WaitFor([&] { return game->Shows("logo.bin"); }, 5000);
            game->Tap(window, XK_g);
        }
        return window;
    }

    TempFolder folder;
    std::unique_ptr<GameProcess> game;
};

class MissingFileTest : public RealGameFaultTest,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingFileTest, IsNamedInTheLogAndTheGameStillPlays) {
    fs::remove(std::string("Data/") + GetParam());
    ASSERT_NE(LaunchAndPlay(), 0u);
    EXPECT_TRUE(LogHas(std::string("Data/") + GetParam() + ": non trovato")) << game->Log();
    EXPECT_EQ(game->Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(PicturesNeededAtStart, MissingFileTest,
                         ::testing::Values("player.bin", "asteroide_notte.bin", "diamante.bin",
                                           "logo.bin", "sanmartino2.bin"));
INSTANTIATE_TEST_SUITE_P(WindowIcon, MissingFileTest, ::testing::Values("icona.argb"));

TEST_F(RealGameFaultTest, TheLevelScreenAndTheNextLandmarkMayBeMissing) {
    fs::remove("Data/livello.bin");
    fs::remove("Data/cattedrale.bin");
    const Window window = LaunchAndPlay();
    ASSERT_NE(window, 0u);
    WaitFor([&] { return game->Shows("sanmartino2.bin"); }, 5000);
    game->Tap(window, XK_n);
    EXPECT_TRUE(LogHas("Data/livello.bin: non trovato"));
    EXPECT_TRUE(LogHas("Data/cattedrale.bin: non trovato"));
    EXPECT_EQ(game->Close(), 0);
}

TEST_F(RealGameFaultTest, AShortPictureIsFilledAndNamedAndALongOneIsCut) {
    fs::resize_file("Data/logo.bin", 1000);
    fs::resize_file("Data/sanmartino2.bin", 800 * 600 * 3 + 5000);
    ASSERT_NE(LaunchAndPlay(), 0u);
    EXPECT_TRUE(LogHas("Picture file too short: Data/logo.bin (1000 of 1440000 bytes)"));
    EXPECT_TRUE(WaitFor([&] { return game->Shows("sanmartino2.bin"); }, 10000));
    EXPECT_EQ(game->Log().find("sanmartino2"), std::string::npos);
    EXPECT_EQ(game->Close(), 0);
}

TEST_F(RealGameFaultTest, AGameDirectoryItMayNotWriteStillLetsItPlay) {
    // Root may write anywhere: the game runs as nobody in a folder it may only read.
    fs::permissions(folder.path(), fs::perms(0555));
    ASSERT_NE(LaunchAndPlay({}, true), 0u);
    EXPECT_TRUE(WaitFor([&] { return game->Shows("sanmartino2.bin"); }, 10000));
    EXPECT_EQ(game->Close(), 0);
    EXPECT_FALSE(fs::exists("log.txt"));
    EXPECT_NE(ReadFile("stdout.txt").find("impossibile creare il file joystick.cfg"),
              std::string::npos);
}

TEST_F(RealGameFaultTest, AnUnreadableTopTenIsLeftAsItIs) {
    fs::create_directories("Data/Sassorbi/Score/Classifica.txt");
    ASSERT_NE(LaunchAndPlay(), 0u);
    EXPECT_TRUE(WaitFor([&] { return game->Shows("sanmartino2.bin"); }, 10000));
    EXPECT_EQ(game->Close(), 0);
    EXPECT_TRUE(fs::is_directory("Data/Sassorbi/Score/Classifica.txt"));
}

TEST_F(RealGameFaultTest, AScoreFolderThatCannotBeMadeDoesNotStopTheGame) {
    WriteFile("Data/Sassorbi", "not a folder");
    ASSERT_NE(LaunchAndPlay(), 0u);
    EXPECT_TRUE(WaitFor([&] { return game->Shows("sanmartino2.bin"); }, 10000));
    EXPECT_EQ(game->Close(), 0);
    EXPECT_EQ(ReadFile("Data/Sassorbi"), "not a folder");
}

// On an X server of the test's own, not the shared one.
class OwnServerFaultTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(OwnServerFaultTest, WithoutTheCoreFontTextIsDrawnInTheServersOwn) {
    PrivateXServer server({"-screen", "0", "1024x768x24", "-fp", "built-ins"});
    ASSERT_NE(server.Driver(), nullptr);
    GameProcess other(server.Driver());
    fs::remove("Data/sanmartino2.bin");  // a black level: white text stands out
    other.Launch({"DISPLAY=" + server.Name()});
    const Window window = other.WaitForMainWindow("Sassorbi ", 10000);
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(WaitFor(
        [&] { return other.Log().find("XLoadQueryFont failed\n") != std::string::npos; }, 10000));
    WaitFor([&] { return other.Shows("logo.bin"); }, 5000);
    other.Tap(window, XK_g);
    bool hud = false;
    WaitFor(
        [&] {
            for (int x = 5; x < 80 && !hud; ++x)
                hud = other.Pixel(window, x, 14) == 0xFFFFFF;
            return hud;
        },
        10000);
    EXPECT_TRUE(hud) << "the head-up display's text";
    EXPECT_EQ(other.Close(), 0);
}

TEST_F(OwnServerFaultTest, ASixteenBitDisplayIsWarnedAboutAndStillPlayedInItsColours) {
    PrivateXServer server({"-screen", "0", "1024x768x16"});
    ASSERT_NE(server.Driver(), nullptr);
    GameProcess other(server.Driver());
    other.Launch({"DISPLAY=" + server.Name()});
    const Window window = other.WaitForMainWindow("Sassorbi ", 10000);
    ASSERT_NE(window, 0u);
    // The asteroids' rows, 45 two-byte pixels, are padded to whole words.
    const std::string padded =
        "WARNING img width: 45 - bytes_per_line_Pad != bytes_per_line: 92 90\n";
    EXPECT_TRUE(WaitFor(
        [&] {
            const std::string log = other.Log();
            return log.find("This app requires 24-bit depth.\n") != std::string::npos &&
                   log.find("WARNING img->depth: 16\n") != std::string::npos &&
                   log.find(padded) != std::string::npos;
        },
        10000))
        << other.Log();
    EXPECT_TRUE(WaitFor([&] { return other.ShowsOn(window, "logo.bin", true); }, 10000))
        << "the title picture";
    other.Tap(window, XK_g);
    EXPECT_TRUE(WaitFor([&] { return other.ShowsOn(window, "sanmartino2.bin", true); }, 10000))
        << "the first landmark, through the composed frames";
    other.Tap(window, XK_n);
    WaitFor([] { return false; }, 2000);
    EXPECT_EQ(other.Close(), 0);
}

// A test that crashes runs no destructor: the server it started must still end with it, or
// it lives on holding the test's output, and ctest waits for it for ever.
TEST(HarnessTest, APrivateServerEndsWithATestThatCrashes) {
    int names[2];
    ASSERT_EQ(pipe(names), 0);
    const pid_t crashing = fork();
    if (crashing == 0) {
        close(names[0]);
        PrivateXServer server({"-screen", "0", "64x64x24"});
        const std::string line = server.Name() + "\n";
        if (write(names[1], line.data(), line.size()) < 0) _exit(1);
        raise(SIGKILL);
    }
    close(names[1]);
    std::string name;
    char c = 0;
    while (read(names[0], &c, 1) == 1 && c != '\n')
        name += c;
    close(names[0]);
    waitpid(crashing, nullptr, 0);
    ASSERT_FALSE(name.empty()) << "the server did not start";
    const bool ended = WaitFor(
        [&] {
            Display* display = XOpenDisplay(name.c_str());
            if (display != nullptr) XCloseDisplay(display);
            return display == nullptr;
        },
        10000);
    EXPECT_TRUE(ended) << "the server of " << name << " outlived its test";
    if (!ended) {
        std::ifstream lock("/tmp/.X" + name.substr(1) + "-lock");
        pid_t server = 0;
        if (lock >> server && server > 0) kill(server, SIGTERM);
    }
}

}  // namespace
}  // namespace sassorbi::testing
