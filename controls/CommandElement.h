#pragma once
// The command shared by the controls the user activates (buttons, check and option boxes):
// one function, run with the control when the user activates it.

namespace sassorbi {

class GUIElement;

class CommandElement {
public:
    using Command = void (*)(GUIElement* element);

    void SetCommand(Command command) { command_ = command; }
    // Calls the command with the element when one is set.
    void RunCommand(GUIElement* element);

protected:
    // A second base only: never deleted through this class.
    ~CommandElement() = default;

private:
    Command command_ = nullptr;
};

}  // namespace sassorbi
