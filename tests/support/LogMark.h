#pragma once
// What the program's log gained since a mark: log.txt in the working directory is read
// where the program writes it, so tests see exactly the lines a user would find there.

#include <string>

#include "tests/support/TempFolder.h"

namespace sassorbi {

class LogMark {
public:
    LogMark() : start_(ReadFile("log.txt").size()) {}

    // A log cleared since the mark gained all it now holds.
    std::string Added() const {
        const std::string log = ReadFile("log.txt");
        return log.size() >= start_ ? log.substr(start_) : log;
    }

private:
    std::string::size_type start_;
};

}  // namespace sassorbi
