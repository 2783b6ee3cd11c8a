// The text box's grid on a real window: how its cells look in each mode, where clicks put
// the caret, and the limits of its cell cache and buffer.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "controls/TextBoxCustom.h"
#include "graphics/Graphics.h"
#include "tests/controls/ControlTest.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kCaret = 0xFFFF00;
constexpr int kX = 20, kY = 20;

class TextBoxTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = MakeForm(0, 0, 400, 300);
    }

    std::unique_ptr<TextBoxCustom> MakeBox(const std::string& text, int w, int h) {
        auto box = std::make_unique<TextBoxCustom>(form.get(), text);
        box->SetSize(w, h);
        box->Move(kX, kY);
        return box;
    }

    // The top-left pixel of a cell in the window.
    Point CellAt(const TextBoxCustom& box, int column, int row) {
        return {kX + 3 + column * box.GetCellWidth(), kY + 3 + row * box.GetCellHeight()};
    }
    // What DrawText paints of one cell: one column less than the cell is wide.
    std::vector<unsigned long> CellPixels(const TextBoxCustom& box, int column, int row) {
        const Point at = CellAt(box, column, row);
        return Pixels(form->GetWindow(), at.x, at.y, box.GetCellWidth() - 1, box.GetCellHeight());
    }
    int Count(const TextBoxCustom& box, unsigned long colour) {
        return CountColour(form->GetWindow(), kX, kY, box.GetWidth(), box.GetHeight(), colour);
    }
    // Inside the bevel, on the first row of cells.
    int CountInRow(const TextBoxCustom& box, unsigned long colour) {
        return CountColour(form->GetWindow(), kX + 3, kY + 3, box.GetWidth() - 6,
                           box.GetCellHeight(), colour);
    }

    std::unique_ptr<Form> form;
};

TEST_F(TextBoxTest, APasswordBoxShowsAStarForEveryNonBlankAndKeepsBlanks) {
    auto box = MakeBox("a b", 120, 30);
    box->SetPassword(true);
    box->Show();
    const int cw = box->GetCellWidth(), ch = box->GetCellHeight();
    Graphics graphics(form.get());
    graphics.DrawText(300, 200, cw, ch, "*", 0x000000, 0xFFFFFF, 0);
    graphics.DrawText(300, 250, cw, ch, " ", 0x000000, 0xFFFFFF, 0);
    const std::vector<unsigned long> star = Pixels(form->GetWindow(), 300, 200, cw - 1, ch);
    const std::vector<unsigned long> blank = Pixels(form->GetWindow(), 300, 250, cw - 1, ch);
    ASSERT_NE(star, blank);
    EXPECT_EQ(CellPixels(*box, 0, 0), star);
    EXPECT_EQ(CellPixels(*box, 1, 0), blank);
    EXPECT_EQ(CellPixels(*box, 2, 0), star);
    EXPECT_EQ(CellPixels(*box, 3, 0), blank) << "the end of the text shows nothing";
    EXPECT_EQ(box->GetText(), "a b");
}

TEST_F(TextBoxTest, TheBevelSinksTheBoxAndTheCaretCellShowsOnlyWhileFocused) {
    auto box = MakeBox("ab", 120, 30);
    box->Show();
    const int w = box->GetWidth(), h = box->GetHeight();
    EXPECT_EQ(PixelAt(form->GetWindow(), kX + 10, kY), kWhite);
    EXPECT_EQ(PixelAt(form->GetWindow(), kX + 10, kY + 1), kBlack);
    EXPECT_EQ(PixelAt(form->GetWindow(), kX + w - 1, kY + 10), kBlack);
    EXPECT_EQ(PixelAt(form->GetWindow(), kX + w - 2, kY + 10), kWhite);
    EXPECT_EQ(PixelAt(form->GetWindow(), kX + 10, kY + h - 1), kBlack);
    EXPECT_EQ(Count(*box, kCaret), 0);
    const auto grey_strip = [&](int x, int y, int sw, int sh) {
        return CountColour(form->GetWindow(), x, y, sw, sh, kGrey) == sw * sh;
    };
    EXPECT_TRUE(grey_strip(kX - 2, kY - 2, w + 4, 2) && grey_strip(kX - 2, kY + h, w + 4, 2) &&
                grey_strip(kX - 2, kY, 2, h) && grey_strip(kX + w, kY, 2, h))
        << "the bevel stays inside the box";

    box->SetFocus();
    EXPECT_EQ(Application::GetFocusedElement(), box.get());
    const Point caret = CellAt(*box, 2, 0);
    EXPECT_EQ(PixelAt(form->GetWindow(), caret.x, caret.y), kCaret);
    EXPECT_EQ(Count(*box, kCaret), (box->GetCellWidth() - 1) * box->GetCellHeight());

    box->SetReadOnly(true);
    EXPECT_EQ(Count(*box, kCaret), 0) << "a read-only box shows no caret";
}

