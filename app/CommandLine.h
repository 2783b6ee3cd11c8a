#pragma once
// The game's command-line options. Each option is one entry of the table in CommandLine.cpp:
// its name, the name of its value if it takes one, a line of help and the function that
// applies it. With no options the game starts as it always has.

#include <string>

namespace sassorbi {

// The settings the options give the game.
struct Options {
    // How many times larger the window shows the game; 0 for the largest that fits the screen.
    int scale = 1;
};

// What the command line asks for: start the game with the options, or end at once with a
// status after printing the texts.
struct CommandLine {
    bool run = true;
    int exit_status = 0;
    std::string output;  // for standard output
    std::string error;   // for standard error
    Options options;
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// The one-line usage that an unknown option prints.
std::string UsageLine();

}  // namespace sassorbi
