// The rules of play at their exact edges: where the ship may go, when it touches a diamond or
// an asteroid, which asteroids a level launches and how every kind of sprite is cut and paced.

#include <X11/keysym.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/joystick.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "devices/Joystick.h"
#include "tests/game/MainFormFixture.h"
#include "util/ChildProcesses.h"

namespace sassorbi::testing {
namespace {

class PlayRulesTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        StartLevel(1);
        ParkAsteroids();
        ParkDiamonds();
    }

    // The asteroid's next fall step ends at (x, y).
    void FallOnto(SpriteSassorbi* asteroid, SpriteAnim* fall, int x, int y) {
        asteroid->SpeedY = 1;
        asteroid->SetPosition(x, y - 1);
        fall->Advance(1000);
    }

    // 'A' or 'B' for each asteroid launched, by the first frame of its kind (0 or 6).
    std::string AsteroidSequence() {
        std::string sequence;
        for (auto& asteroid : game->GetAsteroids()) {
            const int frame = asteroid->GetFrame();
            sequence += frame == 0 ? 'A' : frame == 6 ? 'B' : '?';
        }
        return sequence;
    }
};

TEST_F(PlayRulesTest, TheShipStaysBelowTheHudAboveTheBottomAndInsideBothSides) {
    SpritePlayer* ship = game->GetPlayer();
    struct Move {
        int x, y, dx, dy;
        bool accepted;
    };
    // At each edge: the last place the ship may take, and one pixel past it.
    const Move moves[] = {{375, 27, 0, -2, true},  {375, 26, 0, -2, false}, {375, 548, 0, 2, true},
                          {375, 549, 0, 2, false}, {748, 300, 2, 0, true},  {749, 300, 2, 0, false},
                          {2, 300, -2, 0, true},   {1, 300, -2, 0, false}};
    for (const Move& move : moves) {
        ship->SetPosition(move.x, move.y);
        if (move.dx != 0) game->MovePlayerX(move.dx);
        if (move.dy != 0) game->MovePlayerY(move.dy);
        const int x = move.accepted ? move.x + move.dx : move.x;
        const int y = move.accepted ? move.y + move.dy : move.y;
        EXPECT_EQ(ship->GetX(), x) << "from " << move.x << ", " << move.y;
        EXPECT_EQ(ship->GetY(), y) << "from " << move.x << ", " << move.y;
    }
}

TEST_F(PlayRulesTest, ADiamondCountsFromTwoPixelsInsideTheShipAndTenInsideItself) {
    game->GetPlayer()->SetPosition(300, 300);
    struct Place {
        int x, y;
        bool collected;
    };
    // One pixel out and one pixel in, on each side of the ship.
    const Place places[] = {{338, 300, false}, {337, 300, true},  {280, 300, false},
                            {281, 300, true},  {300, 338, false}, {300, 337, true},
                            {300, 280, false}, {300, 281, true}};
    int score = 0;
    for (const Place& place : places) {
        SpriteDiamante* diamond = game->GetDiamonds()[0].get();
        diamond->SetAlive(true);
        diamond->SetPosition(place.x, place.y);
        game->CollectDiamonds();
        score += place.collected ? 50 : 0;
        EXPECT_EQ(diamond->IsAlive(), !place.collected) << place.x << ", " << place.y;
        EXPECT_EQ(game->GetScore(), score) << place.x << ", " << place.y;
    }
}

TEST_F(PlayRulesTest, AnAsteroidHitsOnlyWhenBothAreTenPixelsInsideEachOther) {
    const int x = 400, y = 300;
    struct Place {
        int x, y;
    };
    // One pixel short of a hit on each side, then one pixel into it.
    const Place misses[] = {{x + 30, y}, {x - 25, y}, {x, y + 30}, {x, y - 43}};
    const Place hits[] = {{x + 29, y}, {x - 24, y}, {x, y + 29}, {x, y - 42}};
    game->GetPlayer()->SetPosition(x, y);
    for (const Place& place : misses) {
        FallOnto(game->GetAsteroids()[0].get(), game->GetMoveAnimations()[0].get(), place.x,
                 place.y);
        ASSERT_EQ(game->GetLives(), 3) << place.x << ", " << place.y;
    }
    for (const Place& place : hits) {
        game->SetLives(3);
        game->NewGame();
        ParkDiamonds();
        game->GetPlayer()->SetPosition(x, y);
        FallOnto(game->GetAsteroids()[0].get(), game->GetMoveAnimations()[0].get(), place.x,
                 place.y);
        EXPECT_EQ(game->GetLives(), 2) << place.x << ", " << place.y;
        EXPECT_EQ(game->GetState(), GameState::Waiting);
    }
}

