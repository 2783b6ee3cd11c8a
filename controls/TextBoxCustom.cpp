// The text box's life: construction, geometry, the buffer, painting and the setters.

#include "controls/TextBoxCustom.h"

#include <algorithm>
#include <cstdint>

#include "controls/ControlSupport.h"
#include "graphics/Graphics.h"
#include "toolkit/Application.h"
#include "toolkit/ElementRef.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

}  // namespace

// A created box is erased and drawn again at its new size or place.
TextBoxCustom::TextBoxCustom(GUIElement* parent, const std::string& text)
    : DrawnControl(parent, "TextBoxCustom", TagRule::kIdWhenGiven, MoveRule::kEraseAndRedraw) {
    Child::SetSize(80, 30);
    StoreBackColor(kWhite);
    Child::SetText(TrimRight(text));
    count_ = static_cast<int>(Child::GetText().size());
    caret_ = std::min(count_, max_length_);
    Graphics graphics(OwnerFormOf(*this));
    cell_height_ = graphics.TextHeight() + 4;
    cell_width_ = graphics.MaxCharWidth() + 2;
}

// The height rule: a box shorter than one row of cells is raised to exactly one row.
int TextBoxCustom::MinimumHeight(int height) const {
    return height <= cell_height_ + 5 ? cell_height_ + 6 : height;
}

void TextBoxCustom::ApplyHeightRule() {
    const Point at = GetLocation();
    StoreBounds(at.x, at.y, GetWidth(), MinimumHeight(GetHeight()));
}

TextBoxCustom::Grid TextBoxCustom::GridSize() {
    ApplyHeightRule();
    const int usable_width = std::max(0, GetWidth() - 6);
    Grid grid;
    grid.rows = std::max(0, (GetHeight() - 6) / cell_height_);
    grid.columns = usable_width / cell_width_;
    grid.leftover = usable_width - grid.columns * cell_width_;
    return grid;
}

Point TextBoxCustom::Origin() {
    return ToFormCoordinates(GetLocation().x, GetLocation().y);
}

Colour TextBoxCustom::BackColour() const {
    return IsEnabled() ? FirstSetColour({GetBackColor()}) : kDefaultBackColour;
}

Colour TextBoxCustom::GlyphColour() const {
    return IsEnabled() ? text_colour_ : kDisabledTextColour;
}

bool TextBoxCustom::ShowsCaret() const {
    return IsFocused() && IsEnabled() && !read_only_;
}

int TextBoxCustom::Alignment() const {
    if (multi_line_) return 0;
    return right_aligned_ ? 1 : centred_ ? 2 : 0;
}

bool TextBoxCustom::CanPaint() const {
    return IsCreated() && !Application::IsFormLoading() && OwnerFormOf(*this) != nullptr;
}

void TextBoxCustom::SetSize(int width, int height) {
    const int fitted = MinimumHeight(std::max(height, GetFontSpec()->GetSizeValue() + 10));
    DrawnControl::SetSize(width, fitted);
}

void TextBoxCustom::Hide() {
    if (!IsCreated()) return;
    Child::SetText(BufferText());
    DrawnControl::Hide();
}

void TextBoxCustom::SetText(const std::string& text) {
    Child::SetText(text);
    count_ = static_cast<int>(text.size());
    caret_ = std::clamp(count_ - 1, 0, max_length_);
    if (!IsCreated()) return;
    RefillBuffer();
    Paint();
}

std::string TextBoxCustom::GetText() {
    if (!IsCreated()) return Child::GetText();
    const std::string text = BufferText();
    Child::SetText(text);
    return text;
}

// A single-line box shows the text up to its first line feed.
void TextBoxCustom::RefillBuffer() {
    std::string text = Child::GetText();
    if (!multi_line_) text = text.substr(0, text.find('\n'));
    std::fill(buffer_.begin(), buffer_.end(), ' ');
    buffer_[max_length_] = '\0';
    const int copied = std::min(static_cast<int>(text.size()), max_length_);
    std::copy_n(text.begin(), copied, buffer_.begin());
    caret_ = copied;
}

std::string TextBoxCustom::BufferText() const {
    if (buffer_.empty()) return std::string();
    const auto end = std::find(buffer_.begin(), buffer_.begin() + max_length_, '\0');
    return TrimRight(std::string(buffer_.begin(), end));
}

// The buffer's text for an edit at the caret: trailing blanks go, except those before the
// caret, which the user typed (a blank or a line break at the end must survive the edit).
std::string TextBoxCustom::EditableText() const {
    const auto end = std::find(buffer_.begin(), buffer_.begin() + max_length_, '\0');
    const std::string raw(buffer_.begin(), end);
    const size_t kept = std::max(TrimRight(raw).size(), static_cast<size_t>(caret_));
    return raw.substr(0, kept);
}

void TextBoxCustom::StoreText(const std::string& text) {
    Child::SetText(text);
    RefillBuffer();
}

