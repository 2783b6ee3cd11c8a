#include "graphics/DrawnControl.h"

#include "graphics/ControlArea.h"

namespace sassorbi {

DrawnControl::DrawnControl(GUIElement* parent, const std::string& kind, TagRule tag_rule,
                           MoveRule move_rule)
    : tag_rule_(tag_rule), move_rule_(move_rule) {
    SetParent(parent);
    SetKind(kind);
    SetDrawable(true);
}

void DrawnControl::Create() {
    const bool was_created = IsCreated();
    if (tag_rule_ == TagRule::kUsers) {
        AssignIdKeepTag();
    } else {
        AssignId();
    }
    if (tag_rule_ == TagRule::kAlwaysId) SetTag(static_cast<uint64_t>(GetId()));
    if (was_created) return;
    // Creating again leaves a created control as it is, hidden or shown.
    SetCreatedFlag(true);
    SetVisibleFlag(true);
    OnCreated();
}

void DrawnControl::OnCreated() {}

void DrawnControl::Show() {
    GUIElement::Show();
    Paint();
}

void DrawnControl::ShowMapped() {
    Show();
}

void DrawnControl::SetSize(int width, int height) {
    if (move_rule_ != MoveRule::kEraseAndRedraw) {
        GUIElement::SetSize(width, height);
        if (move_rule_ == MoveRule::kRepaint) Paint();
        return;
    }
    const bool created = IsCreated();
    if (created) Hide();
    GUIElement::SetSize(width, height);
    if (created) Show();
}

void DrawnControl::SetLocation(int x, int y) {
    if (move_rule_ != MoveRule::kEraseAndRedraw) {
        GUIElement::SetLocation(x, y);
        if (move_rule_ == MoveRule::kRepaint) Paint();
        return;
    }
    const bool created = IsCreated();
    if (created) Hide();
    GUIElement::SetLocation(x, y);
    if (created) Show();
}

void DrawnControl::Hide() {
    if (!IsCreated()) return;
    EraseArea();
    GUIElement::Hide();
    SetCreatedFlag(false);
}

void DrawnControl::EraseArea() {
    EraseControlArea(*this, 1);
}

void DrawnControl::Enable(bool enabled) {
    SetEnabled(enabled);
    Repaint();
}

void DrawnControl::Repaint() {
    if (IsCreated()) Paint();
}

}  // namespace sassorbi