TEST_F(PlayRulesTest, EachLevelLaunchesItsOwnSequenceOfTheTwoAsteroidKinds) {
    const char* sequences[] = {"ABAABABABABA", "ABAABAABBABA", "ABAABABABABA", "ABAABABAABBA",
                               "ABAABABABABBA"};
    for (int level = 1; level <= 6; ++level) {
        StartLevel(level);
        EXPECT_EQ(AsteroidSequence(), sequences[(level - 1) % 5]) << "level " << level;
        for (size_t i = 0; i < game->GetAsteroids().size(); ++i)
            EXPECT_EQ(game->GetMoveAnimations()[i]->GetTarget(), game->GetAsteroids()[i].get());
    }
}

TEST_F(PlayRulesTest, EverySpriteHasTheSizeFramesAndPaceOfItsKind) {
    const SpritePlayer& ship = *game->GetPlayer();
    EXPECT_EQ(ship.GetWidth(), 50);
    EXPECT_EQ(ship.GetHeight(), 50);
    EXPECT_EQ(ship.GetX(), 375);
    EXPECT_EQ(ship.GetY(), 550);
    EXPECT_EQ(ship.GetFrame(), 0);
    for (auto& diamond : game->GetDiamonds()) {
        EXPECT_EQ(diamond->GetWidth(), 32);
        EXPECT_EQ(diamond->GetHeight(), 32);
        EXPECT_TRUE(diamond->IsStatic());
    }
    for (auto& asteroid : game->GetAsteroids()) {
        EXPECT_EQ(asteroid->GetWidth(), 45);
        EXPECT_EQ(asteroid->GetHeight(), 63);
        EXPECT_EQ(asteroid->MinY, 20);
        EXPECT_EQ(asteroid->MaxX, 800 - 45);
        EXPECT_EQ(asteroid->MaxY, 600 - 63);
    }
    // The ship turns a frame every 100 ms, an asteroid every 200 ms; each range wraps. The
    // first asteroid of every level is of the first kind, the second of the other.
    auto ticks = [&](int count) {
        for (int i = 0; i < count; ++i)
            game->OnUserMessage();
    };
    ticks(10);
    EXPECT_EQ(ship.GetFrame(), 1);
    EXPECT_EQ(game->GetAsteroids()[0]->GetFrame(), 0);
    EXPECT_EQ(game->GetAsteroids()[1]->GetFrame(), 6);
    ticks(10);
    EXPECT_EQ(ship.GetFrame(), 2);
    EXPECT_EQ(game->GetAsteroids()[0]->GetFrame(), 1);
    EXPECT_EQ(game->GetAsteroids()[1]->GetFrame(), 7);
    ticks(60);
    EXPECT_EQ(ship.GetFrame(), 0) << "eight frames, 0 to 7";
    EXPECT_EQ(game->GetAsteroids()[0]->GetFrame(), 4) << "five frames, 0 to 4";
    EXPECT_EQ(game->GetAsteroids()[1]->GetFrame(), 6) << "four frames, 6 to 9";
    EXPECT_EQ(game->GetState(), GameState::Playing);
}

TEST_F(PlayRulesTest, TwoDirectionsAtOnceOnTheLastDiamondRaiseTheLevelOnce) {
    game->SetState(GameState::Paused);
    ASSERT_EQ(mkfifo("js0", 0600), 0);
    const pid_t reader = StartJoystickReaderOn("js0");
    ASSERT_GT(reader, 0);
    const int device = open("js0", O_WRONLY);
    ASSERT_GE(device, 0);
    const js_event up{0, -20000, JS_EVENT_AXIS, 1};
    ASSERT_EQ(write(device, &up, sizeof up), static_cast<ssize_t>(sizeof up));
    ASSERT_TRUE(PumpUntil([] {
        JoystickPoll();
        return JoyUp();
    }));

    // The last diamond went with the previous move: the next accepted move ends the level.
    for (auto& diamond : game->GetDiamonds())
        diamond->SetAlive(false);
    game->KeyDownHook(XK_Left);
    game->SetState(GameState::Playing);
    const int paused_before = game->paused_ms;
    game->InputStep();
    EXPECT_EQ(game->GetLevel(), 2);
    EXPECT_EQ(game->GetState(), GameState::Waiting);
    EXPECT_EQ(game->paused_ms - paused_before, 4000) << "one level screen";

    game->KeyUpHook(XK_Left);
    close(device);
    EXPECT_TRUE(PumpUntil([&] { return !IsChildRunning(reader); }));
    JoystickShutdown();
}

}  // namespace
}  // namespace sassorbi::testing
