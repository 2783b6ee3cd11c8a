// Frames that send only what changed show exactly what whole frames show. Two copies of the
// game play the same script side by side on an X server of the test's own, wide enough for
// both windows: one sends the damage, the other whole frames. Both take every random number
// from the same seed, and after every frame their windows are read back and compared.

// GoogleTest comes first: Xlib defines macros (None, Bool) that its templates use as names.
#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "graphics/XOwners.h"
#include "tests/game/MainFormFixture.h"
#include "tests/support/PrivateXServer.h"
#include "util/Random.h"

namespace sassorbi::testing {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The test's own server, wide enough for two windows, with the extra arguments. A base that
// comes first, so the server outlives the connections the harness closes when it goes.
class WideServer {
protected:
    explicit WideServer(const std::vector<std::string>& extra) : server_(Arguments(extra)) {
        const char* display = getenv("DISPLAY");
        saved_display_ = display != nullptr ? display : "";
        if (!server_.Name().empty()) setenv("DISPLAY", server_.Name().c_str(), 1);
    }
    ~WideServer() { setenv("DISPLAY", saved_display_.c_str(), 1); }

    bool Started() const { return !server_.Name().empty(); }

private:
    static std::vector<std::string> Arguments(const std::vector<std::string>& extra) {
        std::vector<std::string> arguments = {"-screen", "0", "1700x650x24"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return arguments;
    }

    PrivateXServer server_;
    std::string saved_display_;
};

// Each parameter gives the server's extra arguments: with MIT-SHM, and without it, where the
// frame goes by plain XPutImage.
class FrameIdentityTest : public ::testing::WithParamInterface<std::vector<std::string>>,
                          public WideServer,
                          public XServerTest {
protected:
    FrameIdentityTest() : WideServer(GetParam()) {}

    void SetUp() override {
        ASSERT_TRUE(Started()) << "Xvfb did not start";
        XServerTest::SetUp();
        std::filesystem::copy(SASSORBI_DATA_DIR, "Data", std::filesystem::copy_options::recursive);
        Random(0, 1);  // the clock seeds the generator once; every step reseeds it after this
        damaged_ = StartGame(0, false);
        whole_ = StartGame(850, true);
        ASSERT_TRUE(PumpUntil([&] { return InTitle(*damaged_) && InTitle(*whole_); }, 10000));
        for (CountingGame* game : {damaged_.get(), whole_.get()}) {
            game->GetFrameTimer()->Stop();
            // Frames come every sixth tick: both games start counting from a frame.
            const int frames = game->frames;
            while (game->frames == frames)
                game->OnUserMessage();
        }
        Both([](CountingGame& game) { game.KeyCharHook('G'); });
        ASSERT_EQ(damaged_->GetState(), GameState::Playing);
    }

    void TearDown() override {
        damaged_.reset();
        whole_.reset();
        XServerTest::TearDown();
    }

    std::unique_ptr<CountingGame> StartGame(int x, bool whole) {
        auto game = std::make_unique<CountingGame>(screen(), "Sassorbi test");
        game->Move(x, 0);
        game->SetFullFrames(whole);
        return game;
    }

    static bool InTitle(const CountingGame& game) { return game.GetState() == GameState::Title; }

    // The same step on both games, from the same random state.
    template <typename Step>
    void Both(Step step) {
        const unsigned seed = ++seed_;
        for (CountingGame* game : {damaged_.get(), whole_.get()}) {
            std::srand(seed);
            step(*game);
        }
    }

    // Ticks both games; after every frame the two windows must agree.
    void Ticks(int ticks, const std::string& what) {
        for (int i = 0; i < ticks; ++i) {
            const int frames = damaged_->frames;
            Both([](CountingGame& game) { game.OnUserMessage(); });
            ASSERT_EQ(damaged_->frames, whole_->frames) << what;
            if (damaged_->frames != frames) {
                ASSERT_NO_FATAL_FAILURE(CompareWindows(what));
            }
        }
    }

    void CompareWindows(const std::string& what) {
        XSync(display(), False);
        const ServerImage damaged(
            XGetImage(driver(), damaged_->GetWindow(), 0, 0, kWidth, kHeight, AllPlanes, ZPixmap));
        const ServerImage whole(
            XGetImage(driver(), whole_->GetWindow(), 0, 0, kWidth, kHeight, AllPlanes, ZPixmap));
        ASSERT_NE(damaged, nullptr);
        ASSERT_NE(whole, nullptr);
        int differing = 0, first_x = -1, first_y = -1;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if ((XGetPixel(damaged.get(), x, y) & 0xFFFFFF) ==
                    (XGetPixel(whole.get(), x, y) & 0xFFFFFF)) {
                    continue;
                }
                if (differing++ == 0) first_x = x, first_y = y;
            }
        }
        ++compared_;
        ASSERT_EQ(differing, 0) << what << ", frame " << damaged_->frames << ": first at ("
                                << first_x << ", " << first_y << ")";
    }

