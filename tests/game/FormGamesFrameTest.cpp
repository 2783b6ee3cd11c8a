// What a frame sends to the window: only what changed, unless the window was exposed or
// whole frames are asked for. A mark painted on the window by another client shows what a
// frame left alone.

#include <gtest/gtest.h>

#include "graphics/XOwners.h"
#include "tests/game/GameFixture.h"

namespace sassorbi::testing {
namespace {

class FormGamesFrameTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        game->GetFrameTimer()->Stop();
        game->RenderFrame();  // the new background goes whole
    }

    // A green square of the driver's own on the window, which no picture holds.
    void PaintMark() {
        const OwnedGc gc(driver(), game->GetWindow(), 0, nullptr);
        XSetForeground(driver(), gc.Get(), kGreen);
        XFillRectangle(driver(), game->GetWindow(), gc.Get(), 150, 100, 10, 10);
        XSync(driver(), False);
        ASSERT_EQ(PixelAt(game->GetWindow(), 155, 105), kGreen);
    }

    static constexpr unsigned long kGreen = 0x00FF00;
};

TEST_F(FormGamesFrameTest, AFrameSendsWhatChangedAndLeavesTheRestOfTheWindowAlone) {
    ASSERT_NO_FATAL_FAILURE(PaintMark());
    const ClientImage red = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    game->RenderImage(red.get(), 10, 10, 10, 10, false, false);
    game->RenderFrame();
    EXPECT_EQ(PixelAt(game->GetWindow(), 15, 15), 0xFF0000u);
    EXPECT_EQ(PixelAt(game->GetWindow(), 155, 105), kGreen);
    game->RipristinaSfondo(10, 10, 10, 10, FormGames::RestoreFrom::kStaticLayer);
    game->RenderFrame();
    EXPECT_EQ(PixelAt(game->GetWindow(), 15, 15), kBlue) << "a restore is sent too";
    EXPECT_EQ(PixelAt(game->GetWindow(), 155, 105), kGreen);
}

TEST_F(FormGamesFrameTest, AfterAnExposeTheNextFrameSendsTheWholeWindow) {
    ASSERT_NO_FATAL_FAILURE(PaintMark());
    XClearArea(driver(), game->GetWindow(), 0, 0, 40, 40, True);
    Settle();
    ASSERT_NE(PixelAt(game->GetWindow(), 5, 5), kBlue) << "the server cleared the area";
    game->RenderFrame();
    EXPECT_EQ(PixelAt(game->GetWindow(), 5, 5), kBlue);
    EXPECT_EQ(PixelAt(game->GetWindow(), 155, 105), kBlue);
}

TEST_F(FormGamesFrameTest, WholeFramesSendEverythingEveryTime) {
    ASSERT_NO_FATAL_FAILURE(PaintMark());
    game->SetFullFrames(true);
    game->RenderFrame();
    EXPECT_EQ(PixelAt(game->GetWindow(), 155, 105), kBlue);
}

}  // namespace
}  // namespace sassorbi::testing
