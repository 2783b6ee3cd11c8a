#include "tests/support/PrivateXServer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {

PrivateXServer::PrivateXServer(const std::vector<std::string>& arguments) {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        // Xvfb picks a free display and writes its number to descriptor 3 once it is ready.
        dup2(ready[1], 3);
        std::vector<std::string> all = {"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-noreset"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        freopen("/dev/null", "w", stderr);
        execvp("Xvfb", argv.data());
        _exit(127);
    }
    close(ready[1]);
    char number[16] = {};
    const ssize_t length = read(ready[0], number, sizeof number - 1);
    close(ready[0]);
    if (length <= 0) return;
    name_ = ":" + std::string(number, number + length - (number[length - 1] == '\n' ? 1 : 0));
    driver_ = XOpenDisplay(name_.c_str());
}

PrivateXServer::~PrivateXServer() {
    if (driver_ != nullptr) XCloseDisplay(driver_);
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

}  // namespace sassorbi::testing
