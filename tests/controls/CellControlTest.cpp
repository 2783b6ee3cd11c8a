// The label, painted on a real window and read back pixel by pixel.

#include <gtest/gtest.h>

#include "controls/CellControl.h"
#include "graphics/Graphics.h"
#include "tests/controls/ControlTest.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kGreen = 0x00FF00;
constexpr unsigned long kRed = 0xFF0000;
constexpr unsigned long kBlue = 0x0000FF;

class CellControlTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = MakeForm(0, 0, 200, 150, false, false);
    }

    void ShowForm(Colour back = kNoColour) {
        form->SetBackColor(back);
        form->Show();
        WaitViewable(*form);
    }

    std::unique_ptr<CellControl> MakeCell(int x, int y, int w, int h, const std::string& text) {
        auto cell = std::make_unique<CellControl>(form.get());
        cell->SetText(text);
        cell->SetSize(w, h);
        cell->Move(x, y);
        return cell;
    }

    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }
    int Count(int x, int y, int w, int h, unsigned long colour) {
        return CountColour(form->GetWindow(), x, y, w, h, colour);
    }
    void PaintRed(int x, int y, int w, int h) {
        Graphics(form.get()).FillRectangle(x, y, w + 1, h + 1, 0, kNoColour, kRed);
    }

    std::unique_ptr<Form> form;
};

TEST_F(CellControlTest, ABorderSinksTheCellAndItsTextPaintsOnlyTheInnerBox) {
    ShowForm();
    auto cell = MakeCell(20, 20, 60, 30, "");
    cell->SetBackColor(kGreen);
    cell->SetBorder(true);
    cell->Show();
    EXPECT_EQ(Pixel(20, 20), kBlack);
    EXPECT_EQ(Pixel(50, 20), kBlack) << "top";
    EXPECT_EQ(Pixel(20, 35), kBlack) << "left";
    EXPECT_EQ(Pixel(79, 35), kWhite) << "right";
    EXPECT_EQ(Pixel(50, 49), kWhite) << "bottom";
    // The inner box is 58 x 28 at (21, 21); the text step fills one column less than that.
    EXPECT_EQ(Count(21, 21, 57, 28, kGreen), 57 * 28);
    EXPECT_EQ(Count(78, 21, 1, 28, kGrey), 28);
    EXPECT_EQ(Count(20, 20, 60, 30, kGreen), 57 * 28);

    cell->SetBackColor(kWhite);
    EXPECT_EQ(Pixel(79, 35), kBlack) << "on white all four edges are black";
    EXPECT_EQ(Pixel(50, 49), kBlack);
    EXPECT_EQ(Pixel(50, 20), kBlack);
    EXPECT_EQ(Pixel(20, 35), kBlack);
    EXPECT_EQ(Pixel(50, 35), kWhite);
}

// Centred in height; 3 pixels from the right or left edge of the inner box, or centred.
TEST_F(CellControlTest, APictureSitsAtTheRightCentredOrAtTheLeftOfTheInnerBox) {
    ShowForm();
    const ClientImage red = SolidPicture(form.get(), 10, 10, kRed);
    struct Place {
        int align, x;
        bool border;
    };
    const Place places[] = {{1, 20 + 101 - 10 - 3, false},
                            {2, 20 + (101 - 10) / 2, false},
                            {0, 20 + 3, false},
                            {1, 21 + 99 - 10 - 3, true},
                            {2, 21 + (99 - 10) / 2, true}};
    for (const Place& place : places) {
        auto cell = MakeCell(20, 20, 101, 41, "");
        cell->SetBorder(place.border);
        cell->SetImage(red.get(), 10, 10, place.align);
        cell->Show();
        const int y = place.border ? 21 + (39 - 10) / 2 : 20 + (41 - 10) / 2;
        EXPECT_EQ(Count(place.x, y, 10, 10, kRed), 100) << "align " << place.align;
        EXPECT_EQ(Count(20, 20, 101, 41, kRed), 100) << "align " << place.align;
        cell->Hide();
    }
}

TEST_F(CellControlTest, AnInnerBoxNineHighOrLessPaintsNothingAtAll) {
    ShowForm();
    auto low = MakeCell(10, 10, 40, 9, "x");
    low->SetBackColor(kGreen);
    low->Show();
    auto bordered = MakeCell(10, 40, 40, 11, "x");
    bordered->SetBackColor(kGreen);
    bordered->SetBorder(true);
    bordered->Show();
    auto ten = MakeCell(10, 80, 40, 10, "");
    ten->SetBackColor(kGreen);
    ten->Show();
    EXPECT_EQ(Count(10, 10, 40, 9, kGrey), 40 * 9);
    EXPECT_EQ(Count(11, 41, 38, 9, kGrey), 38 * 9) << "only the frame of the bordered cell";
    EXPECT_EQ(Count(10, 80, 40, 10, kGreen), 39 * 10) << "ten pixels high is enough";
}

