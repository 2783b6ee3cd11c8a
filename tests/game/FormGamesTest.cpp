// The game form: the compositor, frames reaching the window, the keyboard table.

#include <X11/keysym.h>
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <utility>

#include "game/ScreenBuffer.h"
#include "game/Sprite.h"
#include "graphics/XOwners.h"
#include "tests/game/GameFixture.h"
#include "tests/support/LogMark.h"
#include "toolkit/Application.h"
#include "util/Files.h"

namespace sassorbi::testing {
namespace {

using FormGamesTest = GameFixture;

TEST_F(FormGamesTest, ABackgroundFillsAllThreePicturesAndTheWindow) {
    EXPECT_EQ(Buffer(0, 0), kBlue);
    EXPECT_EQ(Static(199, 149), kBlue);
    EXPECT_EQ(XGetPixel(game->GetBackground(), 100, 100) & 0xFFFFFF, kBlue);
    EXPECT_EQ(PixelAt(game->GetWindow(), 100, 100), kBlue);
}

TEST_F(FormGamesTest, ImagesAreClippedAtEveryEdgeAndDrawNothingWhollyOutside) {
    const ClientImage red = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    game->RenderImage(red.get(), -4, -3, 10, 10, false, false);
    EXPECT_EQ(Buffer(0, 0), 0xFF0000u);
    EXPECT_EQ(Buffer(5, 6), 0xFF0000u);
    EXPECT_EQ(Buffer(6, 6), kBlue);
    EXPECT_EQ(Buffer(5, 7), kBlue);
    game->RenderImage(red.get(), 195, 145, 10, 10, false, false);
    EXPECT_EQ(Buffer(199, 149), 0xFF0000u);
    EXPECT_EQ(Buffer(194, 149), kBlue);
    const std::vector<unsigned long> before = {Buffer(199, 0), Buffer(0, 149)};
    game->RenderImage(red.get(), 250, 0, 10, 10, false, false);
    game->RenderImage(red.get(), 0, 160, 10, 10, false, false);
    game->RenderImage(red.get(), -20, 0, 10, 10, false, false);
    EXPECT_EQ((std::vector<unsigned long>{Buffer(199, 0), Buffer(0, 149)}), before);
    EXPECT_EQ(Static(0, 0), kBlue) << "moving images stay out of the static layer";
}

TEST_F(FormGamesTest, PureBlackIsSkippedOnlyWhenTransparentAndNearBlackIsDrawn) {
    std::vector<uint8_t> rgb = SolidRGB(2, 1, 0x000000);
    rgb[3] = rgb[4] = rgb[5] = 1;  // the second pixel 0x010101
    const ClientImage image = Image(rgb, 2, 1);
    game->RenderImage(image.get(), 10, 10, 2, 1, true, true);
    EXPECT_EQ(Buffer(10, 10), kBlue);
    EXPECT_EQ(Buffer(11, 10), 0x010101u);
    EXPECT_EQ(Static(11, 10), 0x010101u) << "drawn to the static layer as well";
    game->RenderImage(image.get(), 20, 10, 2, 1, true, false);
    EXPECT_EQ(Buffer(20, 10), 0x000000u);
}

TEST_F(FormGamesTest, AFrameShowsTheScreenBufferOnTheWindow) {
    const ClientImage red = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    game->RenderImage(red.get(), 50, 50, 10, 10, false, false);
    game->RenderFrame();
    EXPECT_EQ(PixelAt(game->GetWindow(), 55, 55), 0xFF0000u);
    EXPECT_TRUE(game->GetScreenBuffer()->IsShared()) << "MIT-SHM attaches on a local server";
}

TEST_F(FormGamesTest, TheFrameTimerComposesAFrameEverySixthTick) {
    const ClientImage red = Image(SolidRGB(4, 4, 0xFF0000), 4, 4);
    game->RenderImage(red.get(), 0, 0, 4, 4, false, false);
    RunIdleWaits(5);
    EXPECT_EQ(PixelAt(game->GetWindow(), 1, 1), kBlue);
    RunIdleWaits(1);
    EXPECT_EQ(PixelAt(game->GetWindow(), 1, 1), 0xFF0000u);
}

TEST_F(FormGamesTest, TextAndRectanglesReachTheLayers) {
    game->RenderRect(30, 30, 11, 11, 0x00FF00);
    EXPECT_EQ(Static(30, 30), 0x00FF00u);
    EXPECT_EQ(Buffer(39, 39), 0x00FF00u);
    EXPECT_EQ(Static(40, 40), kBlue) << "one pixel less than asked, as drawn";
    game->RenderRect(-5, -5, 11, 11, 0xFF0000);
    EXPECT_EQ(Static(0, 0), 0xFF0000u) << "from the window's first row and column";
    EXPECT_EQ(Buffer(0, 0), 0xFF0000u);
    EXPECT_EQ(Static(4, 4), 0xFF0000u);
    game->RenderText(60, 60, "Hi", 0xFFFFFF);
    int white = 0;
    for (int y = 60; y < 78; ++y) {
        for (int x = 60; x < 80; ++x)
            white += Static(x, y) == 0xFFFFFFu;
    }
    EXPECT_GT(white, 5);
}

// A line longer than the room left, or a box lower than the window, still leaves in the
// layers the part that shows.
TEST_F(FormGamesTest, TextRunningPastTheWindowReachesTheLayersWhereItShows) {
    auto white_in = [&](int x0, int y0, int x1, int y1) {
        int white = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x)
                white += Static(x, y) == 0xFFFFFFu;
        }
        return white;
    };
    game->RenderText(150, 20, "HHHHHHHHHHHHHHHHHHHH", 0xFFFFFF);
    EXPECT_GT(white_in(150, 20, kWidth, 38), 20);
    game->RenderText(-30, 140, "HHHHHHHHHH", 0xFFFFFF);
    EXPECT_GT(white_in(0, 140, 50, kHeight), 5);
    EXPECT_EQ(ReadFile("log.txt").find("X error"), std::string::npos);
}

