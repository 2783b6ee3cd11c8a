#include "controls/PanelChildren.h"

#include "controls/ControlDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"

namespace sassorbi {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

}  // namespace

// A created panel is erased and drawn again, children and all, at its new size or place.
PanelChildren::PanelChildren(GUIElement* parent)
    : DrawnControl(parent, "panel", TagRule::kUsers, MoveRule::kEraseAndRedraw) {
    SetHoldsChildren(true);
}

void PanelChildren::Show() {
    if (!IsCreated()) Create();
    Paint();
    for (GUIElement* child : Children())
        child->Show();
    GUIElement::Show();
}

void PanelChildren::Hide() {
    for (GUIElement* child : Children())
        child->Hide();
    DrawnControl::Hide();
}

void PanelChildren::SetBorder(bool border) {
    border_ = border;
    flat_ = false;
}

void PanelChildren::SetFlatBorder(bool flat) {
    flat_ = flat;
    border_ = true;
}

void PanelChildren::SetSunken(bool sunken) {
    sunken_ = sunken;
    border_ = true;
}

void PanelChildren::SetTitleColor(Colour colour) {
    title_colour_ = colour;
}

void PanelChildren::SetChildBackColor(Colour colour) {
    child_back_colour_ = colour;
}

// Only the direct children: the registry lists a nested panel's contents after it.
std::vector<GUIElement*> PanelChildren::Children() const {
    std::vector<GUIElement*> children;
    for (GUIElement* element : Application::GetChildren(this)) {
        if (element->GetParent() == this) children.push_back(element);
    }
    return children;
}

void PanelChildren::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    {
        Graphics graphics(form);
        const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
        const int x = at.x, y = at.y, w = GetWidth(), h = GetHeight();
        const Colour back = FirstSetColour({GetBackColor()});
        graphics.FillRectangle(x, y, w, h, 0, kNoColour, back);
        if (border_ && flat_) {
            graphics.DrawRectangle(x, y, w, h, 1, kBlack);
        } else if (border_) {
            const Colour top_left = sunken_ ? kBlack : kWhite;
            const Colour bottom_right = sunken_ ? kWhite : kBlack;
            graphics.DrawLine(x, y, x + w - 1, y, top_left);
            graphics.DrawLine(x, y + h - 1, x, y, top_left);
            graphics.DrawLine(x + w - 1, y, x + w - 1, y + h - 1, bottom_right);
            graphics.DrawLine(x, y + h - 1, x + w - 1, y + h - 1, bottom_right);
        }
        if (!GetText().empty()) {
            const Colour title = title_colour_ != kNoColour ? title_colour_ : kBlack;
            graphics.DrawText(x + 4, y + 2, w - 8, 10, GetText(), title, back, 0);
        }
    }
    PaintChildren();
}

void PanelChildren::PaintChildren() {
    for (GUIElement* child : Children()) {
        ElementRef ref(child);
        if (!child->IsDrawable() || !child->IsCreated()) continue;
        if (child_back_colour_ != kNoColour) child->SetBackColor(child_back_colour_);
        if (ref) child->Paint();
    }
}

}  // namespace sassorbi
