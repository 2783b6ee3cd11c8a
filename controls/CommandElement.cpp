#include "controls/CommandElement.h"

namespace sassorbi {

void CommandElement::RunCommand(GUIElement* element) {
    if (command_ != nullptr) command_(element);
}

}  // namespace sassorbi
