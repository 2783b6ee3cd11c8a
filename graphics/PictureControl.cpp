#include "graphics/PictureControl.h"

#include "graphics/Graphics.h"
#include "toolkit/Form.h"

namespace sassorbi {

void PictureControl::Create() {
    AssignId();
    SetTag(static_cast<uint64_t>(GetId()));
    SetCreatedFlag(true);
    SetVisibleFlag(true);
}

void PictureControl::Show() {
    GUIElement::Show();
    Paint();
}

void PictureControl::ShowMapped() {
    Show();
}

void PictureControl::SetSize(int width, int height) {
    const bool created = IsCreated();
    if (created) Hide();
    GUIElement::SetSize(width, height);
    if (created) Show();
}

void PictureControl::SetLocation(int x, int y) {
    const bool created = IsCreated();
    if (created) Hide();
    GUIElement::SetLocation(x, y);
    if (created) Show();
}

Colour PictureControl::AreaColour() const {
    const GUIElement* parent = GetParent();
    if (parent != nullptr && parent->GetBackColor() != kNoColour) return parent->GetBackColor();
    const GUIElement* form = GetOwnerForm();
    if (form != nullptr && form->GetBackColor() != kNoColour) return form->GetBackColor();
    return kDefaultBackColour;
}

// Erases exactly the control's w x h pixels; the next Show creates and paints it again.
void PictureControl::Hide() {
    if (!IsCreated()) return;
    {
        Graphics graphics(static_cast<Form*>(GetOwnerForm()));
        const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
        graphics.FillRectangle(at.x, at.y, GetWidth() + 1, GetHeight() + 1, 0, kNoColour,
                               AreaColour());
    }
    GUIElement::Hide();
    SetCreatedFlag(false);
}

}  // namespace sassorbi
