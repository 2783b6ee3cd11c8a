// The text box's input: characters edit the buffer, caret keys and clicks move the caret.
// Every refused key sounds the beep and changes nothing.

#include <X11/keysym.h>

#include <algorithm>
#include <cctype>

#include "controls/TextBoxCustom.h"
#include "toolkit/ElementRef.h"
#include "util/Shell.h"
#include "util/Text.h"

namespace sassorbi {
namespace {

constexpr unsigned char kBackspace = 8;
constexpr unsigned char kReturn = 13;
constexpr unsigned char kEscape = 27;
constexpr unsigned char kDelete = 127;

// The date separators sit at buffer indexes 2 and 5.
bool IsAfterSeparator(int caret) {
    return caret == 3 || caret == 6;
}
bool IsSeparator(int caret) {
    return caret == 2 || caret == 5;
}

}  // namespace

bool TextBoxCustom::KeyChar(char character) {
    if (!IsEnabled() || read_only_ || !IsCreated()) return false;
    ElementRef self(this);
    if (!Child::KeyChar(character) || !self) return false;
    EditKey(static_cast<unsigned char>(character));
    return true;
}

void TextBoxCustom::EditKey(unsigned char code) {
    if (code == kDelete) {
        DeleteAtCaret();
        Refresh(false);
    } else if (code == kBackspace) {
        Backspace();
    } else if (code == kReturn) {
        if (multi_line_ && caret_ < max_length_) TypeCharacter('\r');
    } else if (code == kEscape) {
        return;
    } else if (code < 32) {
        Beep();
    } else if (digits_only_ && !std::isdigit(code)) {
        if (AcceptsDecimalPoint(code)) {
            TypeCharacter('.');
        } else {
            Beep();
        }
    } else {
        TypeCharacter(static_cast<char>(code));
    }
}

bool TextBoxCustom::AcceptsDecimalPoint(unsigned char code) const {
    return code == '.' && decimal_point_ && caret_ < max_length_ &&
           std::find(buffer_.begin(), buffer_.begin() + max_length_, '.') ==
               buffer_.begin() + max_length_;
}

// Blanks the character under the caret, or closes the gap when deletion shifts.
void TextBoxCustom::DeleteAtCaret() {
    if (!shifting_delete_) {
        if (caret_ < max_length_) buffer_[caret_] = ' ';
        return;
    }
    std::string text = EditableText();
    if (caret_ < static_cast<int>(text.size())) text.erase(static_cast<size_t>(caret_), 1);
    const int caret = caret_;
    StoreText(text);
    count_ = std::max(count_ - 1, 0);
    caret_ = caret;
}

// In date mode a separator goes together with the digit before it, and the separators
// are put back in their places afterwards.
void TextBoxCustom::Backspace() {
    if (caret_ == 0) {
        Beep();
        return;
    }
    const int removed = date_mode_ && IsAfterSeparator(caret_) ? 2 : 1;
    const int at = caret_ - removed;
    std::string text = EditableText();
    if (at < static_cast<int>(text.size())) text.erase(static_cast<size_t>(at), removed);
    if (date_mode_) {
        text.erase(std::remove(text.begin(), text.end(), '/'), text.end());
        text = TrimRight(text);
        if (text.size() > 1) text.insert(2, "/");
        if (text.size() > 4) text.insert(5, "/");
    }
    StoreText(text);
    count_ = std::max(count_ - removed, 0);
    caret_ = at;
    Refresh(false);
}

void TextBoxCustom::TypeCharacter(char character) {
    if (caret_ >= max_length_) {
        Beep();
        return;
    }
    if (multi_line_) {
        Insert(character);
    } else {
        Overwrite(character);
    }
}

void TextBoxCustom::Overwrite(char character) {
    buffer_[caret_++] = character;
    if (date_mode_ && IsSeparator(caret_) && caret_ < max_length_) {
        buffer_[caret_++] = '/';
        ++count_;
    }
    ++count_;
    Refresh(false);
}

void TextBoxCustom::Insert(char character) {
    std::string text = EditableText();
    text.insert(std::min(static_cast<size_t>(caret_), text.size()), 1, character);
    if (!Fits(text)) {
        Beep();
        return;
    }
    const int caret = caret_;
    StoreText(text);
    caret_ = caret + 1;
    ++count_;
    Refresh(false);
}

void TextBoxCustom::KeyDown(KeySym key) {
    ElementRef self(this);
    Child::KeyDown(key);
    if (!self || !IsCreated() || !IsEnabled() || read_only_) return;
    if (key == XK_Left) {
        MoveLeft();
    } else if (key == XK_Right) {
        MoveRight();
    } else if (key == XK_Up && multi_line_) {
        MoveUp();
    } else if (key == XK_Down && multi_line_) {
        MoveDown();
    }
}

void TextBoxCustom::MoveLeft() {
    caret_ = std::max(caret_ - (date_mode_ && IsAfterSeparator(caret_) ? 2 : 1), 0);
    Refresh(false);
}

void TextBoxCustom::MoveRight() {
    if (caret_ >= count_) {
        Beep();
        return;
    }
    caret_ = std::min(max_length_, caret_ + 1);
    if (date_mode_ && IsSeparator(caret_)) caret_ = std::min(max_length_, caret_ + 1);
    Refresh(false);
}

// The cell of the given row and column, or -1 when the cache has none there.
int TextBoxCustom::CellIndexAt(int row, int column) const {
    const int columns = std::max(0, GetWidth() - 6) / cell_width_;
    if (row < 0 || column < 0 || column >= columns) return -1;
    const int cell = row * columns + column;
    return cell < CellCount() ? cell : -1;
}

void TextBoxCustom::MoveUp() {
    const CellPosition position = CellOf(caret_);
    const int above = position.found ? CellIndexAt(position.row - 1, position.column) : -1;
    if (above < 0) {
        Beep();
        return;
    }
    caret_ = cells_[above].index;
    DrawCells(false, caret_);
}

void TextBoxCustom::MoveDown() {
    const CellPosition position = CellOf(caret_);
    const int below = position.found && position.row < GridSize().rows - 1
                          ? CellIndexAt(position.row + 1, position.column)
                          : -1;
    if (below < 0 || cells_[below].index >= count_) {
        Beep();
        return;
    }
    const int old_caret = caret_;
    caret_ = cells_[below].index;
    DrawCells(false, old_caret);
}

void TextBoxCustom::Click(Point point) {
    ElementRef self(this);
    Child::Click(point);
    if (self && IsCreated()) PlaceCaret(point);
}

// Only a click on a cell of the grid moves the caret, never past the character count.
void TextBoxCustom::PlaceCaret(Point point) {
    const Point origin = Origin();
    const int row = (point.y - origin.y - 4) / cell_height_;
    const int column = (point.x - origin.x) / cell_width_;
    if (row >= GridSize().rows) return;
    const int cell = CellIndexAt(row, column);
    if (cell < 0) return;
    caret_ = std::min(cells_[cell].index, std::max(count_, 0));
    if (date_mode_ && IsSeparator(caret_)) --caret_;
    DrawCells(false, 0);
}

}  // namespace sassorbi
