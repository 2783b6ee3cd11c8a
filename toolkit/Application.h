#pragma once
// The process-wide registry of elements and the one event loop.
//
// Every element registers itself when constructed and unregisters when destroyed; the
// registry owns nothing. Run() waits for X events, ticks the timers in 10 ms steps while
// idle, and hands each event to EventDispatch, which finds the form and the control it
// belongs to. All game logic runs inside the callbacks reached from here, on one thread.
// Start reading at Run() in EventLoop.cpp.

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/Geometry.h"

namespace sassorbi {

class Form;
class GUIElement;

class Application {
public:
    Application() = delete;

    // Registration, called by the element, timer and form constructors and destructors: a
    // timer or a form joins and leaves its own list, every element the list of elements.
    static void AddElement(GUIElement* element);
    static void AddTimer(GUIElement* element);
    static void AddForm(GUIElement* element);
    static void RemoveWinForm(GUIElement* element);
    static void RemoveWindow(GUIElement* form);
    static void RemoveTimer(GUIElement* timer);
    // Whether this element (and not a newer one at the same address) is still registered.
    static bool IsAlive(const GUIElement* element, uint64_t serial);
    static size_t ElementCount();
    static size_t TimerCount();

    // Queries.
    static Form* FindFormByWindow(Window window);
    // The first registered enabled, visible, created control of the form under the point;
    // panels are searched through, never returned.
    static GUIElement* FindElementAt(const GUIElement* form, Point point);
    // The controls whose parent is the element, in registration order, each panel followed
    // by its contents.
    static std::vector<GUIElement*> GetChildren(const GUIElement* parent);
    static GUIElement* GetFocusedElement();
    static void SetFocusedElement(GUIElement* element);
    static void ClearFocus();
    static const std::vector<GUIElement*>& GetForms();
    static const std::vector<GUIElement*>& GetTimers();

    static void RequestQuit();
    static bool IsQuitRequested();
    static void SetFormLoading(bool loading);
    static bool IsFormLoading();
    // The next element id: 1, 2, 3 ...; never reused.
    static int NextElementId();
    // The one open message box: owned here, replaced (deleted) by the next, deleted when the
    // loop ends.
    static void SetSharedMessageBox(std::unique_ptr<Form> box);
    static Form* GetSharedMessageBox();

    // Runs the loop until a quit is requested, then destroys every form's window and
    // raises the main form's Closed.
    static void Run(Form* main);

    enum class TurnResult { kEvent, kTick, kIdle };
    // One turn of the loop: dispatches one event, or waits quietly and ticks the timers.
    // Without timers it waits at most limit_ms (forever when negative) for an event.
    // Run() is made of these; tests and benchmarks drive the real loop with it.
    static TurnResult RunOnce(Display* display, Form* main, int limit_ms);
    // Advances every running timer by the given milliseconds.
    static void TickTimers(uint32_t milliseconds);
    // select() on one descriptor for reading: positive when readable, 0 on time-out.
    static int WaitReadable(int fd, int milliseconds);
};

}  // namespace sassorbi
