#include <dirent.h>
#include <sys/types.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "devices/SoundPlayer.h"
#include "tests/devices/Waiting.h"
#include "tests/support/TempFolder.h"
#include "util/ChildProcesses.h"
#include "util/Files.h"

namespace sassorbi {
namespace {

constexpr int kLongSoundSeconds = 100;

void AppendLittleEndian(std::string* bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes->push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A mono 16-bit PCM WAV of silence at 8000 Hz.
void WriteWav(const std::string& path, int seconds) {
    const uint32_t rate = 8000;
    const uint32_t data_size = rate * 2 * static_cast<uint32_t>(seconds);
    std::string bytes = "RIFF";
    AppendLittleEndian(&bytes, 36 + data_size, 4);
    bytes += "WAVEfmt ";
    AppendLittleEndian(&bytes, 16, 4);
    AppendLittleEndian(&bytes, 1, 2);  // PCM
    AppendLittleEndian(&bytes, 1, 2);  // One channel.
    AppendLittleEndian(&bytes, rate, 4);
    AppendLittleEndian(&bytes, rate * 2, 4);
    AppendLittleEndian(&bytes, 2, 2);
    AppendLittleEndian(&bytes, 16, 2);
    bytes += "data";
    AppendLittleEndian(&bytes, data_size, 4);
    bytes.append(data_size, '\0');
    WriteFile(path, bytes);
}

// aplay's exit status after SIGTERM varies, but the long sound lasts far longer than the
// patience: ending within it means the sound was cut.
bool WasCut(pid_t pid) {
    return EndOf(pid).has_value();
}

std::string Command(pid_t pid) {
    std::string name = ReadFile("/proc/" + std::to_string(pid) + "/comm");
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

// The live aplay processes of a process group.
std::vector<pid_t> PlayersInGroup(pid_t group) {
    std::vector<pid_t> players;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return players;
    while (dirent* entry = readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0) continue;
        // A process may end while it is read: its file then fails, and it is no player.
        std::string stat;
        try {
            stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
        } catch (const std::exception&) {
            continue;
        }
        const size_t name_end = stat.rfind(')');
        if (name_end == std::string::npos) continue;
        char state = 0;
        int parent = 0, process_group = 0;
        if (std::sscanf(stat.c_str() + name_end + 1, " %c %d %d", &state, &parent,
                        &process_group) != 3)
            continue;
        if (process_group == group && state != 'Z' && Command(pid) == "aplay")
            players.push_back(pid);
    }
    closedir(proc);
    return players;
}

// Whether the JACK server has a client for this aplay: the sound really plays.
bool PlaysOnJack(pid_t pid) {
    std::FILE* ports = popen("jack_lsp 2>/dev/null", "r");
    if (ports == nullptr) return false;
    std::string listing;
    char buffer[256];
    while (std::fgets(buffer, sizeof(buffer), ports) != nullptr)
        listing += buffer;
    pclose(ports);
    return listing.find("aplay.P." + std::to_string(pid) + ".") != std::string::npos;
}

pid_t RunQuietly(const std::vector<std::string>& argv, const std::string& output) {
    std::vector<char*> arguments;
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int file = open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        dup2(file, STDOUT_FILENO);
        dup2(file, STDERR_FILENO);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    return pid;
}

// Sets an environment variable while it lives; the programs the test starts inherit it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

std::string UniqueServerName() {
    static int count = 0;
    return "sassorbi" + std::to_string(getpid()) + "_" + std::to_string(++count);
}

// A JACK server of the test's own on the dummy driver (real-time pacing without a sound
// card), made ALSA's default device through the test's own configuration folder; the
// machine's ALSA configuration is never touched.
class JackServer {
public:
    explicit JackServer(const std::string& folder)
        : name_(UniqueServerName()),
          config_home_("XDG_CONFIG_HOME", folder),
          server_name_("JACK_DEFAULT_SERVER", name_),
          no_start_("JACK_NO_START_SERVER", "1") {
        CreateFolder(folder + "/alsa");
        WriteFile(folder + "/alsa/asoundrc",
                  "pcm.!default { type plug slave.pcm \"jackout\" }\n"
                  "pcm.jackout { type jack playback_ports "
                  "{ 0 system:playback_1 1 system:playback_2 } }\n");
        const std::string log = folder + "/jack.log";
        server_ = RunQuietly(
            {"jackd", "--no-realtime", "-n", name_, "-d", "dummy", "-r", "48000", "-p", "1024"},
            log);
        const pid_t waiter = RunQuietly({"jack_wait", "-w", "-t", "10"}, log);
        int status = 1;
        ready_ = server_ > 0 && waiter > 0 && waitpid(waiter, &status, 0) == waiter &&
                 WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    ~JackServer() {
        if (server_ <= 0) return;
        kill(server_, SIGTERM);
        int status = 0;
        waitpid(server_, &status, 0);
        RemoveClientSemaphores();
    }

    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    bool IsReady() const { return ready_; }

private:
    // A client killed while connected leaves its semaphore behind, named after the server.
    void RemoveClientSemaphores() const {
        const std::string marker = "_" + name_ + "_";
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", ignored)) {
            const std::string file = entry.path().filename().string();
            if (file.rfind("jack_sem.", 0) == 0 && file.find(marker) != std::string::npos)
                std::filesystem::remove(entry.path(), ignored);
        }
    }

    std::string name_;
    ScopedVariable config_home_;
    ScopedVariable server_name_;
    ScopedVariable no_start_;
    pid_t server_ = -1;
    bool ready_ = false;
};

class SoundPlayerTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        ASSERT_TRUE(CreateFolder("Data"));
        WriteWav("Data/one.wav", 1);
        WriteWav("Data/long.wav", kLongSoundSeconds);
    }