// Each character sits left, right or centred in its own cell; a multi-line box always left.
TEST_F(TextBoxTest, AlignmentPlacesEachCharacterInItsCell) {
    auto box = MakeBox("i", 120, 30);
    box->Show();
    const int cw = box->GetCellWidth(), ch = box->GetCellHeight();
    Graphics graphics(form.get());
    std::vector<std::vector<unsigned long>> reference;
    for (int alignment = 0; alignment < 3; ++alignment) {
        graphics.DrawText(300, 150 + 40 * alignment, cw, ch, "i", kBlack, kWhite, alignment);
        reference.push_back(Pixels(form->GetWindow(), 300, 150 + 40 * alignment, cw - 1, ch));
    }
    ASSERT_NE(reference[0], reference[1]);
    ASSERT_NE(reference[1], reference[2]);
    ASSERT_NE(reference[0], reference[2]);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[0]) << "left at first";
    box->SetRightAligned(true);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[1]) << "right";
    box->SetCentred(true);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[2]) << "centred, no longer right";
    box->SetRightAligned(true);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[1]) << "right, no longer centred";
    box->SetCentred(true);
    box->SetRightAligned(false);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[2]) << "clearing right leaves centred alone";
    box->SetLeftAligned(true);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[0]) << "left clears both";
    box->SetCentred(true);
    box->SetMultiLine(true);
    EXPECT_EQ(CellPixels(*box, 0, 0), reference[0]) << "multi-line";
}

// The colours and the bevel are taken at the next drawing.
TEST_F(TextBoxTest, TextAndCaretColoursAndTheBevelShowAtTheNextDrawing) {
    auto box = MakeBox("ab", 120, 30);
    box->Show();
    const int glyphs = CountInRow(*box, kBlack);
    ASSERT_GT(glyphs, 0);
    box->SetTextColour(0x0000FF);
    box->SetCaretColour(0x00FF00);
    box->SetBevel(false);
    box->Redraw();
    EXPECT_EQ(CountInRow(*box, 0x0000FF), glyphs);
    EXPECT_EQ(Count(*box, kBlack), 0) << "neither glyphs nor bevel in black";
    box->SetFocus();
    EXPECT_EQ(Count(*box, 0x00FF00), (box->GetCellWidth() - 1) * box->GetCellHeight())
        << "the caret cell";
    EXPECT_EQ(Count(*box, kCaret), 0);
}

TEST_F(TextBoxTest, ADisabledBoxIsGreyOnGreyAndAReadOnlyOneIgnoresKeys) {
    auto box = MakeBox("ab", 120, 30);
    box->Show();
    const int glyphs = CountInRow(*box, kBlack);
    ASSERT_GT(glyphs, 0);
    box->SetFocus();
    box->Enable(false);
    const Point inside = CellAt(*box, 5, 0);
    EXPECT_EQ(PixelAt(form->GetWindow(), inside.x, inside.y), kGrey);
    EXPECT_EQ(CountInRow(*box, kBlack), 0);
    EXPECT_EQ(CountInRow(*box, kDisabledGrey), glyphs);
    EXPECT_EQ(Count(*box, kCaret), 0);
    EXPECT_FALSE(box->KeyChar('x'));

    box->Enable(true);
    box->SetReadOnly(true);
    Focus(*form);
    Type("cd");
    TapKey(XK_BackSpace);
    TapKey(XK_Left);
    Settle();
    EXPECT_EQ(box->GetText(), "ab");
    EXPECT_EQ(box->GetCaret(), 2);
}

