#pragma once
// What the choice, range and container controls share: the background they paint on, the
// erasing that hiding does, the flush that shows a change while the user still holds the key,
// and the dashed focus rectangle.

#include "controls/ControlSupport.h"
#include "graphics/Graphics.h"

namespace sassorbi {

// The element's own background, else its parent's, else its form's, else grey.
inline Colour ControlBackColour(const GUIElement& element) {
    const GUIElement* parent = element.GetParent();
    const Form* form = OwnerFormOf(element);
    return FirstSetColour({element.GetBackColor(),
                           parent != nullptr ? parent->GetBackColor() : kNoColour,
                           form != nullptr ? form->GetBackColor() : kNoColour});
}

// Fills the element's w x h area with what surrounds it, as a hidden control leaves it.
inline void EraseArea(GUIElement& element, int extra) {
    Form* form = OwnerFormOf(element);
    if (form == nullptr) return;
    Graphics graphics(form);
    const Point at = element.ToFormCoordinates(element.GetLocation().x, element.GetLocation().y);
    graphics.FillRectangle(at.x, at.y, element.GetWidth() + extra, element.GetHeight() + extra, 0,
                           kNoColour, SurroundingColour(element));
}

inline void FlushDisplay(const GUIElement& element) {
    Form* form = OwnerFormOf(element);
    if (form != nullptr && form->GetDisplay() != nullptr) XFlush(form->GetDisplay());
}

// A dashed rectangle: top at y1, left and right edges from y1 - 1 to y2 + 1, bottom at y2.
inline void DrawDashedFrame(Graphics& graphics, int x1, int x2, int y1, int y2, Colour colour) {
    graphics.DrawLine(x1, y1, x2, y1, 1, colour);
    graphics.DrawLine(x1, y2, x1, y1 - 1, 1, colour);
    graphics.DrawLine(x2, y1, x2, y2 + 1, 1, colour);
    graphics.DrawLine(x1, y2, x2, y2, 1, colour);
}

}  // namespace sassorbi
