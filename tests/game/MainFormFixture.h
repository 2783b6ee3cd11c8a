#pragma once
// The game in this process on the test server, with its own data copied into a temporary
// game directory, its pauses skipped (unless asked for), and its rules reachable from the tests.

#include <X11/Xutil.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/FormMain.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {

// The game with its pauses skipped (unless asked for) and its rules reachable from the tests.
class TestGame : public FormMain {
public:
    using FormMain::CollectDiamonds;
    using FormMain::FormMain;
    using FormMain::InputStep;
    using FormMain::MovePlayerX;
    using FormMain::MovePlayerY;
    using FormMain::SetLevel;
    using FormMain::SetState;
    using FormMain::ShowTopTenEntry;
    void SetLives(int lives) { lives_ = lives; }
    void Pause(int milliseconds) override {
        paused_ms += milliseconds;
        if (real_pauses) FormMain::Pause(milliseconds);
    }
    // When each level (re)start began, on the monotonic clock.
    void NewGame() override {
        new_game_ms.push_back(MonotonicMilliseconds());
        FormMain::NewGame();
    }
    int paused_ms = 0;
    bool real_pauses = false;
    std::vector<int64_t> new_game_ms;
};

// The game that counts the frames it composes.
class CountingGame : public TestGame {
public:
    using TestGame::TestGame;
    void RenderFrame() override {
        TestGame::RenderFrame();
        ++frames;
    }
    int frames = 0;
};

class MainFormFixture : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        std::filesystem::copy(SASSORBI_DATA_DIR, "Data", std::filesystem::copy_options::recursive);
        game = std::make_unique<TestGame>(screen(), "Sassorbi test");
        SetMainForm(game.get());
        ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::Title; }, 10000));
    }

    void TearDown() override {
        game.reset();
        XServerTest::TearDown();
    }

    void StartLevel(int level) {
        if (game->GetState() == GameState::Title) game->KeyCharHook('G');
        game->SetLevel(level);
        game->NewGame();
        ASSERT_EQ(game->GetState(), GameState::Playing);
    }

    // Moves every diamond out of the ship's way, to the top-left corner.
    void ParkDiamonds() {
        for (auto& diamond : game->GetDiamonds())
            diamond->SetPosition(60, 60);
    }

    // Keeps the asteroids away from the ship.
    void ParkAsteroids() {
        for (auto& asteroid : game->GetAsteroids())
            asteroid->SetPosition(700, 20);
    }

    std::vector<uint8_t> FilePixel(const std::string& name, int x, int y) {
        std::ifstream file("Data/" + name, std::ios::binary);
        file.seekg((y * 800 + x) * 3);
        std::vector<uint8_t> rgb(3);
        file.read(reinterpret_cast<char*>(rgb.data()), 3);
        return rgb;
    }

    // The background whose file holds the background's pixels at a few places.
    std::string BackgroundName() {
        for (const char* name : {"sanmartino2.bin", "cattedrale.bin", "chiesacerreto.bin",
                                 "palazzogenio.bin", "santuario.bin"}) {
            bool same = true;
            for (int i = 0; i < 6; ++i) {
                const int x = 100 + i * 110, y = 150 + i * 60;
                const unsigned long pixel = XGetPixel(game->GetBackground(), x, y);
                const std::vector<uint8_t> rgb = FilePixel(name, x, y);
                same = same &&
                       pixel == static_cast<unsigned long>((rgb[0] << 16) | (rgb[1] << 8) | rgb[2]);
            }
            if (same) return name;
        }
        return "";
    }

    TempFolder folder;
    std::unique_ptr<TestGame> game;
};

}  // namespace sassorbi::testing