TEST_F(FormGamesTest, RestoringPastThePictureEndIsLoggedAndClamped) {
    const ClientImage red = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    game->RenderImage(red.get(), 0, 140, 10, 10, true, false);
    LogMark log;
    game->RipristinaSfondo(0, 140, 10, 20, FormGames::RestoreFrom::kBackground);
    EXPECT_EQ(log.Take(), "RipristinaSfondo(): attenzione sizeFrame > size bmpScreenBuffer\n");
    EXPECT_EQ(Static(5, 149), kBlue);
}

// A rectangle that starts left of or above the picture loses the part outside it: only the
// rest is restored, and nothing past the picture's end is read.
TEST_F(FormGamesTest, RestoringFromANegativeOriginRestoresOnlyThePartInsideThePicture) {
    const ClientImage red = Image(SolidRGB(kWidth, kHeight, 0xFF0000), kWidth, kHeight);
    game->RenderImage(red.get(), 0, 0, kWidth, kHeight, true, false);
    game->RipristinaSfondo(-10, 0, 20, 5, FormGames::RestoreFrom::kBackground);
    EXPECT_EQ(Static(9, 2), kBlue);
    EXPECT_EQ(Static(10, 2), 0xFF0000u) << "x = -10 and w = 20 end at column 9";
    game->RipristinaSfondo(0, -10, 5, 20, FormGames::RestoreFrom::kBackground);
    EXPECT_EQ(Buffer(2, 9), kBlue);
    EXPECT_EQ(Buffer(2, 10), 0xFF0000u) << "y = -10 and h = 20 end at row 9";
    LogMark log;
    game->RipristinaSfondo(20, -10, 5, kHeight + 10, FormGames::RestoreFrom::kBackground);
    EXPECT_EQ(log.Take(), "") << "it ends at the last row";
    EXPECT_EQ(Buffer(22, kHeight - 1), kBlue);
    game->RipristinaSfondo(40, -10, 5, kHeight + 20, FormGames::RestoreFrom::kBackground);
    EXPECT_EQ(log.Take(), "RipristinaSfondo(): attenzione sizeFrame > size bmpScreenBuffer\n");
    EXPECT_EQ(Buffer(42, kHeight - 1), kBlue);
}

// A sprite gone past an edge asks for an area that lies wholly outside the picture: there is
// nothing to restore, and nothing past the picture may be read.
TEST_F(FormGamesTest, RestoringAnAreaWhollyOutsideThePictureChangesNothing) {
    const ClientImage red = Image(SolidRGB(kWidth, kHeight, 0xFF0000), kWidth, kHeight);
    game->RenderImage(red.get(), 0, 0, kWidth, kHeight, true, false);
    game->RipristinaSfondo(kWidth + 10, 0, 20, 5, FormGames::RestoreFrom::kBackground);
    game->RipristinaSfondo(-30, 10, 20, 5, FormGames::RestoreFrom::kBackground);
    game->RipristinaSfondo(kWidth + 10, 20, 20, 5, FormGames::RestoreFrom::kStaticLayer);
    game->RipristinaSfondo(10, -30, 5, 20, FormGames::RestoreFrom::kBackground);
    for (const auto& [x, y] : {std::pair{kWidth - 1, 2}, {0, 12}, {kWidth - 1, 22}, {12, 0}}) {
        EXPECT_EQ(Static(x, y), 0xFF0000u) << x << ", " << y;
        EXPECT_EQ(Buffer(x, y), 0xFF0000u) << x << ", " << y;
    }
}

