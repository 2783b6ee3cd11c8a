#pragma once
// A game form of 200 x 150 on the test server, started (first paint done, so RunApp has run)
// with a solid background loaded from a picture file in a temporary folder.

#include <X11/Xutil.h>

#include "game/FormGames.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {

class GameFixture : public XServerTest {
protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 150;
    static constexpr unsigned long kBlue = 0x0000FF;

    void SetUp() override {
        XServerTest::SetUp();
        const std::vector<uint8_t> blue = SolidRGB(kWidth, kHeight, kBlue);
        WriteFile("blue.bin", std::string(blue.begin(), blue.end()));
        game = std::make_unique<FormGames>(screen(), "game", kWidth, kHeight);
        ASSERT_TRUE(PumpUntil([&] { return game->GetGraphics() != nullptr; }));
        game->RenderSfondo("blue.bin");
        ASSERT_NE(game->GetScreenBufferImage(), nullptr);
    }

    void TearDown() override {
        game.reset();
        XServerTest::TearDown();
    }

    ClientImage Image(const std::vector<uint8_t>& rgb, int w, int h) {
        return MyImage::CreateImageFromRGB(game.get(), rgb.data(), w, h);
    }
    unsigned long Buffer(int x, int y) {
        return XGetPixel(game->GetScreenBufferImage(), x, y) & 0xFFFFFF;
    }
    unsigned long Static(int x, int y) {
        return XGetPixel(game->GetStaticLayer(), x, y) & 0xFFFFFF;
    }

    TempFolder folder;
    std::unique_ptr<FormGames> game;
};

}  // namespace sassorbi::testing
