#pragma once
// The game's shared joystick record has a machine-wide name, so test runs side by side (other
// suites, other checkouts) would read, write and remove each other's records. This gives the
// test process a /dev/shm of its own, in a mount namespace that the games and joystick
// readers it starts inherit. Where namespaces are not allowed the machine's /dev/shm stays,
// and the tests' resource locks alone keep this suite's runs apart.

#include <sched.h>
#include <sys/mount.h>

namespace sassorbi::testing {

// Once per process, before the first game or reader starts; the answer is whether it worked.
inline bool UsePrivateSharedMemory() {
    static const bool isolated = [] {
        if (unshare(CLONE_NEWNS) != 0) return false;
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
        return mount("sassorbi-shm", "/dev/shm", "tmpfs", MS_NOSUID | MS_NODEV, "mode=1777") == 0;
    }();
    return isolated;
}

}  // namespace sassorbi::testing