TEST_F(CellControlTest, HideErasesExactlyTheCellInTheFormsColour) {
    ShowForm(kBlue);
    PaintRed(10, 10, 100, 100);
    auto cell = MakeCell(20, 20, 50, 30, "text");
    cell->SetBackColor(kGreen);
    cell->Show();
    ASSERT_GT(Count(20, 20, 50, 30, kGreen), 0);
    cell->Hide();
    EXPECT_FALSE(cell->IsCreated());
    EXPECT_EQ(Count(20, 20, 50, 30, kBlue), 50 * 30);
    EXPECT_EQ(Count(19, 19, 52, 1, kRed), 52);
    EXPECT_EQ(Count(19, 50, 52, 1, kRed), 52);
    EXPECT_EQ(Count(19, 20, 1, 30, kRed), 30);
    EXPECT_EQ(Count(70, 20, 1, 30, kRed), 30);
    cell->Show();
    EXPECT_TRUE(cell->IsCreated());
    EXPECT_EQ(Pixel(20, 20), kGreen);
}

TEST_F(CellControlTest, TheSameTextAgainNeitherRepaintsNorMarksTheCellDirty) {
    ShowForm();
    auto cell = MakeCell(20, 20, 50, 30, "A");
    cell->SetBackColor(kGreen);
    EXPECT_TRUE(cell->IsDirty());
    cell->Show();
    EXPECT_FALSE(cell->IsDirty()) << "creation clears it";
    PaintRed(20, 20, 50, 30);
    cell->SetText("A");
    EXPECT_FALSE(cell->IsDirty());
    EXPECT_EQ(Pixel(21, 21), kRed);
    cell->SetText("B");
    EXPECT_TRUE(cell->IsDirty());
    EXPECT_EQ(Pixel(21, 21), kGreen);
    cell->ClearDirty();
    cell->SetForeColor(kBlack);
    EXPECT_FALSE(cell->IsDirty()) << "black already";
}

// Back to the background of its creation, painted; a cell created without one, or already
// showing it, keeps what it shows.
TEST_F(CellControlTest, RestoreBackColorRepaintsOnlyADifferentBackgroundOfItsCreation) {
    ShowForm();
    auto cell = MakeCell(20, 20, 50, 30, "");
    cell->SetBackColor(kBlue);
    cell->Show();
    cell->SetBackColor(kGreen);
    cell->ClearDirty();
    cell->RestoreBackColor();
    EXPECT_EQ(cell->GetBackColor(), kBlue);
    EXPECT_TRUE(cell->IsDirty());
    EXPECT_EQ(Count(20, 20, 49, 30, kBlue), 49 * 30);
    PaintRed(20, 20, 50, 30);
    cell->ClearDirty();
    cell->RestoreBackColor();
    EXPECT_FALSE(cell->IsDirty()) << "blue already";
    EXPECT_EQ(Count(20, 20, 50, 30, kRed), 50 * 30) << "nothing painted";

    auto plain = MakeCell(100, 20, 50, 30, "");
    plain->Show();
    plain->SetBackColor(kGreen);
    plain->ClearDirty();
    plain->RestoreBackColor();
    EXPECT_EQ(plain->GetBackColor(), kGreen) << "no background to go back to";
    EXPECT_FALSE(plain->IsDirty());
    EXPECT_EQ(Count(100, 20, 49, 30, kGreen), 49 * 30);
}

TEST_F(CellControlTest, TheMarkIsAStarInATextHighBoxFourPixelsAboveTheBottom) {
    ShowForm();
    auto cell = MakeCell(20, 20, 80, 40, "");
    cell->SetBackColor(kWhite);
    cell->SetMark(true);
    cell->Show();
    const int th = Graphics(form.get()).TextHeight();
    const int marks = Count(20, 20, 80, 40, kBlack);
    EXPECT_GT(marks, 0);
    EXPECT_EQ(Count(20 + 80 - th, 20 + 40 - th - 4, th, th, kBlack), marks);

    cell->SetHighlightForeColor(kBlue);
    cell->SetHighlight(true);
    EXPECT_EQ(Pixel(21, 21), 0xFFFF00u) << "the highlight background";
    EXPECT_EQ(Count(20, 20, 80, 40, kBlue), marks);
    cell->SetHighlightBackColor(kGreen);
    EXPECT_EQ(Pixel(21, 21), kGreen) << "a new highlight background shows at once";
    EXPECT_EQ(Count(20, 20, 80, 40, kBlue), marks);
    cell->SetHighlight(false);
    EXPECT_EQ(Pixel(21, 21), kWhite);
}

}  // namespace
}  // namespace sassorbi::testing
