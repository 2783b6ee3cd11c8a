#include "tests/support/PrivateXServer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/EndWithTest.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {

PrivateXServer::PrivateXServer(const std::vector<std::string>& arguments) {
    int ready[2];
    if (pipe(ready) != 0) return;
    const pid_t test = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        EndWithTest(test);
        // Xvfb picks a free display and writes its number to descriptor 3 once it is ready.
        dup2(ready[1], 3);
        std::vector<std::string> all = {"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-noreset"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp("Xvfb", argv.data());
        _exit(127);
    }
    close(ready[1]);
    // Xvfb may write the number and its newline apart: closing the pipe between the two
    // writes would kill it with SIGPIPE.
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (number.empty()) return;
    name_ = ":" + number;
    driver_ = XOpenDisplay(name_.c_str());
}

PrivateXServer::~PrivateXServer() {
    if (driver_ != nullptr) XCloseDisplay(driver_);
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

}  // namespace sassorbi::testing
