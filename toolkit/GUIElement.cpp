#include "toolkit/GUIElement.h"

#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi {
namespace {
uint64_t g_next_serial = 0;
}

GUIElement::GUIElement(uint64_t owner) : owner_(owner), serial_(++g_next_serial) {
    Application::AddElement(this);
}

int GUIElement::GetWidth() const {
    return width_;
}
int GUIElement::GetActualWidth() {
    return width_;
}
int GUIElement::GetHeight() const {
    return height_;
}
int GUIElement::GetActualHeight() {
    return height_;
}
Point GUIElement::GetLocation() const {
    return {left_, top_};
}
Size GUIElement::GetSize() const {
    return {width_, height_};
}
Size GUIElement::GetExtent() const {
    return GetSize();
}

void GUIElement::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (created_) ApplySize();
}

void GUIElement::SetLocation(int x, int y) {
    left_ = x;
    top_ = y;
    if (created_) ApplyLocation();
}

void GUIElement::Move(int x, int y) {
    SetLocation(x < 0 ? 0 : x, y < 0 ? 0 : y);
}
void GUIElement::SetLocationPoint(Point point) {
    SetLocation(point.x, point.y);
}

void GUIElement::SetBackColor(Colour colour) {
    back_colour_ = colour;
    if (created_) Paint();
}

Colour GUIElement::GetBackColor() const {
    return back_colour_;
}

void GUIElement::Show() {
    if (!created_) Create();
    visible_ = true;
}

void GUIElement::ShowMapped() {
    GUIElement::Show();
}

void GUIElement::Hide() {
    if (created_) visible_ = false;
}

bool GUIElement::IsVisible() const {
    return visible_;
}
bool GUIElement::IsCreated() const {
    return created_;
}
void GUIElement::SpareHook() {}
void GUIElement::SetEnabled(bool enabled) {
    enabled_ = enabled;
}
bool GUIElement::IsEnabled() const {
    return enabled_;
}

void GUIElement::AddChild(GUIElement* child) {
    if (created_ && child != nullptr && child->GetTagAddress() != nullptr) OnChildAdded(child);
}

void GUIElement::BringToFront() {
    if (created_) ApplyBringToFront();
}

void GUIElement::Raise() {
    BringToFront();
}

void GUIElement::SendToBack() {
    if (created_) ApplySendToBack();
}

void GUIElement::SetName(const std::string& name) {
    name_ = name;
}
std::string GUIElement::GetName() const {
    return name_;
}

void GUIElement::SetFontSpec(const FontSpec& font) {
    font_ = font;
    if (created_) ApplyStyle();
}

FontSpec* GUIElement::GetFontSpec() {
    return &font_;
}
bool GUIElement::IsTabStop() const {
    return tab_stop_;
}
bool GUIElement::IsDrawable() const {
    return drawable_;
}
bool GUIElement::IsChild() const {
    return child_;
}

// Both edges count as inside.
bool GUIElement::HitTest(Point point) {
    return created_ && visible_ && left_ <= point.x && point.x <= left_ + width_ &&
           top_ <= point.y && point.y <= top_ + height_;
}

void GUIElement::SetText(const std::string& text) {
    text_ = text;
}
std::string GUIElement::GetText() {
    return text_;
}
std::string GUIElement::GetTextValue() {
    return GetText();
}

// A click is double when it follows the previous click on this element within
// kDoubleClickMilliseconds of the monotonic clock; the first click never is.
void GUIElement::Click(Point point) {
    ElementRef self(this);
    if (on_click_ != nullptr) on_click_(this, tag_, point);
    if (!self) return;
    const int64_t now = MonotonicMilliseconds();
    const bool is_double = last_click_ms_ != 0 && now - last_click_ms_ < kDoubleClickMilliseconds;
    // A double click ends the pair: a third quick click starts a new one.
    last_click_ms_ = is_double ? 0 : now;
    if (is_double) DoubleClick(point);
}

void GUIElement::MouseDown(Point point) {
    if (on_mouse_down_ != nullptr) on_mouse_down_(this, tag_, point);
}

void GUIElement::DoubleClick(Point point) {
    if (on_double_click_ != nullptr) on_double_click_(this, tag_, point);
}

void GUIElement::OtherButtonUp(Point point) {
    if (on_other_button_up_ != nullptr) on_other_button_up_(this, tag_, point);
}

void GUIElement::OtherButtonDown(Point point) {
    if (on_other_button_down_ != nullptr) on_other_button_down_(this, tag_, point);
}

