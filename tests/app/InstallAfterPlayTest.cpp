// The README's order: build, play in the build's game directory until a score is stored,
// install, and start the installed game through its launcher. What the game wrote in the
// build must neither be installed nor stop the launcher.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <X11/keysym.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {
namespace fs = std::filesystem;

const fs::path kGameDir = SASSORBI_GAME_DIR;

// Moves a player's own files in the build's game directory out of the test's way and puts
// them back afterwards, in place of whatever the test's game wrote.
class SetAside {
public:
    explicit SetAside(std::vector<fs::path> paths) : paths_(std::move(paths)) {
        for (const fs::path& path : paths_) {
            if (fs::exists(fs::symlink_status(Aside(path)))) PutBack(path);  // a killed run's
            if (fs::exists(fs::symlink_status(path))) fs::rename(path, Aside(path));
        }
    }
    ~SetAside() {
        for (const fs::path& path : paths_)
            PutBack(path);
    }
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

private:
    static fs::path Aside(const fs::path& path) { return path.string() + ".set-aside"; }
    // What the test's game wrote goes; the player's own comes back.
    static void PutBack(const fs::path& path) {
        fs::remove_all(path);
        if (fs::exists(fs::symlink_status(Aside(path)))) fs::rename(Aside(path), path);
    }

    std::vector<fs::path> paths_;
};

class InstallAfterPlayTest : public XServerTest {
protected:
    void PlayUntilAScoreIsStored() {
        GameProcess game(driver(), SASSORBI_EXECUTABLE, GameProcess::InPlace{});
        game.Launch();
        const Window window = game.WaitForMainWindow("Sassorbi ", 10000);
        ASSERT_NE(window, 0u);
        ASSERT_TRUE(WaitFor([&] { return game.Shows("logo.bin"); }, 10000)) << "the title";
        game.Tap(window, XK_g);
        ASSERT_TRUE(WaitFor([&] { return game.Shows("sanmartino2.bin"); }, 10000));
        const Window dialog = game.PlayUntilGameOver(180000);
        ASSERT_NE(dialog, 0u) << "the asteroids never took the three lives";
        for (KeySym key : {XK_a, XK_d, XK_a, XK_Return})
            game.Tap(dialog, key);
        ASSERT_TRUE(WaitFor([] { return fs::exists(kGameDir / kScores); }, 5000));
        EXPECT_EQ(game.Close(), 0);
    }

    static constexpr const char* kScores = "Data/Sassorbi/Score/Classifica.txt";
    TempFolder folder;
};

TEST_F(InstallAfterPlayTest, TheInstalledLauncherStartsTheGameAfterAGameInTheBuild) {
    const SetAside players_files(
        {kGameDir / "Data/Sassorbi", kGameDir / "log.txt", kGameDir / "joystick.cfg"});
    PlayUntilAScoreIsStored();
    if (HasFatalFailure()) return;

    const fs::path prefix = folder.path() / "prefix";
    const std::string install = "'" CMAKE_COMMAND "' --install '" BUILD_DIR "' --prefix '" +
                                prefix.string() + "' >install.txt";
    ASSERT_EQ(std::system(install.c_str()), 0) << ReadFile("install.txt");
    EXPECT_FALSE(fs::exists(prefix / "share/sassorbi/Data/Sassorbi")) << "a score was installed";

    GameProcess launcher(driver(), (prefix / "bin/sassorbi").string(), GameProcess::InPlace{});
    launcher.Launch({"HOME=" + (folder.path() / "home").string(), "XDG_DATA_HOME="});
    ASSERT_NE(launcher.WaitForMainWindow("Sassorbi ", 10000), 0u) << ReadFile("stdout.txt");
    EXPECT_TRUE(WaitFor([&] { return launcher.Shows("logo.bin"); }, 10000)) << "the title";
    EXPECT_EQ(launcher.Close(), 0);
    const fs::path players_dir = folder.path() / "home/.local/share/sassorbi";
    EXPECT_TRUE(fs::exists(players_dir / "Data/logo.bin"));
    EXPECT_FALSE(fs::exists(players_dir / kScores)) << "the build's scores came along";
}

}  // namespace
}  // namespace sassorbi::testing
