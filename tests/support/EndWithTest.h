#pragma once
// For the child a test forks before it execs a server, a window manager or the game: the
// child ends with the test, even when the test crashes. Left running, it would hold the
// test's output open and keep ctest waiting for it.

#include <signal.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <unistd.h>

namespace sassorbi::testing {

inline void EndWithTest(pid_t test) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != test) _exit(127);  // the test ended before the request took hold
}

}  // namespace sassorbi::testing
