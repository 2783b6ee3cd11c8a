// The real game form shown two and three times larger: after every frame of a scripted
// sequence (asteroids falling, the ship moving and taking a diamond, the head-up display
// changing, a level change, an expose) every window pixel must equal the frame's pixel at
// (x / factor, y / factor). On an X server of the test's own, large enough for the window.

// GoogleTest comes first: Xlib defines macros (None, Bool) that its templates use as names.
#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

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

// The test's own server; a base that comes first, so it outlives the harness's connections.
class LargeServer {
protected:
    LargeServer() : server_({"-screen", "0", "2560x1920x24"}) {
        const char* display = getenv("DISPLAY");
        saved_display_ = display != nullptr ? display : "";
        if (!server_.Name().empty()) setenv("DISPLAY", server_.Name().c_str(), 1);
    }
    ~LargeServer() { setenv("DISPLAY", saved_display_.c_str(), 1); }
    bool Started() const { return !server_.Name().empty(); }

private:
    PrivateXServer server_;
    std::string saved_display_;
};

class ScaledFrameTest : public ::testing::WithParamInterface<int>,
                        public LargeServer,
                        public XServerTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Started()) << "Xvfb did not start";
        XServerTest::SetUp();
        std::filesystem::copy(SASSORBI_DATA_DIR, "Data", std::filesystem::copy_options::recursive);
        game_ = std::make_unique<CountingGame>(screen(), "Sassorbi test", GetParam());
        ASSERT_TRUE(PumpUntil([&] { return game_->GetState() == GameState::Title; }, 10000));
        game_->GetFrameTimer()->Stop();
        ASSERT_NE(game_->GetScaler(), nullptr);
        EXPECT_EQ(game_->GetScaler()->GetPlacement().factor, GetParam());
        EXPECT_EQ(game_->GetActualWidth(), kWidth * GetParam());
        EXPECT_EQ(game_->GetFrameSize().width, kWidth) << "the game reasons at its own size";
        Random(0, 1);  // the clock seeds the generator once; the seed below comes after it
        std::srand(7);
        game_->KeyCharHook('G');
        ASSERT_EQ(game_->GetState(), GameState::Playing);
    }

    void TearDown() override {
        game_.reset();
        XServerTest::TearDown();
    }

    void Ticks(int ticks, const std::string& what) {
        for (int i = 0; i < ticks; ++i) {
            const int frames = game_->frames;
            game_->OnUserMessage();
            if (game_->frames != frames) {
                ASSERT_NO_FATAL_FAILURE(CompareWindow(what));
            }
        }
    }

    void CompareWindow(const std::string& what) {
        XSync(display(), False);
        const int n = GetParam();
        const ServerImage shown(XGetImage(driver(), game_->GetWindow(), 0, 0, kWidth * n,
                                          kHeight * n, AllPlanes, ZPixmap));
        ASSERT_NE(shown, nullptr);
        XImage* frame = game_->GetScreenBufferImage();
        int differing = 0, first_x = -1, first_y = -1;
        for (int y = 0; y < kHeight * n; ++y) {
            for (int x = 0; x < kWidth * n; ++x) {
                if ((XGetPixel(shown.get(), x, y) & 0xFFFFFF) ==
                    (XGetPixel(frame, x / n, y / n) & 0xFFFFFF)) {
                    continue;
                }
                if (differing++ == 0) first_x = x, first_y = y;
            }
        }
        ++compared_;
        ASSERT_EQ(differing, 0) << what << ", frame " << game_->frames << ": first at (" << first_x
                                << ", " << first_y << ")";
    }

    std::unique_ptr<CountingGame> game_;
    int compared_ = 0;

private:
    TempFolder folder_;
};

TEST_P(ScaledFrameTest, EveryWindowPixelIsTheFramePixelItCovers) {
    ASSERT_NO_FATAL_FAILURE(Ticks(60, "falling asteroids"));
    const Sprite* diamond = game_->GetDiamonds()[0].get();
    for (const auto& other : game_->GetDiamonds()) {
        if (other->GetY() > diamond->GetY()) diamond = other.get();
    }
    const bool from_left = diamond->GetX() >= 60;
    game_->GetPlayer()->SetPosition(diamond->GetX() + (from_left ? -60 : 60), diamond->GetY());
    game_->KeyDownHook(from_left ? XK_Right : XK_Left);
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "the ship collecting a diamond"));
    EXPECT_GT(game_->GetScore(), 0) << "the head-up display changed";
    game_->ClearKeys();
    XClearArea(driver(), game_->GetWindow(), 100, 80, 500, 300, True);
    Settle();
    ASSERT_NO_FATAL_FAILURE(Ticks(12, "after an expose"));
    game_->KeyCharHook('N');
    ASSERT_EQ(game_->GetState(), GameState::Waiting);
    ASSERT_NO_FATAL_FAILURE(Ticks(12, "the level change screen"));
    game_->NewGame();
    ASSERT_NO_FATAL_FAILURE(Ticks(30, "the second level"));
    EXPECT_EQ(game_->GetLevel(), 2);
    EXPECT_GT(compared_, 20);
}

// Only the picture is larger: the level is laid out in the frame, where the player can
// reach every diamond, whatever the window's size.
TEST_P(ScaledFrameTest, TheLevelIsLaidOutInTheFrameNotTheWindow) {
    const Sprite* player = game_->GetPlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->GetX(), 375);
    EXPECT_EQ(player->GetY(), 550);
    ASSERT_FALSE(game_->GetDiamonds().empty());
    for (const auto& diamond : game_->GetDiamonds()) {
        EXPECT_LE(diamond->GetX() + 32, kWidth) << "diamond at " << diamond->GetX();
        EXPECT_LE(diamond->GetY() + 32, kHeight) << "diamond at " << diamond->GetY();
    }
    for (const auto& asteroid : game_->GetAsteroids()) {
        EXPECT_EQ(asteroid->MaxX, kWidth - 45);
        EXPECT_LT(asteroid->MaxY, kHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledFrameTest, ::testing::Values(2, 3),
                         [](const auto& factor) { return "Times" + std::to_string(factor.param); });

}  // namespace
}  // namespace sassorbi::testing
