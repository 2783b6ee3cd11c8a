// What a frame sends to the window: only what changed, unless the window was exposed or
// whole frames are asked for. A mark painted on the window by another client shows what a
// frame left alone.

#include <gtest/gtest.h>

#include "graphics/SharedFont.h"
#include "graphics/XOwners.h"
#include "tests/game/GameFixture.h"
#include "toolkit/FontSpec.h"

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

    // Pixels where the window shows something else than the screen buffer holds.
    int WindowAgainstBuffer() {
        XSync(display(), False);
        const ServerImage window(
            XGetImage(driver(), game->GetWindow(), 0, 0, kWidth, kHeight, AllPlanes, ZPixmap));
        if (window == nullptr) return -1;
        int differing = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if ((XGetPixel(window.get(), x, y) & 0xFFFFFF) != Buffer(x, y)) ++differing;
            }
        }
        return differing;
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

// A 20-pixel font puts its descenders below the 18 rows read back: those rows are the window's
// alone until the next frame puts the buffer over them.
TEST_F(FormGamesFrameTest, GlyphsPastTheirBoxAreWipedByTheNextFrame) {
    game.reset();
    FontSpec tall;
    tall.SetSize(20);
    game = std::make_unique<FormGames>(screen(), "game", kWidth, kHeight);
    game->SetFontSpec(tall);
    ASSERT_TRUE(PumpUntil([&] { return game->GetGraphics() != nullptr; }));
    game->GetFrameTimer()->Stop();
    game->RenderSfondo("blue.bin");
    game->RenderFrame();
    const XFontStruct* font = SharedFont(display());
    ASSERT_NE(font, nullptr);
    ASSERT_GE(font->descent, 3) << "the test needs a font whose descenders leave the box";
    game->RenderText(10, 40, "gjpqy gjpqy", 0xFFFFFF);
    XSync(display(), False);
    ASSERT_GT(WindowAgainstBuffer(), 0) << "descenders below row 57 stay out of the layers";
    game->RenderFrame();
    EXPECT_EQ(WindowAgainstBuffer(), 0);
}

}  // namespace
}  // namespace sassorbi::testing
