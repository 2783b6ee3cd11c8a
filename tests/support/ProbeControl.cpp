#include "tests/support/ProbeControl.h"

#include <algorithm>
#include <cstdio>

namespace sassorbi::testing {
namespace {

void Log(GUIElement* element, const std::string& event) {
    EventLog().push_back(element->GetName() + "." + event);
}

std::string Hex(unsigned long value) {
    char text[32];
    std::snprintf(text, sizeof text, "%lx", value);
    return text;
}

}  // namespace

ProbeControl::ProbeControl(GUIElement* parent, const std::string& name, int x, int y, int width,
                           int height, const std::string& kind) {
    SetParent(parent);
    SetKind(kind);
    SetName(name);
    SetLocation(x, y);
    StoreBounds(x, y, width, height);
    SetDrawable(true);
}

void ProbeControl::Create() {
    AssignId();
    SetCreatedFlag(true);
    SetVisibleFlag(true);
}

std::vector<std::string>& EventLog() {
    static std::vector<std::string> log;
    return log;
}

std::vector<std::string> EventsOf(const std::string& name) {
    std::vector<std::string> events;
    for (const std::string& event : EventLog()) {
        if (event.compare(0, name.size() + 1, name + ".") != 0) continue;
        const std::string what = event.substr(name.size() + 1);
        if (what != "MouseMove" && what != "MouseEnter" && what != "MouseLeave") {
            events.push_back(event);
        }
    }
    return events;
}

int CountEvents(const std::string& event) {
    return static_cast<int>(std::count(EventLog().begin(), EventLog().end(), event));
}

void RecordEvents(GUIElement* e) {
    e->SetOnClick([](GUIElement* el, uint64_t, Point) { Log(el, "Click"); });
    e->SetOnMouseDown([](GUIElement* el, uint64_t, Point) { Log(el, "MouseDown"); });
    e->SetOnDoubleClick([](GUIElement* el, uint64_t, Point) { Log(el, "DoubleClick"); });
    e->SetOnOtherButtonUp([](GUIElement* el, uint64_t, Point) { Log(el, "OtherButtonUp"); });
    e->SetOnOtherButtonDown([](GUIElement* el, uint64_t, Point) { Log(el, "OtherButtonDown"); });
    e->SetOnKeyUp([](GUIElement* el, KeySym key) { Log(el, "KeyUp:" + Hex(key)); });
    e->SetOnKeyDown([](GUIElement* el, KeySym key) { Log(el, "KeyDown:" + Hex(key)); });
    e->SetOnKeyChar([](GUIElement* el, char c) {
        Log(el, "KeyChar:" + std::to_string(static_cast<int>(c)));
        return true;
    });
    e->SetOnResize([](GUIElement* el) { Log(el, "Resize"); });
    e->SetOnQueryClose([](GUIElement* el) {
        Log(el, "QueryClose");
        return true;
    });
    e->SetOnClosed([](GUIElement* el) { Log(el, "Closed"); });
    e->SetOnGotFocus([](GUIElement* el) { Log(el, "GotFocus"); });
    e->SetOnLostFocus([](GUIElement* el) { Log(el, "LostFocus"); });
    e->SetOnMouseEnter([](GUIElement* el) { Log(el, "MouseEnter"); });
    e->SetOnMouseLeave([](GUIElement* el) { Log(el, "MouseLeave"); });
    e->SetOnTextChanged([](GUIElement* el) { Log(el, "TextChanged"); });
    e->SetOnMouseMove([](GUIElement* el, int, int) { Log(el, "MouseMove"); });
}

}  // namespace sassorbi::testing
