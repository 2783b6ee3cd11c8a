#pragma once
// What the controls share: the form they draw into and the colour their area falls back to.

#include <initializer_list>

#include "toolkit/Form.h"
#include "toolkit/GUIElement.h"

namespace sassorbi {

// Text of a disabled control.
constexpr Colour kDisabledTextColour = 0x9B9B9B;

// The form whose window the element is drawn in; null for an element outside any form.
inline Form* OwnerFormOf(const GUIElement& element) {
    return static_cast<Form*>(element.GetOwnerForm());
}

// The first colour that is set, else the default grey.
inline Colour FirstSetColour(std::initializer_list<Colour> colours) {
    for (Colour colour : colours) {
        if (colour != kNoColour) return colour;
    }
    return kDefaultBackColour;
}

// The background of the parent, else of the form, else grey: what a hidden control leaves.
inline Colour SurroundingColour(const GUIElement& element) {
    const GUIElement* parent = element.GetParent();
    const Form* form = OwnerFormOf(element);
    return FirstSetColour({parent != nullptr ? parent->GetBackColor() : kNoColour,
                           form != nullptr ? form->GetBackColor() : kNoColour});
}

}  // namespace sassorbi
