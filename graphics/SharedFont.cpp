#include "graphics/SharedFont.h"

#include "toolkit/Application.h"
#include "toolkit/GUIElement.h"

namespace sassorbi {

XFontStruct* SharedFont(Display* display) {
    const auto& forms = Application::GetForms();
    if (forms.empty() || display == nullptr) return nullptr;
    return forms.front()->GetFontSpec()->GetFont(display);
}

}  // namespace sassorbi
