#include "toolkit/Application.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "util/Log.h"
#include "toolkit/Form.h"
#include "toolkit/GUIElement.h"

namespace sassorbi {
namespace {

struct Registry {
    std::vector<GUIElement*> elements;
    std::vector<GUIElement*> timers;
    std::vector<GUIElement*> forms;
    GUIElement* focused = nullptr;
    bool quit_requested = false;
    bool form_loading = false;
    int next_element_id = 0;
};

Registry& State() {
    static Registry registry;
    return registry;
}

// Apart from the registry and made after it, so it is gone before the registry at exit.
std::unique_ptr<Form>& MessageBoxSlot() {
    static std::unique_ptr<Form> box;
    return box;
}

bool Erase(std::vector<GUIElement*>& list, GUIElement* element) {
    auto found = std::find(list.begin(), list.end(), element);
    if (found == list.end()) return false;
    list.erase(found);
    return true;
}

void RemoveFromList(std::vector<GUIElement*>& list, GUIElement* element) {
    if (Erase(list, element)) return;
    WriteLogString(" NON TROVATO! Application::RemoveWindow = " + element->GetKind() + " lx " +
                   std::to_string(list.size()) + " id " + std::to_string(element->GetId()));
}

// Matched by the parent itself, not its id: every element not created yet has id 0.
void AppendChildren(const GUIElement* parent, std::vector<GUIElement*>& out) {
    for (GUIElement* element : State().elements) {
        if (!element->IsChild() || element->GetParent() != parent) continue;
        out.push_back(element);
        if (element->HoldsChildren()) AppendChildren(element, out);
    }
}

bool IsCandidate(GUIElement* element, const GUIElement* container) {
    return element->IsChild() && element->IsCreated() && element->IsVisible() &&
           element->IsEnabled() && element->GetParent() == container;
}

}  // namespace

void Application::AddElement(GUIElement* element) {
    State().elements.push_back(element);
}

void Application::AddTimer(GUIElement* element) {
    State().timers.push_back(element);
}

void Application::AddForm(GUIElement* element) {
    State().forms.push_back(element);
}

void Application::RemoveWinForm(GUIElement* element) {
    // A destroyed element must never stay focused.
    if (State().focused == element) State().focused = nullptr;
    // Its controls outlive it without a parent: children are matched by their parent's
    // address, and an element made later at the same one must not adopt them.
    for (GUIElement* other : State().elements) {
        if (other->GetParent() == element) other->SetParent(nullptr);
    }
    if (Erase(State().elements, element)) return;
    WriteLogString(" NON TROVATO! Application::RemoveWinForm = " + element->GetKind() + " size " +
                   std::to_string(State().elements.size()) + " id " +
                   std::to_string(element->GetId()));
}

void Application::RemoveWindow(GUIElement* form) {
    RemoveFromList(State().forms, form);
}
void Application::RemoveTimer(GUIElement* timer) {
    RemoveFromList(State().timers, timer);
}

bool Application::IsAlive(const GUIElement* element, uint64_t serial) {
    const auto& elements = State().elements;
    return std::find(elements.begin(), elements.end(), element) != elements.end() &&
           element->GetSerial() == serial;
}

size_t Application::ElementCount() {
    return State().elements.size();
}
size_t Application::TimerCount() {
    return State().timers.size();
}

Form* Application::FindFormByWindow(Window window) {
    for (GUIElement* element : State().forms) {
        auto* form = static_cast<Form*>(element);
        if (form->GetWindow() == window) return form;
    }
    return nullptr;
}

GUIElement* Application::FindElementAt(const GUIElement* container, Point point) {
    for (GUIElement* element : State().elements) {
        if (!IsCandidate(element, container)) continue;
        if (element->HoldsChildren()) {
            const Point origin = element->GetLocation();
            GUIElement* inside = FindElementAt(element, {point.x - origin.x, point.y - origin.y});
            if (inside != nullptr) return inside;
        } else if (element->HitTest(point)) {
            return element;
        }
    }
    return nullptr;
}

std::vector<GUIElement*> Application::GetChildren(const GUIElement* parent) {
    std::vector<GUIElement*> children;
    AppendChildren(parent, children);
    return children;
}

GUIElement* Application::GetFocusedElement() {
    return State().focused;
}
void Application::SetFocusedElement(GUIElement* element) {
    State().focused = element;
}
void Application::ClearFocus() {
    State().focused = nullptr;
}
const std::vector<GUIElement*>& Application::GetForms() {
    return State().forms;
}
const std::vector<GUIElement*>& Application::GetTimers() {
    return State().timers;
}

void Application::RequestQuit() {
    State().quit_requested = true;
}
bool Application::IsQuitRequested() {
    return State().quit_requested;
}
void Application::SetFormLoading(bool loading) {
    State().form_loading = loading;
}
bool Application::IsFormLoading() {
    return State().form_loading;
}
int Application::NextElementId() {
    return ++State().next_element_id;
}

// The old box leaves the slot before it is deleted, so its destructor never sees itself there.
void Application::SetSharedMessageBox(std::unique_ptr<Form> box) {
    std::unique_ptr<Form> old = std::move(MessageBoxSlot());
    MessageBoxSlot() = std::move(box);
    old.reset();
}
Form* Application::GetSharedMessageBox() {
    return MessageBoxSlot().get();
}

}  // namespace sassorbi