    // Every player is reaped, and so gone, before its server stops.
    void TearDown() override {
        EXPECT_TRUE(WaitUntil([] {
            ReapChildren();
            return RunningChildCount() == 0;
        }));
        jack_.reset();
        TempFolderTest::TearDown();
    }

    void StartJack() {
        jack_.emplace(folder_.string());
        ASSERT_TRUE(jack_->IsReady()) << ReadFile("jack.log");
    }

    // Waits until the player's aplay runs and sends its sound to the server.
    void ExpectPlaying(pid_t pid) {
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(WaitUntil([pid] { return PlaysOnJack(pid); }));
        EXPECT_EQ(Command(pid), "aplay");
    }

    std::optional<JackServer> jack_;
};

TEST_F(SoundPlayerTest, ASecondSoundCutsTheFirstButAMissingOneDoesNot) {
    StartJack();
    SoundPlayer player;
    player.Play("Data/long.wav");
    const pid_t first = player.Pid();
    ExpectPlaying(first);
    // The player is aplay itself, in its own group, reading and writing nothing of ours.
    EXPECT_EQ(getpgid(first), first);
    const std::string descriptors = "/proc/" + std::to_string(first) + "/fd/";
    EXPECT_EQ(std::filesystem::read_symlink(descriptors + "0"), "/dev/null");
    EXPECT_EQ(std::filesystem::read_symlink(descriptors + "1"), "/dev/null");
    EXPECT_EQ(std::filesystem::read_symlink(descriptors + "2"), "/dev/null");
    player.Play("Data/none.wav", true);
    player.PlaySync("Data/none.wav");
    EXPECT_EQ(ReadFile("log.txt"), "Data/none.wav non trovato.\nData/none.wav non trovato.\n");
    EXPECT_EQ(player.Pid(), first);
    EXPECT_TRUE(PlaysOnJack(first));
    player.Play("Data/long.wav");
    const pid_t second = player.Pid();
    EXPECT_NE(second, first);
    EXPECT_TRUE(WasCut(first));
    ExpectPlaying(second);
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_EQ(player.Pid(), 0);
    EXPECT_TRUE(WasCut(second));
    ReapChildren();
    EXPECT_TRUE(IsGone(first));
    EXPECT_TRUE(IsGone(second));
    // aplay stopped by a signal may exit with an error status; that is no failing player.
    EXPECT_EQ(ReadFile("log.txt"), "Data/none.wav non trovato.\nData/none.wav non trovato.\n");
}

TEST_F(SoundPlayerTest, AnEndedSoundLeavesNoZombie) {
    StartJack();
    pid_t playing = 0;
    {
        SoundPlayer player;
        player.Play("Data/one.wav");
        const pid_t pid = player.Pid();
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(EndedNormally(EndOf(pid)));
        EXPECT_FALSE(player.IsPlaying());
        EXPECT_EQ(player.Pid(), 0);
        EXPECT_TRUE(IsGone(pid));
        // Stopping after the end signals nothing: the pid is no longer ours.
        player.Stop();
        player.PlaySync("Data/one.wav");
        EXPECT_EQ(RunningChildCount(), 0u);
        player.Play("Data/long.wav");
        ExpectPlaying(player.Pid());
        playing = player.Pid();
    }
    // The destructor stopped the sound; the event loop's reaping collects it.
    EXPECT_TRUE(WasCut(playing));
    EXPECT_FALSE(FileExists("log.txt"));
}

TEST_F(SoundPlayerTest, ARepeatLoopsUntilStopped) {
    StartJack();
    SoundPlayer player;
    player.Play("Data/one.wav", true);
    const pid_t loop = player.Pid();
    ASSERT_GT(loop, 0);
    // One player after another in the loop's group.
    pid_t first = 0;
    pid_t again = 0;
    ASSERT_TRUE(WaitUntil([&] {
        const std::vector<pid_t> players = PlayersInGroup(loop);
        if (!players.empty() && first == 0) first = players.front();
        if (!players.empty() && players.front() != first) again = players.front();
        return again != 0;
    }));
    ExpectPlaying(again);
    player.Stop();
    // The loop reaps its stopped player before it ends, so nothing of the group is left.
    EXPECT_TRUE(EndOf(loop));
    EXPECT_TRUE(WaitUntil([loop] { return PlayersInGroup(loop).empty(); }));
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(again)));
    ReapChildren();
    EXPECT_TRUE(IsGone(loop));
}

// The first failing player of the process is logged, and only that one.
TEST_F(SoundPlayerTest, WithoutAplayTheGameIsSilentAndSaysWhyOnce) {
    CreateFolder("empty");
    const ScopedVariable path("PATH", (folder_ / "empty").string());
    SoundPlayer player;
    player.Play("Data/one.wav");
    const std::optional<siginfo_t> end = EndOf(player.Pid());
    ASSERT_TRUE(end);
    EXPECT_EQ(end->si_code, CLD_EXITED);
    EXPECT_EQ(end->si_status, 127);
    EXPECT_FALSE(player.IsPlaying());
    // A repeat does not retry a player that cannot start, and ends as that player did.
    player.Play("Data/one.wav", true);
    const std::optional<siginfo_t> loop_end = EndOf(player.Pid());
    ASSERT_TRUE(loop_end);
    EXPECT_EQ(loop_end->si_code, CLD_EXITED);
    EXPECT_EQ(loop_end->si_status, 127);
    EXPECT_FALSE(player.IsPlaying());
    player.PlaySync("Data/one.wav");
    EXPECT_EQ(ReadFile("log.txt"), "Sound unavailable: aplay exited with status 127\n");
}

}  // namespace
}  // namespace sassorbi
