#pragma once

#include <string>

namespace sassorbi {

// Runs the command through the shell and waits; true means it FAILED (non-zero status or no
// shell).
bool RunShellCommand(const std::string& command);

// The shell command line program + " " + arguments, unquoted; true means it FAILED.
bool RunProgram(const std::string& program, const std::string& arguments);

// Plays Data/beep.wav with aplay in a recorded child without waiting, its output silenced;
// silent without the file.
void Beep();

// For the end of every aplay the game starts: the first one in the run that exits with an
// error is logged ("Sound unavailable: aplay exited with status N"), since its own messages
// go to /dev/null.
void ReportSoundPlayerEnd(int wait_status);

}  // namespace sassorbi
