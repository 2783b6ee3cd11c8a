// Sprites and animations drawn into a real game form's pictures.

#include <gtest/gtest.h>

#include "graphics/PixelCopy.h"
#include "game/Sprite.h"
#include "game/SpriteAnim.h"
#include "tests/game/GameFixture.h"

namespace sassorbi::testing {
namespace {

class SpriteTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        // A strip of three 10 x 10 frames: red, green, yellow.
        std::vector<uint8_t> rgb = SolidRGB(10, 10, 0xFF0000);
        for (uint32_t colour : {0x00FF00u, 0xFFFF00u}) {
            const std::vector<uint8_t> frame = SolidRGB(10, 10, colour);
            rgb.insert(rgb.end(), frame.begin(), frame.end());
        }
        strip = Image(rgb, 10, 30);
    }

    ClientImage strip;
};

TEST_F(SpriteTest, DrawingCutsTheFrameAndMovingRestoresWhatWasUnder) {
    Sprite sprite(game.get(), strip.get(), 10, 10);
    sprite.SetPosition(20, 20);
    sprite.SetFrame(1);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(25, 25), 0x00FF00u);
    sprite.SetPosition(60, 20);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(25, 25), kBlue) << "the old place shows the static layer again";
    EXPECT_EQ(Buffer(65, 25), 0x00FF00u);
    sprite.Erase();
    EXPECT_EQ(Buffer(65, 25), kBlue);
    EXPECT_FALSE(sprite.IsDrawn());
}

TEST_F(SpriteTest, AnUnchangedFrameIsNotCutAgain) {
    Sprite sprite(game.get(), strip.get(), 10, 10);
    sprite.Draw(game->GetGraphics());
    // Repaint the strip's first frame: only a new cut would show it.
    XPutPixel(strip.get(), 0, 0, 0x123456);
    sprite.SetPosition(30, 30);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(30, 30), 0xFF0000u);
    sprite.SetFrame(2);
    sprite.SetFrame(0);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(30, 30), 0xFF0000u) << "the frame number is back where it was";
}

TEST_F(SpriteTest, StaticSpritesLiveInTheStaticLayerAndEraseToTheBackground) {
    class StaticSprite : public Sprite {
    public:
        StaticSprite(FormGames* owner, XImage* strip) : Sprite(owner, strip, 10, 10) {
            SetStatic(true);
        }
    } diamond(game.get(), strip.get());
    diamond.SetPosition(40, 40);
    diamond.Draw(game->GetGraphics());
    EXPECT_EQ(Static(45, 45), 0xFF0000u);
    game->SetFullRedraw(true);
    game->AddSprite(&diamond);
    game->RenderFrame();
    EXPECT_EQ(Buffer(45, 45), 0xFF0000u) << "rebuilt from the static layer, not redrawn";
    diamond.Erase();
    EXPECT_EQ(Static(45, 45), kBlue);
    EXPECT_EQ(Buffer(45, 45), kBlue);
}

TEST_F(SpriteTest, InFullRedrawModeMovingSpritesAppearOnlyThroughTheFrame) {
    Sprite first(game.get(), strip.get(), 10, 10);
    Sprite second(game.get(), strip.get(), 10, 10);
    second.SetFrame(2);
    first.SetPosition(0, 0);
    second.SetPosition(5, 5);
    game->AddSprite(&first);
    game->AddSprite(&second);
    game->SetFullRedraw(true);
    first.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(2, 2), kBlue) << "outside a frame nothing moving is drawn";
    game->RenderFrame();
    EXPECT_EQ(Buffer(2, 2), 0xFF0000u);
    EXPECT_EQ(Buffer(7, 7), 0xFFFF00u) << "later sprites cover earlier ones";
    EXPECT_EQ(PixelAt(game->GetWindow(), 7, 7), 0xFFFF00u);
}

TEST_F(SpriteTest, SpritesPartlyOutsideAreClippedAndWhollyOutsideAreSkipped) {
    Sprite sprite(game.get(), strip.get(), 10, 10);
    sprite.SetPosition(-5, 145);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(0, 149), 0xFF0000u);
    EXPECT_EQ(Buffer(5, 149), kBlue);
    sprite.SetPosition(300, 300);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(0, 149), kBlue) << "the clipped old place was restored";
    EXPECT_TRUE(sprite.IsDrawn());
}

