#pragma once
// Waiting for conditions that other processes bring about, with a generous time-out, and
// looking at how a child ended without taking the reaping away from the code under test.

#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

namespace sassorbi {

constexpr auto kPatience = std::chrono::seconds(30);

inline bool WaitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// How the child ended, once it has, leaving it unreaped. One that the code under test has
// already reaped is reported with si_code 0: ended, how unknown.
inline std::optional<siginfo_t> EndOf(pid_t pid) {
    siginfo_t info{};
    const bool ended = WaitUntil([&] {
        info = siginfo_t{};
        const int result =
            waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
        if (result == -1 && errno == ECHILD) info.si_pid = pid;
        return info.si_pid == pid;
    });
    if (!ended) return std::nullopt;
    return info;
}

inline bool EndedNormally(const std::optional<siginfo_t>& end) {
    return end && end->si_code == CLD_EXITED && end->si_status == 0;
}

// No longer a child of this process, so it left no zombie.
inline bool IsGone(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == -1 && errno == ECHILD;
}

}  // namespace sassorbi