    // The server loses part of each window and says so with an Expose.
    void ExposeBoth() {
        for (CountingGame* game : {damaged_.get(), whole_.get()}) {
            XClearArea(driver(), game->GetWindow(), 100, 80, 500, 300, True);
        }
        Settle();
    }

    std::unique_ptr<CountingGame> damaged_;
    std::unique_ptr<CountingGame> whole_;
    int compared_ = 0;

private:
    TempFolder folder_;
    unsigned seed_ = 1;
};

TEST_P(FrameIdentityTest, DamagedFramesShowExactlyWhatWholeFramesShow) {
    ASSERT_NO_FATAL_FAILURE(Ticks(120, "falling asteroids"));
    // The ship beside the lowest diamond, far below the asteroids, then steered into it: the
    // diamond goes, the score changes.
    Both([](CountingGame& game) {
        const Sprite* diamond = game.GetDiamonds()[0].get();
        for (const auto& other : game.GetDiamonds()) {
            if (other->GetY() > diamond->GetY()) diamond = other.get();
        }
        const bool from_left = diamond->GetX() < 400;
        game.GetPlayer()->SetPosition(diamond->GetX() + (from_left ? -60 : 60), diamond->GetY());
        game.KeyDownHook(from_left ? XK_Right : XK_Left);
    });
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "the ship collecting a diamond"));
    EXPECT_GT(damaged_->GetScore(), 0);
    EXPECT_EQ(damaged_->GetScore(), whole_->GetScore());
    // An asteroid leaves the frame (it keeps falling) while the ship still moves, so the
    // ship's drawing ends one place earlier in the list.
    Both([](CountingGame& game) { game.RemoveSprite(game.GetAsteroids()[0].get()); });
    ASSERT_NO_FATAL_FAILURE(Ticks(12, "an asteroid taken out of the frame"));
    Both([](CountingGame& game) {
        game.ClearKeys();
        game.KeyUpHook(XK_Left);
    });
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "the ship at rest"));
    Both([](CountingGame& game) { game.KeyCharHook('P'); });
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "paused"));
    ExposeBoth();
    ASSERT_NO_FATAL_FAILURE(Ticks(12, "after an expose while paused"));
    Both([](CountingGame& game) { game.KeyCharHook('P'); });
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "resumed"));
    // The next level: its announcement, then the level itself.
    Both([](CountingGame& game) { game.KeyCharHook('N'); });
    ASSERT_EQ(damaged_->GetState(), GameState::Waiting);
    ASSERT_NO_FATAL_FAILURE(Ticks(12, "the level change screen"));
    Both([](CountingGame& game) { game.NewGame(); });
    ASSERT_NO_FATAL_FAILURE(Ticks(60, "the second level"));
    EXPECT_EQ(damaged_->GetLevel(), 2);
    // An asteroid on the ship's nose: at its next step a life is lost and the level starts
    // again.
    const int lives = damaged_->GetLives();
    Both([](CountingGame& game) {
        const Sprite& ship = *game.GetPlayer();
        game.GetAsteroids()[0]->SetPosition(ship.GetX(), ship.GetY() - 40);
    });
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "a hit"));
    EXPECT_EQ(damaged_->GetLives(), lives - 1);
    Both([](CountingGame& game) { game.NewGame(); });
    ExposeBoth();
    ASSERT_NO_FATAL_FAILURE(Ticks(60, "after an expose in play"));
    EXPECT_GT(compared_, 60);
}

INSTANTIATE_TEST_SUITE_P(Transfers, FrameIdentityTest,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"-extension", "MIT-SHM"}),
                         [](const auto& transfer) {
                             return transfer.param.empty() ? "SharedMemory" : "PlainPutImage";
                         });

}  // namespace
}  // namespace sassorbi::testing