TEST_F(FormGamesTest, MissingFilesAreNamedInTheLogAndKeepTheCurrentPictures) {
    LogMark log;
    game->RenderSfondo("nothing.bin");
    ClientImage image;
    int64_t size = 0;
    EXPECT_FALSE(game->LoadImageFile("none.bin", 2, 2, &image, &size));
    EXPECT_EQ(log.Take(), "nothing.bin: non trovato\nnone.bin: non trovato\n");
    EXPECT_EQ(Buffer(0, 0), kBlue);
}

TEST_F(FormGamesTest, TheBackgroundAgainErasesEverythingDrawnOnTheLayers) {
    const ClientImage red = Image(SolidRGB(10, 10, 0xFF0000), 10, 10);
    game->RenderImage(red.get(), 20, 20, 10, 10, true, false);
    game->RenderImage(red.get(), 40, 20, 10, 10, false, false);
    ASSERT_EQ(Static(25, 25), 0xFF0000u);
    game->RenderSfondo();
    EXPECT_EQ(Static(25, 25), kBlue);
    EXPECT_EQ(Buffer(25, 25), kBlue);
    EXPECT_EQ(Buffer(45, 25), kBlue);
}

// A background that cannot be read leaves no pictures: images then go straight to the window,
// with black still transparent, and the background cannot be drawn again.
TEST_F(FormGamesTest, AnUnreadableBackgroundLeavesNoPicturesAndImagesReachTheWindowDirectly) {
    ASSERT_TRUE(CreateFolder("folder.bin"));
    LogMark log;
    game->RenderSfondo("folder.bin");
    EXPECT_EQ(log.Take(), "Errore loading folder.bin\n");
    ClientImage kept = Image(SolidRGB(2, 2, 0xFF0000), 2, 2);
    XImage* const before_load = kept.get();
    int64_t size = 0;
    EXPECT_FALSE(game->LoadImageFile("folder.bin", 2, 2, &kept, &size));
    EXPECT_EQ(log.Take(), "Errore loading folder.bin\n");
    EXPECT_EQ(kept.get(), before_load) << "the picture is left as it was";
    EXPECT_EQ(game->GetBackground(), nullptr);
    EXPECT_EQ(game->GetScreenBufferImage(), nullptr);
    const unsigned long before = PixelAt(game->GetWindow(), 55, 55);
    game->RenderSfondo();
    EXPECT_EQ(log.Take(), "RenderSfondo(): E' necessario caricare primo lo sfondo.\n");
    EXPECT_EQ(PixelAt(game->GetWindow(), 55, 55), before);

    std::vector<uint8_t> rgb = SolidRGB(10, 10, 0xFF0000);
    rgb[0] = 0;  // the top-left pixel black
    const ClientImage red = Image(rgb, 10, 10);
    game->RenderImage(red.get(), 50, 50, 10, 10, false, true);
    EXPECT_EQ(PixelAt(game->GetWindow(), 55, 55), 0xFF0000u);
    EXPECT_EQ(PixelAt(game->GetWindow(), 50, 50), before) << "black lets the window show";
    EXPECT_EQ(PixelAt(game->GetWindow(), 60, 55), before);
    game->RenderImage(red.get(), 100, 50, 2, 2, 7, 7, false, false);
    EXPECT_EQ(PixelAt(game->GetWindow(), 104, 54), 0xFF0000u) << "a 5 x 5 source area";
    EXPECT_EQ(PixelAt(game->GetWindow(), 105, 54), before);
}

TEST_F(FormGamesTest, ArrowsShareTheirLettersAndOnlyTheLastKeyPressedIsHeld) {
    Focus(*game);
    PressKey(XK_Left);
    ASSERT_TRUE(PumpUntil([&] { return game->IsKeyDown('a'); }));
    PressKey(XK_Up);
    ASSERT_TRUE(PumpUntil([&] { return game->IsKeyDown(XK_Up); }));
    EXPECT_FALSE(game->IsKeyDown(XK_Left));
    ReleaseKey(XK_Up);
    ASSERT_TRUE(PumpUntil([&] { return !game->IsKeyDown('w'); }));
    EXPECT_FALSE(game->IsKeyDown(XK_Left)) << "Left is still down but no longer counts";
    ReleaseKey(XK_Left);
    Settle();
    EXPECT_FALSE(game->IsKeyDown(XK_F1)) << "keys above 255 never count";
}

TEST_F(FormGamesTest, LosingTheFocusForgetsAHeldKey) {
    auto other = MakeForm(400, 0, 50, 50);
    Focus(*game);
    PressKey(XK_Right);
    ASSERT_TRUE(PumpUntil([&] { return game->IsKeyDown(XK_Right); }));
    Focus(*other);
    EXPECT_TRUE(PumpUntil([&] { return !game->IsKeyDown(XK_Right); }));
    ReleaseKey(XK_Right);
    Settle();
}

