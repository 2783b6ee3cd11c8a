#pragma once
// The one place that starts and reaps child processes, so that none is left a zombie.
// Only the pids started here are ever waited for; other children and system() are unaffected.
// For the game process's single thread.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

namespace sassorbi {

// Forks; the parent gets the child's pid (recorded) or -1, the child gets 0 and must _exit.
pid_t ForkChild();

// Runs argv[0] (searched on PATH) with argv in a recorded child; a child that cannot run the
// program ends with status 127. Returns the pid, or -1 when nothing was started.
pid_t SpawnProgram(const std::vector<std::string>& argv);

// Like SpawnProgram, with the program's standard input, output and error on /dev/null.
pid_t SpawnQuietProgram(const std::vector<std::string>& argv);

// In a forked child: standard input, output and error on /dev/null, so a program it starts
// neither reads the game's terminal nor writes over it.
void SilenceStandardStreams();

// Told the wait status of a recorded child when one of the functions here reaps it, unless
// it was terminated here first.
using ChildEndHandler = void (*)(int wait_status);
void SetChildEndHandler(pid_t pid, ChildEndHandler handler);

// Reaps every recorded child that has ended, without blocking; cheap with none recorded.
void ReapChildren();

// Whether the child is recorded and, after reaping, has not ended.
bool IsChildRunning(pid_t pid);

// Whether the child is recorded and not reaped yet; no system call, for callers that run
// every tick beside the event loop's own reaping.
bool IsChildRecorded(pid_t pid);

// Sends SIGTERM to a recorded, unreaped child and reaps it if it has already ended; otherwise
// a later ReapChildren does.
void TerminateChild(pid_t pid);

// Recorded children not reaped yet.
size_t RunningChildCount();

// Like ForkChild, but the child leads a new process group (set on both sides, so the group
// exists as soon as the parent has the pid) and starts with default signal handling.
pid_t ForkChildInGroup();

// Sends SIGTERM to the whole process group led by a recorded, unreaped child, so that the
// programs it started stop with it; reaps the leader if it has already ended.
void TerminateChildGroup(pid_t pid);

// Blocks until the recorded child has ended and reaps it; its wait status, or -1 when the
// pid is not a recorded child.
int WaitForChild(pid_t pid);

}  // namespace sassorbi
