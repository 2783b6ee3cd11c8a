#include "toolkit/Timer.h"

#include "toolkit/Application.h"

namespace sassorbi {

Timer::Timer(GUIElement* parent, uint32_t interval_ms) : interval_(interval_ms) {
    SetParent(parent);
    SetKind("timer");
    SetSize(0, 0);
    Application::AddTimer(this);
}

Timer::~Timer() {
    running_ = false;
    Application::RemoveTimer(this);
}

void Timer::Create() {
    if (IsCreated()) return;
    AssignIdKeepTag();
    SetCreatedFlag(true);
}

void Timer::Start() {
    if (running_) return;
    Create();
    running_ = true;
}

void Timer::Stop() {
    running_ = false;
}

void Timer::SetInterval(uint32_t interval_ms) {
    interval_ = interval_ms;
    if (!running_) return;
    Stop();
    Start();
}

void Timer::Fire() {
    if (running_ && on_tick_ != nullptr) on_tick_(this);
}

void Timer::Advance(uint32_t milliseconds) {
    if (!running_) return;
    elapsed_ += milliseconds;
    if (elapsed_ < interval_) return;
    elapsed_ = 0;
    if (on_tick_ != nullptr) on_tick_(this);
}

}  // namespace sassorbi
