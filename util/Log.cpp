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
    // Opened and closed per message so the log is complete even if the game is killed.
    TextFile log(kLogFile);
    if (FileExists(kLogFile)) {
        log.AppendLines({message});
    } else {
        log.WriteLines({message});
    }
}

void WriteLogString(const std::string& message) {
    WriteLog(message.c_str());
}

void ClearLog() {
    if (FileExists(kLogFile)) RemoveFile(kLogFile);
}

}  // namespace sassorbi
