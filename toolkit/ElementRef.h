#pragma once
// A reference that notices when its element is destroyed: callbacks may delete any element,
// so code that goes on after a callback checks its elements through one of these.

#include <cstdint>

#include "toolkit/Application.h"
#include "toolkit/GUIElement.h"

namespace sassorbi {

class ElementRef {
public:
    explicit ElementRef(GUIElement* element)
        : element_(element), serial_(element != nullptr ? element->GetSerial() : 0) {}

    // The element, or null once it has been destroyed.
    GUIElement* Get() const {
        return element_ != nullptr && Application::IsAlive(element_, serial_) ? element_ : nullptr;
    }
    explicit operator bool() const { return Get() != nullptr; }

private:
    GUIElement* element_;
    uint64_t serial_;
};

}  // namespace sassorbi
