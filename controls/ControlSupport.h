#pragma once
// What the controls share: the form they draw into, and the colours of their area.

#include "graphics/ControlArea.h"
#include "toolkit/Form.h"
#include "toolkit/GUIElement.h"

namespace sassorbi {

// Text of a disabled control.
constexpr Colour kDisabledTextColour = 0x9B9B9B;

// The form whose window the element is drawn in; null for an element outside any form.
inline Form* OwnerFormOf(const GUIElement& element) {
    return static_cast<Form*>(element.GetOwnerForm());
}

}  // namespace sassorbi
