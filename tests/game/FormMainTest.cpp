// The rules of play and the screens, in process on the real X server with the game's own data.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "dialogs/FormNamePlayer.h"
#include "game/FormMain.h"
#include "graphics/SharedFont.h"
#include "graphics/XOwners.h"
#include "tests/game/MainFormFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "toolkit/MonotonicClock.h"
#include "util/Files.h"
#include "util/Text.h"

namespace sassorbi::testing {
namespace {

using FormMainTest = MainFormFixture;

TEST_F(FormMainTest, LevelsCycleThroughTheFiveLandmarks) {
    const char* expected[] = {"sanmartino2.bin",  "cattedrale.bin", "chiesacerreto.bin",
                              "palazzogenio.bin", "santuario.bin",  "sanmartino2.bin"};
    for (int level = 1; level <= 6; ++level) {
        StartLevel(level);
        EXPECT_EQ(BackgroundName(), expected[level - 1]) << "level " << level;
    }
}

TEST_F(FormMainTest, EveryFifthLevelHasThirteenAsteroidsAndTheOthersTwelve) {
    for (int level : {1, 2, 3, 4, 5, 9, 10}) {
        StartLevel(level);
        EXPECT_EQ(game->GetAsteroids().size(), level % 5 == 0 ? 13u : 12u) << "level " << level;
        EXPECT_EQ(game->GetDiamonds().size(), 10u);
    }
}

TEST_F(FormMainTest, AsteroidsFallFasterWithTheLevelUpToTheirOwnHeight) {
    StartLevel(7);
    for (auto& asteroid : game->GetAsteroids()) {
        EXPECT_GE(asteroid->SpeedY, 11);
        EXPECT_LE(asteroid->SpeedY, 14);
        EXPECT_EQ(asteroid->GetY(), 20);
    }
    for (auto& movement : game->GetMoveAnimations()) {
        EXPECT_GE(movement->GetInterval(), 55 - 7);
        EXPECT_LE(movement->GetInterval(), 105 - 7);
    }
    StartLevel(60);
    for (auto& asteroid : game->GetAsteroids())
        EXPECT_EQ(asteroid->SpeedY, 63);
}

TEST_F(FormMainTest, ShortIntervalsMoveEveryTickAndTheBottomLeadsBackToTheTop) {
    StartLevel(100);
    ParkDiamonds();
    game->GetPlayer()->SetPosition(0, 550);
    std::vector<int> before;
    for (auto& asteroid : game->GetAsteroids()) {
        asteroid->SetPosition(400, 20);
        before.push_back(asteroid->GetY());
    }
    game->OnUserMessage();
    for (auto& asteroid : game->GetAsteroids())
        EXPECT_EQ(asteroid->GetY(), 20 + 63);
    for (auto& asteroid : game->GetAsteroids())
        asteroid->SetPosition(400, asteroid->MaxY - 1);
    game->OnUserMessage();
    for (auto& asteroid : game->GetAsteroids()) {
        EXPECT_EQ(asteroid->GetY(), 20) << "re-entered at the top";
        EXPECT_GE(asteroid->GetX(), 1);
        EXPECT_LE(asteroid->GetX(), asteroid->MaxX);
    }
}

TEST_F(FormMainTest, AShipAtTheLeftEdgeNeitherMovesNorCollects) {
    StartLevel(1);
    ParkAsteroids();
    ParkDiamonds();
    game->GetPlayer()->SetPosition(0, 300);
    game->GetDiamonds()[0]->SetPosition(5, 310);
    game->KeyDownHook(XK_Left);
    game->InputStep();
    EXPECT_EQ(game->GetPlayer()->GetX(), 0);
    EXPECT_EQ(game->GetScore(), 0);
    EXPECT_TRUE(game->GetDiamonds()[0]->IsAlive());
}

TEST_F(FormMainTest, OneMoveCollectsEveryDiamondItTouches) {
    StartLevel(1);
    ParkAsteroids();
    ParkDiamonds();
    game->GetPlayer()->SetPosition(300, 300);
    game->GetDiamonds()[0]->SetPosition(305, 305);
    game->GetDiamonds()[1]->SetPosition(320, 320);
    game->MovePlayerX(2);
    EXPECT_EQ(game->GetScore(), 100);
    EXPECT_FALSE(game->GetDiamonds()[0]->IsAlive());
    EXPECT_FALSE(game->GetDiamonds()[1]->IsAlive());
    EXPECT_TRUE(game->GetDiamonds()[2]->IsAlive());
}

TEST_F(FormMainTest, TheLevelEndsOnTheNextAcceptedMoveAfterTheLastDiamond) {
    StartLevel(1);
    ParkAsteroids();
    for (auto& diamond : game->GetDiamonds())
        diamond->SetAlive(false);
    game->GetDiamonds()[9]->SetAlive(true);
    game->GetDiamonds()[9]->SetPosition(305, 305);
    game->GetPlayer()->SetPosition(300, 300);
    game->MovePlayerX(2);
    EXPECT_EQ(game->GetScore(), 50);
    EXPECT_EQ(game->GetState(), GameState::Playing) << "not at once";
    game->GetPlayer()->SetPosition(0, 300);
    game->MovePlayerX(-2);
    EXPECT_EQ(game->GetState(), GameState::Playing) << "a refused move does not count";
    const int paused_before = game->paused_ms;
    game->MovePlayerX(2);
    EXPECT_EQ(game->GetState(), GameState::Waiting);
    EXPECT_EQ(game->GetLevel(), 2);
    EXPECT_EQ(game->paused_ms - paused_before, 4000) << "a second, then the level screen";
}

TEST_F(FormMainTest, PPausesAndResumesAndLowerCaseKeysWorkAlike) {
    StartLevel(1);
    game->KeyCharHook('p');
    EXPECT_EQ(game->GetState(), GameState::Paused);
    game->KeyCharHook('P');
    EXPECT_EQ(game->GetState(), GameState::Playing);
    game->KeyCharHook('n');
    EXPECT_EQ(game->GetState(), GameState::Waiting);
    EXPECT_EQ(game->GetLevel(), 2);
    game->KeyCharHook('p');
    EXPECT_EQ(game->GetState(), GameState::Waiting) << "P does nothing while waiting";
    ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::Playing; }, 4000));
    EXPECT_EQ(game->GetLevel(), 2);
}

