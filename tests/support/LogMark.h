#pragma once
// What the program's log gained since a mark: log.txt in the working directory is read
// where the program writes it, so tests see exactly the lines a user would find there.

#include <string>

#include "tests/support/TempFolder.h"

namespace sassorbi {

class LogMark {
public:
    LogMark() : start_(ReadFile("log.txt").size()) {}

    // What the log gained since the mark, all of it when it was cleared meanwhile; the mark
    // moves to the end.
    std::string Take() {
        const std::string log = ReadFile("log.txt");
        const std::string gained = log.size() >= start_ ? log.substr(start_) : log;
        start_ = log.size();
        return gained;
    }

private:
    std::string::size_type start_;
};

}  // namespace sassorbi
