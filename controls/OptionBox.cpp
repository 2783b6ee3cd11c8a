#include "controls/OptionBox.h"

#include <X11/keysym.h>

#include <algorithm>

#include "controls/ControlDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"

namespace sassorbi {
namespace {

constexpr char kSpace = 32;

}  // namespace

// A new size or place is painted at once, without erasing the old one.
OptionBox::OptionBox(GUIElement* parent)
    : DrawnControl(parent, "optionbox", TagRule::kIdWhenGiven, MoveRule::kRepaint) {
    SetTabStop(true);
    Child::SetSize(80, 30);
}

void OptionBox::MouseDown(Point) {}

// An empty box has nothing to choose: no input gives it a selection or runs its command.
bool OptionBox::CanChoose() const {
    return IsEnabled() && Count() > 0;
}

void OptionBox::Click(Point point) {
    if (CanChoose()) {
        const int top = ToFormCoordinates(GetLocation().x, GetLocation().y).y;
        const int item = (point.y - top) / kItemHeight;
        selected_ = std::min(item, Count() - 1);
        if (!Changed()) return;
    }
    Child::Click(point);
}

void OptionBox::KeyDown(KeySym key) {
    if (!CanChoose() || !IsFocused() || (key != XK_Down && key != XK_Up)) return;
    if (key == XK_Down) {
        SelectNext();
    } else {
        SelectPrevious();
    }
    Changed();
}

bool OptionBox::KeyChar(char character) {
    if (CanChoose() && IsFocused() && character == kSpace) {
        SelectNext();
        if (!Changed()) return true;
    }
    return Child::KeyChar(character);
}

void OptionBox::GotFocus() {
    ElementRef self(this);
    Child::GotFocus();
    if (self) Paint();
}

void OptionBox::LostFocus() {
    ElementRef self(this);
    Child::LostFocus();
    if (self) Paint();
}

// From the last item (or with none) round to the first.
void OptionBox::SelectNext() {
    selected_ = selected_ + 1 < Count() ? selected_ + 1 : 0;
}

// From the first item, or with none selected, round to the last.
void OptionBox::SelectPrevious() {
    selected_ = selected_ > 0 ? selected_ - 1 : Count() - 1;
}

bool OptionBox::Changed() {
    ElementRef self(this);
    Paint();
    FlushDisplay(*this);
    RunCommand(this);
    return static_cast<bool>(self);
}

void OptionBox::Paint() {
    Form* form = OwnerFormOf(*this);
    if (Application::IsFormLoading() || !IsCreated() || form == nullptr) return;
    const int needed = Count() * kItemHeight;
    if (GetHeight() < needed) Child::SetSize(GetWidth(), needed);
    const bool enabled = IsEnabled();
    XImage* on = pictures_.For(this, true, enabled);
    XImage* off = pictures_.For(this, false, enabled);
    Graphics graphics(form);
    const Point at = ToFormCoordinates(GetLocation().x, GetLocation().y);
    const int w = GetWidth();
    const Colour back = ControlBackColour(*this);
    const Colour fore = enabled ? text_colour_ : kDisabledTextColour;
    graphics.FillRectangle(at.x, at.y, w + 1, GetHeight() + 1, 0, kNoColour, back);
    // With nothing selected the focus rests on the first item.
    const int focus_item = selected_ >= 0 ? selected_ : 0;
    for (int i = 0; i < Count(); ++i) {
        const int row = at.y + kItemHeight * i;
        XImage* picture = i == selected_ ? on : off;
        if (picture != nullptr) graphics.PutImageTransparent(at.x + 1, row + 6, 20, 20, picture);
        // Filled from one row down, the caption's background stops at the item's last row.
        graphics.DrawText(at.x + 28, row + 1, w - 30, kItemHeight - 1, captions_[i], fore, back, 0);
        if (IsFocused() && enabled && i == focus_item)
            DrawDashedFrame(graphics, at.x + 25, at.x + w - 6, row + 2, row + 25,
                            at.y + GetHeight() - 1, text_colour_);
    }
}

int OptionBox::GetSelected() const {
    return selected_;
}

bool OptionBox::SetSelected(int index) {
    if (index < 0) index = 0;
    if (index >= Count()) return false;
    selected_ = index;
    Paint();
    return true;
}

bool OptionBox::RemoveItem(int index) {
    const int count = Count();
    if (index < 0 || index >= count) return false;
    captions_.erase(captions_.begin() + index);
    values_.erase(values_.begin() + index);
    if (selected_ >= count - 1) --selected_;
    Paint();
    return true;
}

void OptionBox::AddItem(const std::string& caption, const std::string& value) {
    captions_.push_back(caption);
    values_.push_back(value);
    Paint();
}

int OptionBox::Count() const {
    return static_cast<int>(captions_.size());
}

std::string OptionBox::CaptionOf(int index) const {
    return GetCaption(index);
}
std::string OptionBox::ValueOf(int index) const {
    return GetValue(index);
}
std::string OptionBox::GetCaption(int index) const {
    return ItemOf(captions_, index);
}
std::string OptionBox::GetValue(int index) const {
    return ItemOf(values_, index);
}

std::string OptionBox::ItemOf(const std::vector<std::string>& list, int index) {
    if (list.empty()) return std::string();
    return list[std::clamp(index, 0, static_cast<int>(list.size()) - 1)];
}

void OptionBox::RemoveNone() {
    RemoveItem(-1);
}

// An empty box has nothing selected: no stale index may outlive its items.
void OptionBox::Clear() {
    captions_.clear();
    values_.clear();
    selected_ = -1;
    Paint();
}

void OptionBox::SelectFirst() {
    SetSelected(-1);
}

void OptionBox::SetTextColour(Colour colour) {
    text_colour_ = colour;
    Paint();
}

}  // namespace sassorbi