void TextBoxCustom::OnCreated() {
    buffer_.assign(static_cast<size_t>(max_length_) + 1, ' ');
    buffer_[max_length_] = '\0';
    const Grid grid = GridSize();
    const int64_t wanted = static_cast<int64_t>(grid.rows) * grid.columns + 1;
    cells_.assign(static_cast<size_t>(std::min<int64_t>(wanted, kMaxCells)),
                  Cell{' ', GlyphColour(), BackColour(), max_length_});
    RefillBuffer();
}

void TextBoxCustom::Paint() {
    if (!CanPaint()) return;
    ApplyHeightRule();
    {
        Graphics graphics(OwnerFormOf(*this));
        const Point at = Origin();
        // All w x h pixels: without the bevel the last row and column show the background too.
        graphics.FillRectangle(at.x, at.y, GetWidth() + 1, GetHeight() + 1, 0, kNoColour,
                               BackColour());
        if (bevel_) DrawBevel(graphics, at.x, at.y, GetWidth(), GetHeight());
    }
    Refresh(true);
}

// Two pixels of sunken relief: light outside top left, dark inside top left.
void TextBoxCustom::DrawBevel(Graphics& graphics, int x, int y, int w, int h) {
    graphics.DrawLine(x, y, x + w - 1, y, kWhite);
    graphics.DrawLine(x, y + h - 1, x, y, kWhite);
    graphics.DrawLine(x + w - 1, y, x + w - 1, y + h - 1, kBlack);
    graphics.DrawLine(x, y + h - 1, x + w - 1, y + h - 1, kBlack);
    graphics.DrawLine(x + 1, y + 1, x + w - 2, y + 1, kBlack);
    graphics.DrawLine(x + 1, y + h - 2, x + 1, y + 1, kBlack);
    graphics.DrawLine(x + w - 2, y + 1, x + w - 2, y + h - 2, kWhite);
    graphics.DrawLine(x + 1, y + h - 2, x + w - 2, y + h - 2, kWhite);
}

void TextBoxCustom::Refresh(bool full) {
    DrawCells(full, caret_);
}

void TextBoxCustom::SetFocus() {
    if (!IsCreated()) return;
    ElementRef self(this);
    ElementRef previous(Application::GetFocusedElement());
    Child::SetFocus();
    GotFocus();
    if (GUIElement* other = previous.Get(); other != nullptr && other != this) other->LostFocus();
    if (self) Application::SetFocusedElement(this);
}

void TextBoxCustom::GotFocus() {
    ElementRef self(this);
    Child::GotFocus();
    if (self) Refresh(false);
}

void TextBoxCustom::LostFocus() {
    ElementRef self(this);
    Child::LostFocus();
    if (self) Refresh(false);
}

void TextBoxCustom::Redraw() {
    if (IsCreated()) Paint();
}

void TextBoxCustom::SetMaxLength(int length) {
    if (length > 0 && !IsCreated()) max_length_ = length;
}

void TextBoxCustom::SetTextColour(Colour colour) {
    text_colour_ = colour;
}
void TextBoxCustom::SetCaretColour(Colour colour) {
    caret_colour_ = colour;
}

void TextBoxCustom::SetMultiLine(bool multi_line) {
    multi_line_ = multi_line;
    Redraw();
}

void TextBoxCustom::SetReadOnly(bool read_only) {
    read_only_ = read_only;
    Redraw();
}

void TextBoxCustom::SetDigitsOnly(bool digits_only) {
    digits_only_ = digits_only;
    Redraw();
}

void TextBoxCustom::SetDecimalPoint(bool decimal_point) {
    decimal_point_ = decimal_point;
    Redraw();
}

void TextBoxCustom::SetPassword(bool password) {
    password_ = password;
    Redraw();
}

void TextBoxCustom::SetDateMode(bool date_mode) {
    date_mode_ = date_mode;
    digits_only_ = date_mode;
    if (date_mode) {
        if (IsCreated()) {
            ShortenBuffer(kDateLength);
        } else {
            SetMaxLength(kDateLength);
        }
        shifting_delete_ = false;
    }
    Redraw();
}

// A created box never grows its buffer: it can only end earlier.
void TextBoxCustom::ShortenBuffer(int length) {
    if (length >= max_length_) return;
    max_length_ = length;
    buffer_.resize(static_cast<size_t>(max_length_) + 1);
    buffer_[max_length_] = '\0';
    caret_ = std::min(caret_, max_length_);
    count_ = std::min(count_, max_length_);
}

void TextBoxCustom::SetShiftingDelete(bool shifting_delete) {
    shifting_delete_ = shifting_delete;
    if (shifting_delete) multi_line_ = true;
}

void TextBoxCustom::SetCentred(bool centred) {
    centred_ = centred;
    if (centred) right_aligned_ = false;
    Redraw();
}

void TextBoxCustom::SetRightAligned(bool right_aligned) {
    right_aligned_ = right_aligned;
    if (right_aligned) centred_ = false;
    Redraw();
}

void TextBoxCustom::SetLeftAligned(bool left_aligned) {
    if (left_aligned) centred_ = right_aligned_ = false;
    Redraw();
}

void TextBoxCustom::SetBevel(bool bevel) {
    bevel_ = bevel;
}

}  // namespace sassorbi
