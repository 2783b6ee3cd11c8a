#include <sys/select.h>

#include <cerrno>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"
#include "toolkit/EventDispatch.h"
#include "toolkit/Form.h"
#include "toolkit/IdlePace.h"
#include "toolkit/MonotonicClock.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"
#include "util/ChildProcesses.h"

namespace sassorbi {
namespace {

IdlePace g_pace;

bool DetectableAutoRepeat(Form* main) {
    const Screen* screen = main != nullptr ? main->GetScreen() : Screen::GetDefaultScreen();
    return screen != nullptr && screen->HasDetectableAutoRepeat();
}

Application::TurnResult DispatchNext(Display* display, Form* main) {
    XEvent event;
    XNextEvent(display, &event);
    DispatchEvent(display, event, main, DetectableAutoRepeat(main));
    return Application::TurnResult::kEvent;
}

// Destroys the windows of every created form, in registration order, deletes the shared
// message box, then closes the main form.
void FinishLoop(Form* main) {
    std::vector<ElementRef> forms;
    for (GUIElement* form : Application::GetForms())
        forms.emplace_back(form);
    for (const ElementRef& ref : forms) {
        auto* form = static_cast<Form*>(ref.Get());
        if (form != nullptr && form->IsCreated()) form->DestroyWindow();
    }
    Application::SetSharedMessageBox(nullptr);
    if (main != nullptr) main->Closed();
}

}  // namespace

void Application::Run(Form* main) {
    const Screen* screen = main->GetScreen();
    Display* display = screen != nullptr ? screen->GetDisplay() : nullptr;
    while (display != nullptr && !IsQuitRequested())
        RunOnce(display, main, -1);
    FinishLoop(main);
}

Application::TurnResult Application::RunOnce(Display* display, Form* main, int limit_ms) {
    // Sound and beep players end on their own; collect them so none stays a zombie.
    ReapChildren();
    // Events already buffered by Xlib do not make the socket readable: look first.
    if (XPending(display) > 0) return DispatchNext(display, main);
    const int fd = ConnectionNumber(display);
    if (TimerCount() == 0) {
        if (limit_ms < 0) return DispatchNext(display, main);
        return WaitReadable(fd, limit_ms) > 0 ? TurnResult::kEvent : TurnResult::kIdle;
    }
    const int64_t wait = g_pace.MillisecondsToMark(MonotonicMilliseconds());
    if (WaitReadable(fd, static_cast<int>(wait)) > 0) return TurnResult::kEvent;
    g_pace.MarkReached();
    TickTimers(IdlePace::kStepMilliseconds);
    return TurnResult::kTick;
}

void Application::TickTimers(uint32_t milliseconds) {
    // Walk a copy: a tick may start, stop, create or destroy timers. The copy's storage
    // serves tick after tick rather than being allocated a hundred times a second; a tick
    // that turns the loop itself finds it taken and uses storage of its own.
    static std::vector<ElementRef> spare;
    std::vector<ElementRef> timers;
    timers.swap(spare);
    for (GUIElement* timer : GetTimers())
        timers.emplace_back(timer);
    for (const ElementRef& ref : timers) {
        if (GUIElement* timer = ref.Get()) static_cast<Timer*>(timer)->Advance(milliseconds);
    }
    timers.clear();
    spare.swap(timers);
}

int Application::WaitReadable(int fd, int milliseconds) {
    const int64_t deadline = MonotonicMilliseconds() + milliseconds;
    for (;;) {
        const int64_t left = deadline - MonotonicMilliseconds();
        timeval timeout{};
        if (left > 0) {
            timeout.tv_sec = left / 1000;
            timeout.tv_usec = (left % 1000) * 1000;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        const int ready = select(fd + 1, &readable, nullptr, nullptr, &timeout);
        if (ready >= 0 || errno != EINTR) return ready > 0 ? ready : 0;
    }
}

}  // namespace sassorbi