TEST_F(FormMainTest, AHitCostsALifeAndTheSameLevelStartsAgain) {
    StartLevel(3);
    ParkDiamonds();
    game->GetPlayer()->SetPosition(400, 500);
    game->GetAsteroids()[0]->SetPosition(400, 480);
    game->GetMoveAnimations()[0]->Advance(1000);
    EXPECT_EQ(game->GetLives(), 2);
    EXPECT_EQ(game->GetState(), GameState::Waiting);
    ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::Playing; }, 4000));
    EXPECT_EQ(game->GetLevel(), 3);
    EXPECT_EQ(game->GetDiamonds().size(), 10u);
}

TEST_F(FormMainTest, TheLastLifeOpensTheNameDialogAndItsNameIsStoredWithTheScore) {
    StartLevel(2);
    ParkDiamonds();
    game->GetPlayer()->SetPosition(300, 300);
    game->GetDiamonds()[0]->SetPosition(305, 305);
    game->MovePlayerX(2);
    for (int life = 3; life >= 1; --life) {
        if (game->GetState() != GameState::Playing) {
            ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::Playing; }, 4000));
        }
        // Just above the ship: its next fall step lands on it.
        const SpritePlayer* ship = game->GetPlayer();
        game->GetAsteroids()[0]->SetPosition(ship->GetX(), std::min(ship->GetY() - 20, 525));
        game->GetMoveAnimations()[0]->Advance(1000);
    }
    ASSERT_EQ(game->GetState(), GameState::NameEntry);
    FormNamePlayer* dialog = game->GetNameForm();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(game->IsEnabled());
    WaitViewable(*dialog);
    Focus(*dialog);
    for (KeySym key : {XK_e, XK_v, XK_a, XK_Return})
        TapKey(key);
    ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::ScoreSaved; }));
    EXPECT_EQ(ReadFile("Data/Sassorbi/Score/Classifica.txt"), "00000050 eva          Level 2\n");
    game->KeyCharHook('x');
    EXPECT_EQ(game->GetState(), GameState::Title);
}

TEST_F(FormMainTest, TheHudShowsAZeroPaddedScoreTheLivesAtTheRightAndTheLevelCentred) {
    StartLevel(7);
    ParkAsteroids();
    ParkDiamonds();
    game->GetPlayer()->SetPosition(300, 300);
    game->GetDiamonds()[0]->SetPosition(305, 305);
    game->MovePlayerX(2);
    game->SetLives(2);
    game->ShowHud();

    // The strip as the rules place it, drawn here with the same font.
    XFontStruct* font = SharedFont(display());
    ASSERT_NE(font, nullptr);
    const int width = 800, height = font->ascent + 15, baseline = font->ascent + 10;
    const OwnedPixmap owned_pixmap(display(), game->GetWindow(), width, height,
                                   DefaultDepth(display(), screen()->GetScreenNumber()));
    const Pixmap pixmap = owned_pixmap.Get();
    const OwnedGc owned_gc(display(), pixmap, 0, nullptr);
    const GC gc = owned_gc.Get();
    XSetFont(display(), gc, font->fid);
    XSetForeground(display(), gc, 0x010101);
    XFillRectangle(display(), pixmap, gc, 0, 0, width, height);
    XSetForeground(display(), gc, 0xFFFFFF);
    auto text = [&](const std::string& s, int x) {
        XDrawString(display(), pixmap, gc, x, baseline, s.data(), static_cast<int>(s.size()));
    };
    auto text_width = [&](const std::string& s) {
        return XTextWidth(font, s.data(), static_cast<int>(s.size()));
    };
    text("Score: 000050", 5);
    text("Lives: 2", width - text_width("Lives: 2") - 10);
    text("Level: 7", (width - text_width("Level: 7")) / 2);
    const ServerImage expected(
        XGetImage(display(), pixmap, 0, 0, width, height, AllPlanes, ZPixmap));
    ASSERT_NE(expected, nullptr);
    int differing = 0, white = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(expected.get(), x, y) & 0xFFFFFF;
            white += pixel == 0xFFFFFF;
            differing += (XGetPixel(game->GetStaticLayer(), x, y) & 0xFFFFFF) != pixel;
        }
    }
    EXPECT_GT(white, 100) << "the expected strip has text";
    EXPECT_EQ(differing, 0);
}

