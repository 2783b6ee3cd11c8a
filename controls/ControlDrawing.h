#pragma once
// What the choice, range and container controls share besides their area's colours: the
// flush that shows a change while the user still holds the key, and the dashed focus
// rectangle.

#include <algorithm>

#include "controls/ControlSupport.h"
#include "graphics/Graphics.h"

namespace sassorbi {

inline void FlushDisplay(const GUIElement& element) {
    Form* form = OwnerFormOf(element);
    if (form != nullptr && form->GetDisplay() != nullptr) XFlush(form->GetDisplay());
}

// A dashed rectangle: top at y1, left edge from y2 to y1 - 1, right edge from y1 to y2 + 1 but
// not below last_row, the control's own last row, bottom at y2.
inline void DrawDashedFrame(Graphics& graphics, int x1, int x2, int y1, int y2, int last_row,
                            Colour colour) {
    graphics.DrawLine(x1, y1, x2, y1, 1, colour);
    graphics.DrawLine(x1, y2, x1, y1 - 1, 1, colour);
    graphics.DrawLine(x2, y1, x2, std::min(y2 + 1, last_row), 1, colour);
    graphics.DrawLine(x1, y2, x2, y2, 1, colour);
}

}  // namespace sassorbi
