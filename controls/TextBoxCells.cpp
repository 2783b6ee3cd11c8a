// The text box's grid: which buffer index lands in which cell, and painting the cells that
// changed.

#include <algorithm>

#include "controls/ControlSupport.h"
#include "controls/TextBoxCustom.h"
#include "graphics/Graphics.h"
#include "util/Shell.h"

namespace sassorbi {

char TextBoxCustom::ShownCharacter(char stored) const {
    // The end of the buffer and line feeds show as blanks.
    if (stored == '\0' || stored == '\n') return ' ';
    return password_ && stored != ' ' ? '*' : stored;
}

int TextBoxCustom::FirstIndexToPaint(bool full, int from) const {
    if (full) return 0;
    const int first = std::max(from - 1, 0);
    return date_mode_ && (from == 3 || from == 6) ? first - 1 : first;
}

// Walks the buffer over the grid like the text would be laid out, the end of the buffer
// included so that the cell after the last character can show the caret.
void TextBoxCustom::DrawCells(bool full, int from) {
    if (!CanPaint() || cells_.empty()) return;
    Graphics graphics(OwnerFormOf(*this));
    const Grid grid = GridSize();
    const int usable_width = GetWidth() - 6, usable_height = GetHeight() - 6;
    const int first = FirstIndexToPaint(full, from);
    int column = 0, row = 0;
    for (int index = 0; index <= max_length_; ++index) {
        const char stored = buffer_[index];
        if (!password_ && stored == '\r') {
            EndLine(graphics, grid, column, row, index);
            column = 0;
            ++row;
            continue;
        }
        if (column * cell_width_ > usable_width - cell_width_) {
            column = 0;
            ++row;
        }
        if ((row + 1) * cell_height_ > usable_height) {
            DropOverflow(index, first);
            return;
        }
        const int cell = column + row * grid.columns;
        if (cell >= CellCount()) return;
        if (index >= first)
            DrawCell(graphics, cell, column, row, ShownCharacter(stored), index, full);
        ++column;
    }
}

// A carriage return blanks the rest of its row, which remembers the return's index.
void TextBoxCustom::EndLine(Graphics& graphics, const Grid& grid, int column, int row, int index) {
    const int usable_width = GetWidth() - 6;
    if (column * cell_width_ >= usable_width - cell_width_) return;
    const Point at = Origin();
    if ((row + 1) * cell_height_ < GetHeight()) {
        graphics.FillRectangle(at.x + 3 + column * cell_width_, at.y + 3 + row * cell_height_,
                               usable_width - column * cell_width_, cell_height_ + 1, 0, kNoColour,
                               BackColour());
        // Rows below the grid have no cells to remember anything in.
        for (int c = column; c < grid.columns; ++c) {
            const int cell = row * grid.columns + c;
            if (cell < CellCount()) cells_[cell] = Cell{'\r', text_colour_, BackColour(), index};
        }
    }
    if (ShowsCaret() && caret_ == index) {
        DrawCellText(graphics, column, row, ' ', text_colour_, caret_colour_);
    }
}

// What no longer fits the grid is dropped; a character just typed there is refused.
void TextBoxCustom::DropOverflow(int index, int first) {
    std::fill(buffer_.begin() + index, buffer_.begin() + max_length_, ' ');
    if (index != first) return;
    caret_ = std::max(caret_ - 1, 0);
    Beep();
}

void TextBoxCustom::DrawCell(Graphics& graphics, int cell, int column, int row, char shown,
                             int index, bool full) {
    const Colour glyph = GlyphColour();
    const Colour back = ShowsCaret() && caret_ == index ? caret_colour_ : BackColour();
    Cell& cached = cells_[cell];
    if (!full && cached.glyph == glyph && cached.back == back && cached.shown == shown) return;
    DrawCellText(graphics, column, row, shown, glyph, back);
    cached = Cell{shown, glyph, back, index};
}

void TextBoxCustom::DrawCellText(Graphics& graphics, int column, int row, char shown, Colour glyph,
                                 Colour back) {
    const Point at = Origin();
    graphics.DrawText(at.x + 3 + column * cell_width_, at.y + 3 + row * cell_height_, cell_width_,
                      cell_height_, std::string(1, shown), glyph, back, Alignment());
}

TextBoxCustom::CellPosition TextBoxCustom::CellOf(int index) const {
    const auto found = std::find_if(cells_.begin(), cells_.end(),
                                    [index](const Cell& cell) { return cell.index == index; });
    if (found == cells_.end()) return {};
    const int columns = std::max(0, GetWidth() - 6) / cell_width_;
    const int cell = static_cast<int>(found - cells_.begin());
    if (columns == 0) return {true, cell, 0};
    return {true, cell / columns, cell % columns};
}

// Whether the text, laid out as DrawCells would, leaves the end of the text inside the grid.
bool TextBoxCustom::Fits(const std::string& text) {
    if (static_cast<int>(text.size()) > max_length_) return false;
    const Grid grid = GridSize();
    const int usable_width = GetWidth() - 6, usable_height = GetHeight() - 6;
    const int end = count_ + 1;
    int column = 0, row = 0;
    for (int index = 0; index <= max_length_; ++index) {
        if (index == end) {
            return (row + 1) * cell_height_ <= usable_height &&
                   column + grid.columns * row < grid.rows * grid.columns;
        }
        if (index < static_cast<int>(text.size()) && text[index] == '\r') {
            column = 0;
            ++row;
            continue;
        }
        if (column * cell_width_ > usable_width - cell_width_) {
            column = 0;
            ++row;
        }
        ++column;
    }
    return false;
}

}  // namespace sassorbi
