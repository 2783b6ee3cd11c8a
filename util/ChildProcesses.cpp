#include "util/ChildProcesses.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace sassorbi {
namespace {

struct Recorded {
    pid_t pid;
    ChildEndHandler on_end;
};

std::vector<Recorded>& Children() {
    static std::vector<Recorded> children;
    return children;
}

std::vector<Recorded>::iterator Find(pid_t pid) {
    std::vector<Recorded>& children = Children();
    return std::find_if(children.begin(), children.end(),
                        [pid](const Recorded& child) { return child.pid == pid; });
}

void TellEnd(const Recorded& child, int status) {
    if (child.on_end != nullptr) child.on_end(status);
}

// True when the child has ended and was reaped now (its handler told) or by someone else.
bool HasEnded(const Recorded& child) {
    int status = 0;
    const pid_t result = waitpid(child.pid, &status, WNOHANG);
    if (result == child.pid) TellEnd(child, status);
    return result == child.pid || (result == -1 && errno == ECHILD);
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
    const auto found = Find(pid);
    // An unreaped pid cannot have been reused, nor can the group id it leads.
    if (found == Children().end()) return;
    // However it ends now, it was told to: its status says nothing about the program.
    found->on_end = nullptr;
    kill(target, SIGTERM);
    if (HasEnded(*found)) Children().erase(found);
}

pid_t Spawn(const std::vector<std::string>& argv, bool quiet) {
    if (argv.empty()) return -1;
    // Built before the fork: the child only calls exec-safe functions.
    std::vector<char*> arguments;
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    const pid_t pid = ForkChild();
    if (pid == 0) {
        RestoreDefaultSignals();
        if (quiet) SilenceStandardStreams();
        execvp(arguments[0], arguments.data());
        _exit(127);  // Never the parent's destructors or atexit handlers.
    }
    return pid;
}

}  // namespace

pid_t ForkChild() {
    const pid_t pid = fork();
    if (pid > 0) Children().push_back({pid, nullptr});
    return pid;
}

pid_t SpawnProgram(const std::vector<std::string>& argv) {
    return Spawn(argv, false);
}

pid_t SpawnQuietProgram(const std::vector<std::string>& argv) {
    return Spawn(argv, true);
}

void SilenceStandardStreams() {
    const int null_device = open("/dev/null", O_RDWR);
    if (null_device < 0) return;
    for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        dup2(null_device, stream);
    if (null_device > STDERR_FILENO) close(null_device);
}

void SetChildEndHandler(pid_t pid, ChildEndHandler handler) {
    const auto found = Find(pid);
    if (found != Children().end()) found->on_end = handler;
}

void ReapChildren() {
    std::vector<Recorded>& children = Children();
    if (children.empty()) return;
    children.erase(std::remove_if(children.begin(), children.end(), HasEnded), children.end());
}

bool IsChildRunning(pid_t pid) {
    ReapChildren();
    return IsChildRecorded(pid);
}

bool IsChildRecorded(pid_t pid) {
    return Find(pid) != Children().end();
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
    const auto found = Find(pid);
    if (found == Children().end()) return -1;
    const Recorded child = *found;
    Children().erase(found);
    int status = 0;
    pid_t result;
    do {
        result = waitpid(pid, &status, 0);
    } while (result == -1 && errno == EINTR);
    if (result != pid) return -1;
    TellEnd(child, status);
    return status;
}

}  // namespace sassorbi
