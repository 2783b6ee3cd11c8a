#include "toolkit/Child.h"

#include "toolkit/Application.h"

namespace sassorbi {

Child::Child() : GUIElement(0) {
    SetChildFlag(true);
    SetTabStop(false);
}

Child::~Child() {
    Application::RemoveWinForm(this);
}

}  // namespace sassorbi