TEST_F(SpriteTest, ASpriteNeverPlacedStandsInTheTopLeftCorner) {
    Sprite sprite(game.get(), strip.get(), 10, 10);
    EXPECT_EQ(sprite.GetX(), 0);
    EXPECT_EQ(sprite.GetY(), 0);
    sprite.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(0, 0), 0xFF0000u);
    EXPECT_EQ(Buffer(9, 9), 0xFF0000u);
    EXPECT_EQ(Buffer(0, 10), kBlue);
    EXPECT_EQ(Buffer(10, 0), kBlue);
}

// A line of a single pixel's width or height is a sprite like any other.
TEST_F(SpriteTest, SpritesOnePixelWideOrHighAreDrawn) {
    const ClientImage column = Image(SolidRGB(1, 10, 0x00FF00), 1, 10);
    const ClientImage row = Image(SolidRGB(10, 1, 0xFFFF00), 10, 1);
    Sprite thin(game.get(), column.get(), 1, 10);
    Sprite flat(game.get(), row.get(), 10, 1);
    thin.SetPosition(50, 50);
    flat.SetPosition(100, 50);
    thin.Draw(game->GetGraphics());
    flat.Draw(game->GetGraphics());
    EXPECT_EQ(Buffer(50, 59), 0x00FF00u);
    EXPECT_EQ(Buffer(51, 59), kBlue);
    EXPECT_EQ(Buffer(109, 50), 0xFFFF00u);
    EXPECT_EQ(Buffer(109, 51), kBlue);
}

TEST_F(SpriteTest, RemovingASpriteTakesThatOneOutOfTheFrameListAndNoOther) {
    Sprite first(game.get(), strip.get(), 10, 10);
    Sprite second(game.get(), strip.get(), 10, 10);
    Sprite third(game.get(), strip.get(), 10, 10);
    for (Sprite* sprite : {&first, &second, &third})
        game->AddSprite(sprite);
    game->RemoveSprite(&second);
    ASSERT_EQ(game->SpriteCount(), 2u);
    EXPECT_EQ(game->SpriteAt(0), &first);
    EXPECT_EQ(game->SpriteAt(1), &third);
}

TEST_F(SpriteTest, SpritesThatOnlyTouchDoNotCollide) {
    Sprite left(game.get(), strip.get(), 50, 50);
    Sprite right(game.get(), strip.get(), 50, 50);
    right.SetPosition(50, 0);
    EXPECT_FALSE(left.Overlaps(right, 0, 0));
    right.SetPosition(49, 49);
    EXPECT_TRUE(left.Overlaps(right, 0, 0));
    EXPECT_FALSE(left.Overlaps(right, 1, 0)) << "insets shrink the rectangles";
}

TEST_F(SpriteTest, FrameAnimationsWrapToTheFirstFrameAndAOneFrameRangeNeverRedraws) {
    SpriteKind kind;
    kind.FirstFrame = 0;
    kind.LastFrame = 2;
    kind.FrameInterval = 30;
    Sprite sprite(game.get(), strip.get(), 10, 10);
    sprite.SetFrame(2);
    SpriteAnimazione animation(game.get(), &kind, &sprite);
    animation.Advance(20);
    EXPECT_EQ(sprite.GetFrame(), 2) << "the interval has not passed";
    animation.Advance(10);
    EXPECT_EQ(sprite.GetFrame(), 0);
    EXPECT_EQ(Buffer(5, 5), 0xFF0000u);

    SpriteKind still;
    Sprite diamond(game.get(), strip.get(), 10, 10);
    SpriteAnimazione idle(game.get(), &still, &diamond);
    idle.Advance(100);
    EXPECT_FALSE(diamond.IsDrawn());
}

TEST_F(SpriteTest, CuttingPastTheEndOfAStripLeavesTheMissingRowsTransparent) {
    const ClientImage cut = CutImage(display(), screen()->GetScreenNumber(), *strip, 25, 10, 10);
    EXPECT_EQ(XGetPixel(cut.get(), 0, 4) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(XGetPixel(cut.get(), 0, 5) & 0xFFFFFF, 0u);
}

}  // namespace
}  // namespace sassorbi::testing