TEST_F(TextBoxTest, OnlyClicksOnTheGridMoveTheCaretAndNeverPastTheCount) {
    auto probe = MakeBox("", 10, 10);
    const int cw = probe->GetCellWidth();
    // Five columns and cw - 1 pixels to spare right of them.
    auto box = MakeBox("abcdef", 6 + 6 * cw - 1, 30);
    box->SetMaxLength(20);
    box->Show();
    ASSERT_EQ(box->GridSize().columns, 5);
    EXPECT_EQ(box->GetText(), "abcde") << "only five characters fit";
    const int h = box->GetHeight();

    ClickAt(*form, kX + 1 * cw + 2, kY + 8);
    ASSERT_TRUE(PumpUntil([&] { return box->GetCaret() == 1; }));
    ClickAt(*form, kX + 5 * cw + 2, kY + 8);
    Settle();
    EXPECT_EQ(box->GetCaret(), 1) << "right of the last column";
    ClickAt(*form, kX + 2 * cw + 2, kY + h);
    Settle();
    EXPECT_EQ(box->GetCaret(), 1) << "below the only row";

    box->SetText("ab");
    ClickAt(*form, kX + 2, kY + 8);
    ASSERT_TRUE(PumpUntil([&] { return box->GetCaret() == 0; }));
    ClickAt(*form, kX + 4 * cw + 2, kY + 8);
    ASSERT_TRUE(PumpUntil([&] { return box->GetCaret() == 2; })) << "held at the count";
}

TEST_F(TextBoxTest, TheCellCacheStopsAt1600Cells) {
    form->SetSize(1000, 740);
    Settle();
    auto box = MakeBox("", 960, 700);
    box->SetMultiLine(true);
    box->Show();
    const TextBoxCustom::Grid grid = box->GridSize();
    ASSERT_GT(grid.rows * grid.columns, TextBoxCustom::kMaxCells);
    EXPECT_EQ(box->CellCount(), TextBoxCustom::kMaxCells);
    box->SetFocus();
    Focus(*form);
    Type("abc");
    TapKey(XK_Return);
    Type("de");
    TapKey(XK_Left);
    ASSERT_TRUE(PumpUntil([&] { return box->GetCaret() == 5; }));
    TapKey(XK_Up);
    EXPECT_TRUE(PumpUntil([&] { return box->GetCaret() == 1; })) << "one row up, same column";
    TapKey(XK_Down);
    EXPECT_TRUE(PumpUntil([&] { return box->GetCaret() == 5; })) << "and down again";
    EXPECT_EQ(box->GetText(), "abc\rde");
}

TEST_F(TextBoxTest, LineBreaksBelowTheLastRowTouchNoCellOutsideTheCache) {
    auto probe = MakeBox("", 10, 10);
    const int ch = probe->GetCellHeight();
    // Two rows of cells, with room for a third line break below them.
    auto box = MakeBox("", 80, 3 * ch + 5);
    box->SetMultiLine(true);
    box->SetText("a\rb\r\rc");
    box->Show();
    ASSERT_EQ(box->GridSize().rows, 2);
    EXPECT_EQ(box->CellCount(), 2 * box->GridSize().columns + 1);
    box->SetFocus();
    EXPECT_EQ(box->GetText(), "a\rb") << "what falls below the grid is dropped";
}

TEST_F(TextBoxTest, TheMaximumLengthIsPositiveAndFixedOnceCreated) {
    auto box = MakeBox("", 80, 30);
    box->SetMaxLength(0);
    box->SetMaxLength(-3);
    EXPECT_EQ(box->GetMaxLength(), 256);
    box->SetMaxLength(5);
    box->Show();
    box->SetMaxLength(7);
    box->SetDateMode(true);
    EXPECT_EQ(box->GetMaxLength(), 5);
}

}  // namespace
}  // namespace sassorbi::testing
