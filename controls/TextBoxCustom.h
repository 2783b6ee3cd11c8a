#pragma once
// The text entry control. It shows a fixed grid of character cells rather than a string with
// a moving caret: the text is edited in a blank-filled buffer of the maximum length, every
// cell remembers what it last showed, and a redraw paints only the cells that changed. The
// caret is the cell painted in the caret colour. Modes: multi-line (Enter starts a line and
// typing inserts), digits only with an optional decimal point, a dd/mm/yyyy date mode with
// automatic separators, password display and read-only.

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "graphics/DrawnControl.h"

namespace sassorbi {

class Graphics;

class TextBoxCustom : public DrawnControl {
public:
    // The cell cache never holds more cells than this.
    static constexpr int kMaxCells = 1600;
    // dd/mm/yyyy
    static constexpr int kDateLength = 10;

    TextBoxCustom(GUIElement* parent, const std::string& text);

    // The height never drops below one row of cells.
    void SetSize(int width, int height) override;
    // What was typed is kept in the text, so showing the box again loses nothing.
    void Hide() override;
    void SetText(const std::string& text) override;
    // On a created box: what the buffer shows, without trailing white space.
    std::string GetText() override;
    // Places the caret on the clicked cell.
    void Click(Point point) override;
    // Caret keys.
    void KeyDown(KeySym key) override;
    // Editing; false when the key was not taken (disabled, read-only or vetoed).
    bool KeyChar(char character) override;
    // Takes the keyboard focus from whichever element holds it.
    void SetFocus() override;
    void GotFocus() override;
    void LostFocus() override;
    void Paint() override;

    virtual void Refresh(bool full);
    // Repaints the cells from the one before `from` on (all of them when full); only cells
    // whose character or colours changed are drawn unless full is set.
    virtual void DrawCells(bool full, int from);

    // Positive lengths only, and only before the box is created.
    void SetMaxLength(int length);
    void SetTextColour(Colour colour);
    void SetCaretColour(Colour colour);
    void SetMultiLine(bool multi_line);
    void SetReadOnly(bool read_only);
    void SetDigitsOnly(bool digits_only);
    void SetDecimalPoint(bool decimal_point);
    void SetPassword(bool password);
    // Also digits only; when switched on the maximum length becomes 10, or stays smaller on
    // a created box whose buffer is shorter.
    void SetDateMode(bool date_mode);
    // Delete closes the gap; switches multi-line on.
    void SetShiftingDelete(bool shifting_delete);
    void SetCentred(bool centred);
    void SetRightAligned(bool right_aligned);
    void SetLeftAligned(bool left_aligned);
    void SetBevel(bool bevel);
    void Redraw();

    struct Grid {
        int rows = 0;
        int columns = 0;
        int leftover = 0;  // pixels of the usable width right of the last column
    };
    Grid GridSize();
    struct CellPosition {
        bool found = false;
        int row = 0;
        int column = 0;
    };
    // The first cell that shows the buffer index.
    CellPosition CellOf(int index) const;

    int GetCaret() const { return caret_; }
    int GetCharacterCount() const { return count_; }
    int GetMaxLength() const { return max_length_; }
    int GetCellWidth() const { return cell_width_; }
    int GetCellHeight() const { return cell_height_; }
    int CellCount() const { return static_cast<int>(cells_.size()); }

protected:
    // The buffer and the cells, for the box's size at this creation.
    void OnCreated() override;

private:
    struct Cell {
        char shown = ' ';
        Colour glyph = 0;
        Colour back = 0;
        int index = 0;  // buffer index of the character shown
    };

    // Geometry and colours.
    void ApplyHeightRule();
    int MinimumHeight(int height) const;
    Point Origin();
    Colour BackColour() const;
    Colour GlyphColour() const;
    bool ShowsCaret() const;
    int Alignment() const;
    bool CanPaint() const;
    void DrawBevel(Graphics& graphics, int x, int y, int w, int h);
    // Buffer.
    void RefillBuffer();
    std::string BufferText() const;
    std::string EditableText() const;
    void StoreText(const std::string& text);
    void ShortenBuffer(int length);
    // Painting the grid.
    int FirstIndexToPaint(bool full, int from) const;
    void EndLine(Graphics& graphics, const Grid& grid, int column, int row, int index);
    void DropOverflow(int index, int first);
    void DrawCell(Graphics& graphics, int cell, int column, int row, char shown, int index,
                  bool full);
    void DrawCellText(Graphics& graphics, int column, int row, char shown, Colour glyph,
                      Colour back);
    char ShownCharacter(char stored) const;
    bool Fits(const std::string& text);
    // Editing.
    void EditKey(unsigned char code);
    void DeleteAtCaret();
    void Backspace();
    void TypeCharacter(char character);
    void Overwrite(char character);
    void Insert(char character);
    bool AcceptsDecimalPoint(unsigned char code) const;
    // Caret keys and clicks.
    void MoveLeft();
    void MoveRight();
    void MoveUp();
    void MoveDown();
    void PlaceCaret(Point point);
    int CellIndexAt(int row, int column) const;

    std::vector<char> buffer_;
    Colour text_colour_ = 0x000000;
    int caret_ = 0;
    int count_ = 0;
    Colour caret_colour_ = 0xFFFF00;
    int max_length_ = 256;
    bool multi_line_ = false;
    bool date_mode_ = false;
    bool read_only_ = false;
    bool digits_only_ = false;
    bool decimal_point_ = false;
    bool password_ = false;
    bool right_aligned_ = false;
    bool centred_ = false;
    bool bevel_ = true;
    bool shifting_delete_ = false;
    int cell_height_ = 0;
    int cell_width_ = 0;
    std::vector<Cell> cells_;
};

}  // namespace sassorbi
