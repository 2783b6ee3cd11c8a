#include "util/ChildProcesses.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace sassorbi {
namespace {

std::vector<pid_t>& Children() {
    static std::vector<pid_t> children;
    return children;
}

// True when the child has ended and was reaped now or by someone else before.
bool HasEnded(pid_t pid) {
    int status = 0;
    const pid_t result = waitpid(pid, &status, WNOHANG);
    return result == pid || (result == -1 && errno == ECHILD);
}

// Ignored signals and the blocked mask survive exec; the started program expects defaults.
void RestoreDefaultSignals() {
    std::signal(SIGCHLD, SIG_DFL);
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Signals target (a pid or a negated group id) when pid is a recorded, unreaped child.
void Terminate(pid_t pid, pid_t target) {
    std::vector<pid_t>& children = Children();
    const auto found = std::find(children.begin(), children.end(), pid);
    // An unreaped pid cannot have been reused, nor can the group id it leads.
    if (found == children.end()) return;
    kill(target, SIGTERM);
    if (HasEnded(pid)) children.erase(found);
}

}  // namespace

pid_t ForkChild() {
    const pid_t pid = fork();
    if (pid > 0) Children().push_back(pid);
    return pid;
}

pid_t SpawnProgram(const std::vector<std::string>& argv) {
    if (argv.empty()) return -1;
    // Built before the fork: the child only calls exec-safe functions.
    std::vector<char*> arguments;
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    const pid_t pid = ForkChild();
    if (pid == 0) {
        RestoreDefaultSignals();
        execvp(arguments[0], arguments.data());
        _exit(127);  // Never the parent's destructors or atexit handlers.
    }
    return pid;
}

void ReapChildren() {
    std::vector<pid_t>& children = Children();
    if (children.empty()) return;
    children.erase(std::remove_if(children.begin(), children.end(), HasEnded), children.end());
}

bool IsChildRunning(pid_t pid) {
    ReapChildren();
    const std::vector<pid_t>& children = Children();
    return std::find(children.begin(), children.end(), pid) != children.end();
}

void TerminateChild(pid_t pid) {
    Terminate(pid, pid);
}

size_t RunningChildCount() {
    return Children().size();
}

pid_t ForkChildInGroup() {
    const pid_t pid = ForkChild();
    if (pid == 0) {
        setpgid(0, 0);
        RestoreDefaultSignals();
    } else if (pid > 0) {
        // Fails harmlessly when the child has already done it and called exec.
        setpgid(pid, pid);
    }
    return pid;
}

void TerminateChildGroup(pid_t pid) {
    Terminate(pid, -pid);
}

int WaitForChild(pid_t pid) {
    std::vector<pid_t>& children = Children();
    const auto found = std::find(children.begin(), children.end(), pid);
    if (found == children.end()) return -1;
    children.erase(found);
    int status = 0;
    pid_t result;
    do {
        result = waitpid(pid, &status, 0);
    } while (result == -1 && errno == EINTR);
    return result == pid ? status : -1;
}

}  // namespace sassorbi
