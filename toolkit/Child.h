#pragma once
// The base of every control: not an X window but an area its form draws and hit-tests.

#include "toolkit/GUIElement.h"

namespace sassorbi {

class Child : public GUIElement {
public:
    Child();
    // Unregisters the control first, so the loop never reaches a dying control.
    ~Child() override;
};

}  // namespace sassorbi
