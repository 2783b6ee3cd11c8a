#include "util/Shell.h"

#include <cstdlib>

#include "util/ChildProcesses.h"
#include "util/Files.h"

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
    if (SpawnProgram({"aplay", sound}) < 0) RunProgram("aplay", sound);
}

}  // namespace sassorbi
