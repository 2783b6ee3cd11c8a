#pragma once
// The program under test as a child process: started in its game directory with its output
// in output.txt, watched for its end, and asked whether it sits in a sleep of its own.

#include <sys/types.h>

#include <string>

namespace sassorbi::monkey {

class Target {
public:
    Target(const std::string& program, const std::string& directory);
    ~Target();
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;

    pid_t Pid() const { return pid_; }
    // False once the program has ended; its status is then ExitStatus().
    bool Alive();
    // Waits for the end; false when it has not come within the time.
    bool WaitForExit(int timeout_ms);
    // How the program ended, as a shell says it: the exit code, or 128 + the signal.
    int ExitStatus() const { return status_; }
    // Whether the program is blocked in a sleep it chose (the game's screens pause on purpose).
    bool Sleeping() const;
    std::string ReadFile(const std::string& name) const;

private:
    pid_t pid_ = 0;
    int status_ = -1;
    std::string directory_;
};

}  // namespace sassorbi::monkey
