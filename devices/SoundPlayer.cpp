#include "devices/SoundPlayer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <vector>

#include "util/Log.h"
#include "util/ChildProcesses.h"
#include "util/Files.h"
#include "util/Shell.h"

namespace sassorbi {
namespace {

constexpr const char* kPlayer = "aplay";

bool StopRequested() {
    sigset_t pending;
    sigpending(&pending);
    return sigismember(&pending, SIGTERM) == 1;
}

// The loop of a repeated sound. SIGTERM stays pending here, so the loop outlives its player
// and reaps it; a player that fails or was stopped ends the loop, and so does a broken one,
// which is never restarted in a busy loop. The loop ends as a failing player did, so the
// game hears of the failure.
[[noreturn]] void RepeatPlayer(const std::vector<std::string>& command) {
    sigset_t terminate;
    sigemptyset(&terminate);
    sigaddset(&terminate, SIGTERM);
    sigprocmask(SIG_BLOCK, &terminate, nullptr);
    int status = 0;
    while (!StopRequested() && status == 0) {
        const pid_t pid = SpawnProgram(command);
        if (pid <= 0) break;
        // A stop that came just before the fork missed the new player.
        if (StopRequested()) kill(pid, SIGTERM);
        status = WaitForChild(pid);
    }
    _exit(status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : 0);
}

// A child leading its own process group, so one SIGTERM to the group stops the player
// itself and, for a repeat, the loop that restarts it.
pid_t StartPlayer(const std::string& path, bool repeat) {
    const std::vector<std::string> command = {kPlayer, path};
    // Built before the fork: the child only execs or _exits.
    std::vector<char*> arguments = {const_cast<char*>(kPlayer), const_cast<char*>(path.c_str()),
                                    nullptr};
    const pid_t pid = ForkChildInGroup();
    if (pid > 0) SetChildEndHandler(pid, ReportSoundPlayerEnd);
    if (pid != 0) return pid;
    SilenceStandardStreams();
    if (repeat) RepeatPlayer(command);
    execvp(arguments[0], arguments.data());
    _exit(127);
}

bool CheckExists(const std::string& path) {
    if (FileExists(path)) return true;
    WriteLogString(path + " non trovato.");
    return false;
}

}  // namespace

SoundPlayer::~SoundPlayer() {
    Stop();
}

void SoundPlayer::Play(const std::string& path, bool repeat) {
    if (!CheckExists(path)) return;
    Stop();
    const pid_t pid = StartPlayer(path, repeat);
    // Without a child the game stays silent rather than blocking for the sound.
    if (pid < 0) return;
    pid_ = pid;
    is_playing_ = true;
}

void SoundPlayer::PlaySync(const std::string& path) {
    if (!CheckExists(path)) return;
    Stop();
    const pid_t pid = StartPlayer(path, false);
    if (pid > 0) WaitForChild(pid);
}

void SoundPlayer::Stop() {
    // Only an unreaped child is signalled, so a reused pid is never hit.
    if (is_playing_) TerminateChildGroup(pid_);
    pid_ = 0;
    is_playing_ = false;
}

bool SoundPlayer::IsPlaying() {
    if (is_playing_ && !IsChildRunning(pid_)) {
        pid_ = 0;
        is_playing_ = false;
    }
    return is_playing_;
}

}  // namespace sassorbi
