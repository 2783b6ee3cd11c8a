#pragma once
// A minimal concrete control for tests, and recorders that log every callback an element
// raises as "name.Event" (with the key or character where there is one).

#include <string>
#include <vector>

#include "toolkit/Child.h"

namespace sassorbi::testing {

class ProbeControl : public Child {
public:
    ProbeControl(GUIElement* parent, const std::string& name, int x, int y, int width, int height,
                 const std::string& kind = "probe");

    void Create() override;
    void Paint() override { ++paints; }
    void ApplySize() override { ++apply_size_calls; }
    void SetTabStopFlag(bool tab_stop) { SetTabStop(tab_stop); }
    // A stand-in for a panel: controls inside it are walked and searched through.
    void SetHoldsChildrenFlag(bool holds) { SetHoldsChildren(holds); }

    int paints = 0;
    int apply_size_calls = 0;
};

// Every callback of the element appends to the event log.
void RecordEvents(GUIElement* element);
std::vector<std::string>& EventLog();
// The events logged for one element name, in order, without pointer motion and crossings.
std::vector<std::string> EventsOf(const std::string& name);
int CountEvents(const std::string& event);

}  // namespace sassorbi::testing
