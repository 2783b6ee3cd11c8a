#pragma once
// The check box: a small box picture and a caption; a click or the space bar toggles it and
// runs its command.

#include <string>

#include "controls/ChoicePictures.h"
#include "controls/CommandElement.h"
#include "graphics/DrawnControl.h"

namespace sassorbi {

class CheckBox : public DrawnControl, public CommandElement {
public:
    CheckBox(GUIElement* parent, const std::string& caption);

    void SetText(const std::string& caption) override;
    // The box takes the press without raising OnMouseDown.
    void MouseDown(Point point) override;
    // Toggles and runs the command, then raises OnClick.
    void Click(Point point) override;
    // Keys work through KeyChar; OnKeyDown is not raised.
    void KeyDown(KeySym key) override;
    bool KeyChar(char character) override;
    void GotFocus() override;
    void LostFocus() override;
    void Paint() override;

    // The caption colour when enabled and the colour of the focus rectangle.
    virtual void SetTextColour(Colour colour);

    void SetChecked(bool checked);
    bool IsChecked() const { return checked_; }

private:
    // Toggles, shows the new state at once and runs the command; false once destroyed by it.
    bool Toggle();

    bool checked_ = false;
    Colour text_colour_ = 0x000000;
    ChoicePictures pictures_{ChoiceShape::kBox};
};

}  // namespace sassorbi
