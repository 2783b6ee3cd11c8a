#pragma once
// The panel: a filled rectangle with an optional frame and an optional one-line title, inside
// which other controls are placed (their parent is the panel). Showing, hiding and painting a
// panel does the same to the controls inside it.

#include <vector>

#include "graphics/DrawnControl.h"

namespace sassorbi {

class PanelChildren : public DrawnControl {
public:
    explicit PanelChildren(GUIElement* parent);

    // Paints the panel, then shows every child.
    void Show() override;
    // Hides every child before erasing the panel's area.
    void Hide() override;
    void Paint() override;

    // No setter repaints.
    void SetBorder(bool border);
    void SetFlatBorder(bool flat);
    void SetSunken(bool sunken);
    void SetTitleColor(Colour colour);
    // Given to every drawable, created child before the panel paints it.
    void SetChildBackColor(Colour colour);

    // The elements whose parent is the panel, in registration order.
    std::vector<GUIElement*> Children() const;

private:
    void PaintChildren();

    bool border_ = false;
    bool flat_ = false;
    bool sunken_ = true;
    Colour title_colour_ = kNoColour;
    Colour child_back_colour_ = kNoColour;
};

}  // namespace sassorbi
