#pragma once

#include <string>

namespace sassorbi {

// Runs the command through the shell and waits; true means it FAILED (non-zero status or no
// shell).
bool RunShellCommand(const std::string& command);

// The shell command line program + " " + arguments, unquoted; true means it FAILED.
bool RunProgram(const std::string& program, const std::string& arguments);

// Plays Data/beep.wav with aplay in a recorded child without waiting; silent without the file.
void Beep();

}  // namespace sassorbi
