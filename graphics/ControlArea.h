#pragma once
// The area a control covers in its form: the colours it falls back to, and how hiding one
// erases it. Shared by the picture controls here and by every control in controls/.

#include <initializer_list>

#include "graphics/Graphics.h"
#include "toolkit/Form.h"
#include "toolkit/GUIElement.h"

namespace sassorbi {

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
    const GUIElement* form = element.GetOwnerForm();
    return FirstSetColour({parent != nullptr ? parent->GetBackColor() : kNoColour,
                           form != nullptr ? form->GetBackColor() : kNoColour});
}

// The element's own background, else its parent's, else its form's, else grey.
inline Colour ControlBackColour(const GUIElement& element) {
    return FirstSetColour({element.GetBackColor(), SurroundingColour(element)});
}

// Fills the element's area, (w + extra) x (h + extra) as FillRectangle counts, in a colour.
inline void FillControlArea(GUIElement& element, int extra, Colour colour) {
    auto* form = static_cast<Form*>(element.GetOwnerForm());
    if (form == nullptr) return;
    Graphics graphics(form);
    const Point at = element.ToFormCoordinates(element.GetLocation().x, element.GetLocation().y);
    graphics.FillRectangle(at.x, at.y, element.GetWidth() + extra, element.GetHeight() + extra, 0,
                           kNoColour, colour);
}

// Erases the element's area with what surrounds it, as a hidden control leaves it.
inline void EraseControlArea(GUIElement& element, int extra) {
    FillControlArea(element, extra, SurroundingColour(element));
}

}  // namespace sassorbi
