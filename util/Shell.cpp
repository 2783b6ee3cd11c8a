#include "util/Shell.h"

#include <sys/wait.h>

#include <cstdlib>

#include "util/ChildProcesses.h"
#include "util/Files.h"
#include "util/Log.h"

namespace sassorbi {

bool RunShellCommand(const std::string& command) {
    return std::system(command.c_str()) != 0;
}

bool RunProgram(const std::string& program, const std::string& arguments) {
    return RunShellCommand(program + " " + arguments);
}

void Beep() {
    const std::string sound = "Data/beep.wav";
    if (!FileExists(sound)) return;
    // Reaped by the event loop's ReapChildren; without a child, play it here and wait.
    const pid_t pid = SpawnQuietProgram({"aplay", sound});
    if (pid > 0) {
        SetChildEndHandler(pid, ReportSoundPlayerEnd);
    } else {
        RunProgram("aplay", sound + " </dev/null >/dev/null 2>&1");
    }
}

void ReportSoundPlayerEnd(int wait_status) {
    static bool reported = false;
    // Ended by a signal is a sound cut short, not a failing player.
    if (reported || !WIFEXITED(wait_status) || WEXITSTATUS(wait_status) == 0) return;
    reported = true;
    WriteLogString("Sound unavailable: aplay exited with status " +
                   std::to_string(WEXITSTATUS(wait_status)));
}

}  // namespace sassorbi