void GUIElement::SpareEvent1(int64_t value) {
    if (on_spare1_ != nullptr) on_spare1_(this, tag_, value);
}

void GUIElement::KeyUp(KeySym key) {
    if (on_key_up_ != nullptr) on_key_up_(this, key);
}

void GUIElement::KeyDown(KeySym key) {
    if (on_key_down_ != nullptr) on_key_down_(this, key);
}

bool GUIElement::KeyChar(char character) {
    return on_key_char_ == nullptr || on_key_char_(this, character);
}

void GUIElement::MouseMove(int x, int y) {
    if (on_mouse_move_ != nullptr) on_mouse_move_(this, x, y);
}

void GUIElement::SpareEvent2(int64_t first, int64_t second) {
    if (on_spare2_ != nullptr) on_spare2_(this, first, second);
}

void GUIElement::SpareEvent3(int64_t first, int64_t second) {
    if (on_spare3_ != nullptr) on_spare3_(this, first, second);
}

void GUIElement::SetFocus() {
    focused_ = true;
}

void GUIElement::Moved() {
    GetLocation();
    if (on_moved_ != nullptr) on_moved_(this);
}

void GUIElement::Resized() {
    ElementRef self(this);
    SetBackColor(back_colour_);
    if (self && on_resize_ != nullptr) on_resize_(this);
}

void GUIElement::Paint() {}

bool GUIElement::QueryClose() {
    return on_query_close_ == nullptr || on_query_close_(this);
}

void GUIElement::Closed() {
    ElementRef self(this);
    if (on_closed_ != nullptr) on_closed_(this);
    if (self) closed_ = true;
}

void GUIElement::GotFocus() {
    focused_ = true;
    text_snapshot_ = GetTextValue();
    if (on_got_focus_ != nullptr) on_got_focus_(this);
}

void GUIElement::LostFocus() {
    ElementRef self(this);
    focused_ = false;
    if (on_lost_focus_ != nullptr) on_lost_focus_(this);
    if (self && on_text_changed_ != nullptr && GetTextValue() != text_snapshot_) {
        on_text_changed_(this);
    }
}

void GUIElement::MouseEnter() {
    if (on_mouse_enter_ != nullptr) on_mouse_enter_(this);
}

void GUIElement::MouseLeave() {
    if (on_mouse_leave_ != nullptr) on_mouse_leave_(this);
}

// OnLoad runs at most once per element, even if it creates the element again.
void GUIElement::Load(uint64_t tag) {
    if (tag_ == 0) tag_ = tag;
    if (loaded_) return;
    loaded_ = true;
    if (on_load_ != nullptr) on_load_(this, tag_);
}

void GUIElement::UpdateBackColor() {
    if (created_) ApplyBackColor();
}

bool GUIElement::IsBlocked() const {
    return blocked_;
}
bool GUIElement::IsMarked() const {
    return marked_;
}

void GUIElement::SetBlocked(bool blocked) {
    blocked_ = blocked;
    if (blocked) marked_ = false;
}

void GUIElement::SetMarked(bool marked) {
    marked_ = marked;
    if (marked) blocked_ = false;
}

void GUIElement::SpareHook2() {}
uint64_t* GUIElement::GetTagAddress() {
    return &tag_;
}
void GUIElement::ApplyLocation() {}
void GUIElement::ApplySize() {}
void GUIElement::ApplyBackColor() {}
void GUIElement::ApplyBringToFront() {}
void GUIElement::ApplySendToBack() {}
void GUIElement::OnChildAdded(GUIElement*) {}
void GUIElement::ApplyStyle() {}

GUIElement* GUIElement::GetOwnerForm() const {
    GUIElement* ancestor = parent_;
    while (ancestor != nullptr && !ancestor->IsForm())
        ancestor = ancestor->GetParent();
    return ancestor;
}

Point GUIElement::ToFormCoordinates(int x, int y) {
    Point point{x, y};
    for (GUIElement* a = parent_; a != nullptr && !a->IsForm(); a = a->GetParent()) {
        const Point location = a->GetLocation();
        point.x += location.x;
        point.y += location.y;
    }
    return point;
}

void GUIElement::AssignId() {
    if (id_ == 0) {
        id_ = Application::NextElementId();
        tag_ = static_cast<uint64_t>(id_);
    }
    if (created_) ApplyStyle();
}

void GUIElement::AssignIdKeepTag() {
    if (id_ == 0) id_ = Application::NextElementId();
}

void GUIElement::StoreBounds(int x, int y, int width, int height) {
    left_ = x;
    top_ = y;
    width_ = width;
    height_ = height;
}

}  // namespace sassorbi
