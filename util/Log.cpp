#include "util/Log.h"

#include <cstdio>

#include "util/Files.h"

namespace sassorbi {
namespace {
constexpr const char* kLogFile = "log.txt";
}

void WriteLog(const char* message) {
    std::fputs(message, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    // Opened and closed per message so the log is complete even if the game is killed. Always
    // appended: the game and its joystick reader may both write the first line of a fresh log,
    // and creating it by truncation would wipe out the other's.
    TextFile(kLogFile).AppendLines({message});
}

void WriteLogString(const std::string& message) {
    WriteLog(message.c_str());
}

void ClearLog() {
    if (FileExists(kLogFile)) RemoveFile(kLogFile);
}

}  // namespace sassorbi
