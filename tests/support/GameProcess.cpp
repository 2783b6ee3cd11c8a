#include "tests/support/GameProcess.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "graphics/XOwners.h"
#include "tests/support/EndWithTest.h"
#include "tests/support/PrivateSharedMemory.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {
namespace fs = std::filesystem;

namespace {

// A tool the game runs under (SASSORBI_GAME_WRAPPER, e.g. valgrind), split at blanks.
std::vector<std::string> Wrapper() {
    std::vector<std::string> words;
    const char* wrapper = getenv("SASSORBI_GAME_WRAPPER");
    std::string word;
    for (const char* c = wrapper != nullptr ? wrapper : "";; ++c) {
        if (*c != ' ' && *c != '\0') {
            word += *c;
            continue;
        }
        if (!word.empty()) words.push_back(word);
        word.clear();
        if (*c == '\0') break;
    }
    return words;
}

}  // namespace

int TimeScale() {
    return Wrapper().empty() ? 1 : 10;
}

bool WaitFor(const std::function<bool()>& done, int timeout_ms) {
    const int64_t deadline =
        MonotonicMilliseconds() + static_cast<int64_t>(timeout_ms) * TimeScale();
    while (!done()) {
        if (MonotonicMilliseconds() > deadline) return false;
        usleep(50 * 1000);
    }
    return true;
}

GameProcess::GameProcess(Display* driver, const std::string& program)
    : driver_(driver), program_("./" + fs::path(program).filename().string()) {
    UsePrivateSharedMemory();
    fs::copy(SASSORBI_GAME_DIR "/Data", "Data", fs::copy_options::recursive);
    fs::copy_file(program, program_);
}

GameProcess::GameProcess(Display* driver, const std::string& program, InPlace)
    : driver_(driver), program_(program), folder_(fs::path(program).parent_path()) {}

GameProcess::~GameProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

void GameProcess::Launch(const std::vector<std::string>& extra_env, bool as_nobody) {
    const passwd* nobody = as_nobody ? getpwnam("nobody") : nullptr;
    const pid_t test = getpid();
    pid_ = fork();
    if (pid_ != 0) return;
    for (const std::string& entry : extra_env) {
        const size_t equals = entry.find('=');
        const std::string value = entry.substr(equals + 1);
        if (value.empty()) {
            unsetenv(entry.substr(0, equals).c_str());
        } else {
            setenv(entry.substr(0, equals).c_str(), value.c_str(), 1);
        }
    }
    const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0666);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    if (!folder_.empty() && chdir(folder_.c_str()) != 0) _exit(126);
    if (nobody != nullptr && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
        _exit(126);
    EndWithTest(test);  // after the change of user, which would clear it
    std::vector<std::string> command = Wrapper();
    command.push_back(program_);
    command.insert(command.end(), arguments_.begin(), arguments_.end());
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

int GameProcess::WaitForExit(int timeout_ms) {
    int status = 0;
    if (!WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, timeout_ms)) return -1;
    pid_ = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int GameProcess::Close(int timeout_ms) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(driver_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(driver_, "WM_DELETE_WINDOW", False));
    XSendEvent(driver_, window_, False, NoEventMask, &event);
    XSync(driver_, False);
    return WaitForExit(timeout_ms);
}

Window GameProcess::PlayUntilGameOver(int timeout_ms) {
    const int64_t deadline = MonotonicMilliseconds() + timeout_ms;
    Window dialog = 0;
    for (bool left = true; dialog == 0 && MonotonicMilliseconds() < deadline; left = !left) {
        XSetInputFocus(driver_, window_, RevertToParent, CurrentTime);
        Hold(left ? XK_Left : XK_Right, true);
        dialog = FindWindow("Classifica", 1500);
        Hold(left ? XK_Left : XK_Right, false);
    }
    return dialog;
}

Window GameProcess::FindWindow(const std::string& title_prefix, int timeout_ms) {
    Window found = 0;
    WaitFor(
        [&] {
            found = TitledWindow(DefaultRootWindow(driver_), title_prefix, 0);
            return found != 0;
        },
        timeout_ms);
    return found;
}

// Under a window manager the program's windows sit inside the manager's frames, which are
// the root's children: the search goes a few levels down.
Window GameProcess::TitledWindow(Window parent_window, const std::string& title_prefix, int depth) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(driver_, parent_window, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(driver_, children[i], &attributes) ||
            attributes.map_state != IsViewable) {
            continue;
        }
        XTextProperty name{};
        if (XGetWMName(driver_, children[i], &name)) {
            const std::string title(reinterpret_cast<char*>(name.value), name.nitems);
            XFree(name.value);
            if (title.rfind(title_prefix, 0) == 0) found = children[i];
        } else if (depth < kFrameDepth) {
            found = TitledWindow(children[i], title_prefix, depth + 1);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

Window GameProcess::WaitForMainWindow(const std::string& title_prefix, int timeout_ms) {
    window_ = FindWindow(title_prefix, timeout_ms);
    return window_;
}

void GameProcess::Click(Window window, int x, int y) {
    Window child;
    int root_x = 0, root_y = 0;
    XTranslateCoordinates(driver_, window, DefaultRootWindow(driver_), x, y, &root_x, &root_y,
                          &child);
    XTestFakeMotionEvent(driver_, DefaultScreen(driver_), root_x, root_y, CurrentTime);
    XTestFakeButtonEvent(driver_, 1, True, CurrentTime);
    XTestFakeButtonEvent(driver_, 1, False, CurrentTime);
    XSync(driver_, False);
}

unsigned long GameProcess::Pixel(Window window, int x, int y) {
    const ServerImage image(XGetImage(driver_, window, x, y, 1, 1, AllPlanes, ZPixmap));
    if (!image) return ~0UL;
    return XGetPixel(image.get(), 0, 0) & 0xFFFFFF;
}

bool GameProcess::Shows(const std::string& picture) {
    return ShowsOn(window_, picture, false);
}

bool GameProcess::ShowsOn(Window window, const std::string& picture, bool five_six_five) {
    std::ifstream file(SASSORBI_GAME_DIR "/Data/" + picture, std::ios::binary);
    int same = 0;
    for (int i = 0; i < 8; ++i) {
        const int x = 60 + i * 95, y = 120 + i * 40;
        file.seekg((y * 800 + x) * 3);
        unsigned char rgb[3] = {};
        file.read(reinterpret_cast<char*>(rgb), 3);
        const unsigned long pixel =
            five_six_five ? ((rgb[0] >> 3) << 11) | ((rgb[1] >> 2) << 5) | (rgb[2] >> 3)
                          : static_cast<unsigned long>((rgb[0] << 16) | (rgb[1] << 8) | rgb[2]);
        same += Pixel(window, x, y) == pixel;
    }
    return same >= 6;
}

void GameProcess::Tap(Window window, KeySym key) {
    XSetInputFocus(driver_, window, RevertToParent, CurrentTime);
    Hold(key, true);
    Hold(key, false);
}

void GameProcess::Hold(KeySym key, bool down) {
    XTestFakeKeyEvent(driver_, XKeysymToKeycode(driver_, key), down ? True : False, CurrentTime);
    XSync(driver_, False);
}

std::string GameProcess::Log() const {
    std::ifstream file("log.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace sassorbi::testing