TEST_F(FormGamesTest, ClosingTheWindowStopsTheTimerAndEndsTheLoop) {
    SetMainForm(game.get());
    SendDeleteWindow(*game);
    ASSERT_TRUE(PumpUntil([] { return Application::IsQuitRequested(); }));
    EXPECT_FALSE(game->GetFrameTimer()->IsRunning());
}

// Clicks on a game form that a dialog has disabled bring that dialog back to the top.
TEST_F(FormGamesTest, AClickOnTheDisabledFormRaisesItsDialog) {
    auto dialog = MakeForm(150, 100, 100, 80, true);
    game->SetActiveDialog(dialog.get());
    game->SetEnabled(false);
    XRaiseWindow(driver(), game->GetWindow());
    const auto top = [&] {
        XSync(display(), False);
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), DefaultRootWindow(driver()), &root, &parent, &children, &count);
        const Window last = count > 0 ? children[count - 1] : 0;
        if (children != nullptr) XFree(children);
        return last;
    };
    ASSERT_EQ(top(), game->GetWindow());
    ClickAt(*game, 10, 10);
    EXPECT_TRUE(PumpUntil([&] { return top() == dialog->GetWindow(); }));
    game->SetActiveDialog(nullptr);
}

// The game's own counters start again from a new game.
TEST_F(FormGamesTest, ANewGameStartsAtLevelOneWithThreeLivesAndNoScore) {
    class Played : public FormGames {
    public:
        using FormGames::FormGames;
        void Play() { score_ = 120, level_ = 4, lives_ = 1; }
    };
    Played played(screen(), "played", 20, 20);
    played.Play();
    played.NewGame();
    EXPECT_EQ(played.GetScore(), 0);
    EXPECT_EQ(played.GetLevel(), 1);
    EXPECT_EQ(played.GetLives(), 3);
}

TEST_F(FormGamesTest, AGameFormWithoutASizeIs800By640) {
    FormGames plain(screen(), "plain");
    XSync(display(), False);
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(driver(), plain.GetWindow(), &attributes));
    EXPECT_EQ(attributes.width, 800);
    EXPECT_EQ(attributes.height, 640);
}

using ScreenBufferTest = XServerTest;

// A segment made where the server cannot see it (another IPC namespace, as for a server in
// another container) is refused: the buffer falls back to a plain image that still reaches
// the window, and the refusal is no error in the log.
TEST_F(ScreenBufferTest, ASegmentTheServerCannotAttachFallsBackToAPlainImage) {
    TempFolder folder;
    auto form = MakeForm(0, 0, 40, 30);
    const int own_namespace = open("/proc/self/ns/ipc", O_RDONLY);
    ASSERT_GE(own_namespace, 0);
    if (unshare(CLONE_NEWIPC) != 0) {
        close(own_namespace);
        GTEST_SKIP() << "no IPC namespace of the test's own here";
    }
    LogMark log;
    std::unique_ptr<ScreenBuffer> buffer =
        ScreenBuffer::Create(display(), screen()->GetScreenNumber(), 20, 10);
    const bool back = setns(own_namespace, CLONE_NEWIPC) == 0;
    close(own_namespace);
    ASSERT_TRUE(back) << "the test process must return to its IPC namespace";
    ASSERT_NE(buffer, nullptr);
    EXPECT_FALSE(buffer->IsShared());
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x)
            XPutPixel(buffer->GetImage(), x, y, 0xFF0000);
    }
    const OwnedGc gc(display(), form->GetWindow(), 0, nullptr);
    buffer->Put(form->GetWindow(), gc.Get(), {{0, 0, 20, 10}}, {5, 5});
    EXPECT_EQ(PixelAt(form->GetWindow(), 24, 14), 0xFF0000u);
    EXPECT_EQ(PixelAt(form->GetWindow(), 25, 14), 0xAAAAAAu);
    EXPECT_EQ(log.Take(), "");
    EXPECT_TRUE(ScreenBuffer::Create(display(), screen()->GetScreenNumber(), 4, 4)->IsShared())
        << "back in the server's namespace";
}

TEST(FormGamesBeforePaintTest, RenderingBeforeTheFirstPaintOnlySaysWhy) {
    TempFolder folder;
    FormGames game(nullptr, "no screen", 100, 100);
    LogMark log;
    game.RenderText(0, 0, "text", 0xFFFFFF);
    game.RenderSfondo("any.bin");
    EXPECT_EQ(log.Take(),
              "RenderText(): E' possibile scrivere nel metodo RunApp o nei metodi successivi.\n"
              "RenderSfondo(file): E' possibile caricare lo sfondo nel metodo RunApp o nei metodi "
              "successivi.\n");
}

}  // namespace
}  // namespace sassorbi::testing
