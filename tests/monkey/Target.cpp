#include "tests/monkey/Target.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace sassorbi::monkey {

Target::Target(const std::string& program, const std::string& directory) : directory_(directory) {
    pid_ = fork();
    if (pid_ != 0) return;
    if (chdir(directory.c_str()) != 0) _exit(126);
    const int out = open("output.txt", O_WRONLY | O_CREAT | O_TRUNC, 0666);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

Target::~Target() {
    if (!Alive()) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool Target::Alive() {
    if (status_ >= 0) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

bool Target::WaitForExit(int timeout_ms) {
    for (int waited = 0; waited < timeout_ms; waited += 20) {
        if (!Alive()) return true;
        usleep(20 * 1000);
    }
    return !Alive();
}

// The first field of /proc/PID/syscall is the number of the call the process is blocked in.
bool Target::Sleeping() const {
    std::ifstream file("/proc/" + std::to_string(pid_) + "/syscall");
    long call = -1;
    file >> call;
    return file && (call == SYS_nanosleep || call == SYS_clock_nanosleep);
}

std::string Target::ReadFile(const std::string& name) const {
    std::ifstream file(directory_ + "/" + name);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace sassorbi::monkey
