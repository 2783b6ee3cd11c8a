#include "graphics/PictureControl.h"

#include "graphics/ControlArea.h"

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

// Erases exactly the control's w x h pixels; the next Show creates and paints it again.
void PictureControl::Hide() {
    if (!IsCreated()) return;
    EraseControlArea(*this, 1);
    GUIElement::Hide();
    SetCreatedFlag(false);
}

}  // namespace sassorbi
