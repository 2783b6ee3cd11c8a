#pragma once
// The program's one diagnostic channel: every message goes to standard output
// and, as one line, to log.txt in the working directory.

#include <string>

namespace sassorbi {

// Appends one line; never reports its own failures.
void WriteLog(const char* message);
void WriteLogString(const std::string& message);

// Deletes the log of a previous run, so every run starts with an empty log.
void ClearLog();

}  // namespace sassorbi
