// Faults met during play, in this process: files missing at the level change, the lost life
// and game over; no player for the sounds, or one that fails at once; a score that cannot be
// stored; the joystick going away in the middle of a game.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/joystick.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <X11/keysym.h>

#include <cstdlib>
#include <filesystem>

#include "devices/Joystick.h"
#include "devices/JoystickReader.h"
#include "tests/game/MainFormFixture.h"
#include "util/ChildProcesses.h"
#include "util/Files.h"
#include "util/Shell.h"

namespace sassorbi::testing {
namespace {

namespace fs = std::filesystem;

class InProcessFaultTest : public MainFormFixture {
protected:
    // Collects one diamond with a single move.
    void CollectOne() {
        ParkAsteroids();
        ParkDiamonds();
        game->GetPlayer()->SetPosition(300, 300);
        game->GetDiamonds()[0]->SetPosition(305, 305);
        game->MovePlayerX(2);
    }

    // An asteroid falls on the ship.
    void Hit() {
        const SpritePlayer* ship = game->GetPlayer();
        game->GetAsteroids()[0]->SetPosition(ship->GetX(), std::min(ship->GetY() - 20, 525));
        game->GetMoveAnimations()[0]->Advance(1000);
    }

    std::string Logged() { return ReadFile("log.txt"); }

    // A script of the test's own runs as aplay; PATH is given back at the end of the test.
    void FakePlayer(const std::string& script) {
        fs::create_directory("bin");
        WriteFile("bin/aplay", "#!/bin/sh\n" + script);
        fs::permissions("bin/aplay", fs::perms(0755));
        setenv("PATH", (fs::current_path() / "bin").string().c_str(), 1);
    }