TEST_F(FormMainTest, TheWaitBeforeALevelLastsAtLeastOneAndAHalfSeconds) {
    StartLevel(1);
    game->KeyCharHook('N');
    ASSERT_EQ(game->GetState(), GameState::Waiting);
    const int64_t waiting_since = MonotonicMilliseconds();
    game->new_game_ms.clear();
    ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::Playing; }, 4000));
    ASSERT_EQ(game->new_game_ms.size(), 1u);
    EXPECT_GE(game->new_game_ms[0] - waiting_since, 1500);
}

TEST_F(FormMainTest, TheTitleStripShowsTheTopTenInTurnAndNothingWithoutATable) {
    // With an empty table the strip keeps the title picture's own dark top.
    const unsigned long top_before = XGetPixel(game->GetStaticLayer(), 300, 12);
    const int64_t end = MonotonicMilliseconds() + 1200;
    PumpUntil([&] { return MonotonicMilliseconds() >= end; }, 2000);
    EXPECT_EQ(XGetPixel(game->GetStaticLayer(), 300, 12), top_before);

    CreateFolder("Data/Sassorbi");
    CreateFolder("Data/Sassorbi/Score");
    WriteFile("Data/Sassorbi/Score/Classifica.txt",
              "00000500 Ada          Level 4\n00000400 Bob          Level 3\n");
    game->SetState(GameState::ScoreSaved);
    game->KeyCharHook('x');  // back through the loading screen, which reads the table
    const XImage* layer = game->GetStaticLayer();
    const size_t strip_bytes = static_cast<size_t>(layer->bytes_per_line) * 20;
    auto look = [&] { return std::string(layer->data, strip_bytes); };
    auto shows_entry = [&] {
        bool white = false;
        for (int x = 5; x < 300 && !white; ++x)
            white = (XGetPixel(game->GetStaticLayer(), x, 14) & 0xFFFFFF) == 0xFFFFFF;
        return white;
    };
    ASSERT_TRUE(PumpUntil(shows_entry, 8000)) << "an entry appears in the top strip";
    // Then, turn by turn: nothing, the second entry, nothing, and the first again.
    const std::string first = look();
    std::vector<std::string> turns;
    for (int turn = 0; turn < 4; ++turn) {
        game->ShowTopTenEntry();
        EXPECT_EQ(shows_entry(), turn % 2 == 1) << "turn " << turn;
        turns.push_back(look());
    }
    EXPECT_NE(turns[1], first) << "the second entry";
    EXPECT_EQ(turns[3], first) << "after the last entry the first";
}

// A hand-edited table of twelve lines is cut to ten by the next game; back on the title
// screen the strip starts again at the best entry of the table as it is now.
TEST_F(FormMainTest, TheTitleStripStartsAtTheTopOfATableThatShrank) {
    CreateFolder("Data/Sassorbi");
    CreateFolder("Data/Sassorbi/Score");
    std::string table;
    for (int i = 1; i <= 11; ++i)
        table += "000001" + IntToString(i, '0', 2) + " short\n";
    table += "00099999 " + std::string(50, 'W') + "\n";  // the best, and much the widest
    WriteFile("Data/Sassorbi/Score/Classifica.txt", table);
    game->SetState(GameState::ScoreSaved);
    game->KeyCharHook('x');
    ASSERT_EQ(game->GetState(), GameState::Title);
    for (int turn = 0; turn < 22; ++turn)
        game->ShowTopTenEntry();  // the first eleven lines shown, the twelfth is next

    game->SaveScore();
    ASSERT_EQ(ReadFile("Data/Sassorbi/Score/Classifica.txt").substr(0, 9), "00099999 ");
    game->KeyCharHook('x');
    ASSERT_EQ(game->GetState(), GameState::Title);
    game->ShowTopTenEntry();
    bool wide = false;
    for (int x = 400; x < 790 && !wide; ++x) {
        for (int y = 5; y < 25 && !wide; ++y)
            wide = (XGetPixel(game->GetStaticLayer(), x, y) & 0xFFFFFF) == 0xFFFFFF;
    }
    EXPECT_TRUE(wide) << "the best entry, first in the table read again";
}

}  // namespace
}  // namespace sassorbi::testing
