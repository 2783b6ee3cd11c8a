// The game form's presentation on a window larger than its frame: what the window shows
// before the game has drawn anything, and a resize that the program asks for itself.
// Pixel-exact frames at every factor are ScaledFrameTest's.

#include <gtest/gtest.h>

#include "tests/game/GameFixture.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kGround = 0x010101;

using ScaledPresentationTest = GameFixture;

// Before any background the window shows the form's own near black at every factor, as a
// game form of the frame's size does: never what a fresh pixmap happened to hold.
TEST_F(ScaledPresentationTest, BeforeAnyBackgroundAScaledWindowShowsTheFormsGround) {
    auto scaled = std::make_unique<FormGames>(screen(), "scaled", kWidth, kHeight, 2);
    ASSERT_TRUE(PumpUntil([&] { return scaled->GetGraphics() != nullptr; }));
    ASSERT_NE(scaled->GetScaler(), nullptr);
    Settle();
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 1}, {150, 100}, {399, 299}, {250, 20}})
        EXPECT_EQ(PixelAt(scaled->GetWindow(), x, y), kGround) << x << ", " << y;

    // Text drawn before the background reaches the window scaled, on the same ground.
    scaled->RenderText(10, 60, "L O A D I N G . . .", 0xFFFFFF);
    Settle();
    EXPECT_EQ(PixelAt(scaled->GetWindow(), 5, 5), kGround);
    EXPECT_EQ(PixelAt(scaled->GetWindow(), 399, 299), kGround);
}

// A resize asked for by the program repeats the size the form stores, so the loop raises
// no Resized for it; the presentation follows the window all the same, both ways.
TEST_F(ScaledPresentationTest, APresentationFollowsAResizeTheProgramAsksFor) {
    ASSERT_EQ(game->GetScaler(), nullptr);
    game->SetSize(kWidth * 2, kHeight * 2);
    ASSERT_TRUE(PumpUntil([&] { return game->GetActualWidth() == kWidth * 2; }));
    Settle();
    ASSERT_NE(game->GetScaler(), nullptr);
    EXPECT_EQ(game->GetScaler()->GetPlacement().factor, 2);
    game->RenderFrame();
    XSync(display(), False);
    EXPECT_EQ(PixelAt(game->GetWindow(), kWidth * 2 - 1, kHeight * 2 - 1), kBlue);

    game->SetSize(kWidth, kHeight);
    ASSERT_TRUE(PumpUntil([&] { return game->GetActualWidth() == kWidth; }));
    Settle();
    EXPECT_EQ(game->GetScaler(), nullptr) << "at its own size the frame goes to the window";
    game->RenderFrame();
    XSync(display(), False);
    EXPECT_EQ(PixelAt(game->GetWindow(), kWidth - 1, kHeight - 1), kBlue);
}

}  // namespace
}  // namespace sassorbi::testing