    void TearDown() override {
        setenv("PATH", path_.c_str(), 1);
        MainFormFixture::TearDown();
    }

private:
    const std::string path_ = getenv("PATH");
};

TEST_F(InProcessFaultTest, MissingLandmarksAreNamedAndTheLevelsStillPlay) {
    for (const char* name : {"chiesacerreto.bin", "palazzogenio.bin", "santuario.bin"}) {
        fs::remove(std::string("Data/") + name);
    }
    for (int level : {3, 4, 5})
        StartLevel(level);
    const std::string log = Logged();
    for (const char* name : {"chiesacerreto.bin", "palazzogenio.bin", "santuario.bin"}) {
        EXPECT_NE(log.find(std::string("Data/") + name + ": non trovato\n"), std::string::npos);
    }
    EXPECT_EQ(game->GetAsteroids().size(), 13u);
}

TEST_F(InProcessFaultTest, MissingScreensAndCryStillLeadToTheNameDialog) {
    for (const char* name : {"replay.bin", "gameover.bin", "urlo.wav"}) {
        fs::remove(std::string("Data/") + name);
    }
    StartLevel(1);
    ParkDiamonds();
    Hit();
    EXPECT_EQ(game->GetLives(), 2);
    for (int life = 2; life >= 1; --life) {
        ASSERT_TRUE(PumpUntil([&] { return game->GetState() == GameState::Playing; }, 4000));
        ParkDiamonds();
        Hit();
    }
    EXPECT_EQ(game->GetState(), GameState::NameEntry);
    EXPECT_NE(game->GetNameForm(), nullptr);
    const std::string log = Logged();
    EXPECT_NE(log.find("Data/replay.bin: non trovato\n"), std::string::npos);
    EXPECT_NE(log.find("Data/gameover.bin: non trovato\n"), std::string::npos);
    EXPECT_NE(log.find("Data/urlo.wav non trovato.\n"), std::string::npos);
}

// This process's standard error goes to a file while it lives, as a terminal would show it.
class CapturedStandardError {
public:
    explicit CapturedStandardError(const std::string& path) : saved_(dup(STDERR_FILENO)) {
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        dup2(file, STDERR_FILENO);
        close(file);
    }
    ~CapturedStandardError() {
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    CapturedStandardError(const CapturedStandardError&) = delete;
    CapturedStandardError& operator=(const CapturedStandardError&) = delete;

private:
    int saved_;
};

// The real aplay on a machine whose sound card cannot be opened (the default device is a
// card that does not exist): its complaints at every sound reach no terminal, and the log
// says once why the game is silent. Once per process: before any other failing player.
TEST_F(InProcessFaultTest, WithoutASoundCardThePlayersAreQuietAndTheLogSaysWhyOnce) {
    CreateFolder("config");
    CreateFolder("config/alsa");
    WriteFile("config/alsa/asoundrc", "pcm.!default { type hw card 99 }\n");
    const char* config_home = getenv("XDG_CONFIG_HOME");
    const std::string saved_config_home = config_home != nullptr ? config_home : "";
    setenv("XDG_CONFIG_HOME", (fs::current_path() / "config").string().c_str(), 1);
    StartLevel(1);
    {
        CapturedStandardError captured("stderr.txt");
        auto all_ended = [this] { return PumpUntil([] { return RunningChildCount() == 0; }); };
        CollectOne();
        EXPECT_TRUE(all_ended());
        game->GetDiamonds()[1]->SetPosition(game->GetPlayer()->GetX() + 5, 305);
        game->MovePlayerX(2);
        EXPECT_TRUE(all_ended());
        Beep();
        EXPECT_TRUE(all_ended());
    }
    if (config_home != nullptr) {
        setenv("XDG_CONFIG_HOME", saved_config_home.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    EXPECT_EQ(game->GetScore(), 100);
    EXPECT_EQ(ReadFile("stderr.txt"), "");
    const std::string log = Logged();
    const std::string line = "Sound unavailable: aplay exited with status 1\n";
    const size_t first = log.find(line);
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find(line, first + 1), std::string::npos) << "logged once";
}

// The lost life's screens hold the loop for four seconds; the cry's player, which ends at
// once here, is reaped during them instead of staying a zombie until they are over.
TEST_F(InProcessFaultTest, APlayerThatEndsDuringTheScreensPauseIsReapedWithinIt) {
    FakePlayer("echo $$ > player.pid\n");
    StartLevel(1);
    ParkDiamonds();
    const int paused_before = game->paused_ms;
    game->real_pauses = true;
    Hit();  // the life is lost, with its pauses, before this returns
    game->real_pauses = false;
    ASSERT_EQ(game->GetLives(), 2);
    ASSERT_EQ(game->paused_ms - paused_before, 4000);
    const std::string pid = ReadFile("player.pid");
    ASSERT_FALSE(pid.empty());
    EXPECT_FALSE(fs::exists("/proc/" + std::to_string(std::stoi(pid)))) << "a zombie";
}

TEST_F(InProcessFaultTest, MissingDingIsNamedAndTheDiamondStillCounts) {
    fs::remove("Data/ding.wav");
    StartLevel(1);
    CollectOne();
    EXPECT_EQ(game->GetScore(), 50);
    EXPECT_NE(Logged().find("Data/ding.wav non trovato.\n"), std::string::npos);
}

TEST_F(InProcessFaultTest, AScoreThatCannotBeStoredLeavesEverythingAsItWas) {
    // The title screen made the table's folders; put a file in their place.
    fs::remove_all("Data/Sassorbi");
    WriteFile("Data/Sassorbi", "not a folder");
    StartLevel(1);
    CollectOne();
    game->SaveScore();
    EXPECT_EQ(game->GetState(), GameState::ScoreSaved);
    EXPECT_EQ(ReadFile("Data/Sassorbi"), "not a folder");
}

// A game killed while the stick was held leaves the shared record behind, present and
// pointing left. This run has no joystick: the record is not its own and never steers.
TEST_F(InProcessFaultTest, AJoystickRecordLeftBehindDoesNotSteerTheShip) {
    const int shared = shm_open(kJoystickSharedName, O_CREAT | O_RDWR, 0600);
    ASSERT_GE(shared, 0);
    JoystickState held{};
    held.present = 1;
    held.left = 1;
    ASSERT_EQ(write(shared, &held, sizeof held), static_cast<ssize_t>(sizeof held));
    close(shared);
    const pid_t reader = StartJoystickReaderOn("absent");
    ASSERT_GT(reader, 0);
    StartLevel(1);
    ParkAsteroids();
    ParkDiamonds();
    game->GetPlayer()->SetPosition(400, 300);
    RunIdleWaits(10);
    EXPECT_EQ(game->GetPlayer()->GetX(), 400);
    StopJoystickReader(reader);
    JoystickShutdown();
    shm_unlink(kJoystickSharedName);
}

TEST_F(InProcessFaultTest, AJoystickThatGoesAwayLeavesTheShipToTheKeyboard) {
    ASSERT_EQ(mkfifo("js0", 0600), 0);
    const pid_t reader = StartJoystickReaderOn("js0");
    ASSERT_GT(reader, 0);
    const int device = open("js0", O_WRONLY);
    ASSERT_GE(device, 0);
    StartLevel(1);
    ParkAsteroids();
    ParkDiamonds();
    game->GetPlayer()->SetPosition(400, 300);
    js_event left{0, -20000, JS_EVENT_AXIS, 0};
    ASSERT_EQ(write(device, &left, sizeof left), static_cast<ssize_t>(sizeof left));
    ASSERT_TRUE(PumpUntil([&] { return game->GetPlayer()->GetX() < 390; }, 3000));

    close(device);
    ASSERT_TRUE(PumpUntil([&] { return !IsChildRunning(reader); }, 3000)) << "the reader ends";
    RunIdleWaits(2);
    const int x = game->GetPlayer()->GetX();
    RunIdleWaits(5);
    EXPECT_EQ(game->GetPlayer()->GetX(), x) << "no stale direction";
    game->KeyDownHook(XK_Right);
    RunIdleWaits(3);
    EXPECT_GT(game->GetPlayer()->GetX(), x);
    game->KeyUpHook(XK_Right);
    JoystickShutdown();
}

}  // namespace
}  // namespace sassorbi::testing
