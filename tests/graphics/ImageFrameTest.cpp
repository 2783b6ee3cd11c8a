// The image frame on a real window: frames of a sheet, of a list and of embedded pictures,
// transparent black over the background, and when it paints and erases.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "graphics/Graphics.h"
#include "graphics/ImageFrame.h"
#include "graphics/MyImage.h"
#include "tests/support/Pictures.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kGrey = 0xAAAAAA;

// A 60 x 40 sheet whose every pixel tells where it is: red 4x, green 4y, blue 0x80.
uint32_t SheetColour(int x, int y) {
    return static_cast<uint32_t>(x * 4) << 16 | static_cast<uint32_t>(y * 4) << 8 | 0x80;
}

class ImageFrameTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        form = MakeForm(0, 0, 300, 200);
    }
    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }
    ClientImage Image(int w, int h, const std::function<uint32_t(int, int)>& colour) {
        const std::vector<uint8_t> rgb = PatternRGB(w, h, colour);
        return MyImage::CreateImageFromRGB(form.get(), rgb.data(), w, h);
    }
    ClientImage Solid(uint32_t colour) {
        return Image(4, 4, [=](int, int) { return colour; });
    }
    // A created, shown frame of w x h at (x, y).
    void Place(ImageFrame* frame, int x, int y, int w, int h) {
        frame->SetLocation(x, y);
        frame->SetSize(w, h);
        frame->Show();
    }

    std::unique_ptr<Form> form;
};

TEST_F(ImageFrameTest, ASheetOfThreeByTwoShowsTheCellAtColumnAndRow) {
    ClientImage sheet = Image(60, 40, SheetColour);
    ImageFrame frame(form.get(), sheet.get(), 2, 1);
    Place(&frame, 50, 50, 20, 20);
    EXPECT_EQ(frame.GetKind(), "imageframe");
    EXPECT_FALSE(frame.IsTabStop());
    EXPECT_EQ(Pixel(50, 50), SheetColour(40, 20)) << "source offset 40, 20";
    EXPECT_EQ(Pixel(69, 69), SheetColour(59, 39));
    EXPECT_EQ(Pixel(70, 70), kGrey);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(50, 50), SheetColour(20, 0));
    EXPECT_EQ(Pixel(69, 69), SheetColour(39, 19));
    EXPECT_EQ(frame.GetFrame().col, 1);
    EXPECT_EQ(frame.GetFrame().row, 0);
    frame.SetFrame(3, 0);
    EXPECT_EQ(Pixel(50, 50), kGrey) << "a cell outside the sheet shows the background";
    EXPECT_EQ(Pixel(69, 69), kGrey);
    for (const ImageFrame::Index before_the_sheet : {ImageFrame::Index{-1, 0}, {0, -1}}) {
        frame.SetFrame(1, 1);
        frame.SetFrame(before_the_sheet.col, before_the_sheet.row);
        EXPECT_EQ(Pixel(50, 50), kGrey) << "and so does one before it";
    }
}

TEST_F(ImageFrameTest, OnlyANewFrameOfACreatedControlRepaints) {
    ClientImage red = Solid(0xFF0000), blue = Solid(0x0000FF);
    ImageFrame frame(form.get(), std::vector<XImage*>{red.get(), blue.get()}, 0, 0);
    frame.SetLocation(20, 20);
    frame.SetSize(4, 4);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(21, 21), kGrey) << "not created: stored only";
    frame.Show();
    EXPECT_EQ(Pixel(21, 21), 0x0000FFu);
    Graphics(form.get()).FillRectangle(20, 20, 5, 5, 0, kNoColour, 0x00FF00);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(21, 21), 0x00FF00u) << "the same frame again draws nothing";
    frame.SetFrame(0, 0);
    EXPECT_EQ(Pixel(21, 21), 0xFF0000u);
    frame.SetFrame(1, 0, true);
    EXPECT_EQ(Pixel(21, 21), 0x0000FFu) << "hidden first, then created and painted again";
    EXPECT_TRUE(frame.IsCreated());
}

TEST_F(ImageFrameTest, AListShowsFrameColumnPlusRowAndNothingPastItsEnd) {
    form->SetBackColor(0x336699);
    ClientImage red = Solid(0xFF0000), green = Solid(0x00FF00), blue = Solid(0x0000FF);
    ImageFrame frame(form.get(), {red.get(), green.get(), blue.get()}, 0, 2);
    Place(&frame, 30, 30, 4, 4);
    EXPECT_EQ(Pixel(30, 30), 0x0000FFu);
    EXPECT_EQ(Pixel(33, 33), 0x0000FFu);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(33, 33), 0x00FF00u);
    frame.SetFrame(2, 1);
    EXPECT_EQ(Pixel(30, 30), 0x336699u) << "frame 3 of 3: the form's background";
    EXPECT_EQ(Pixel(33, 33), 0x336699u);
    frame.SetFrame(-1, 0);
    EXPECT_EQ(Pixel(33, 33), 0x336699u);
}

TEST_F(ImageFrameTest, TransparentBlackShowsTheBackgroundOverTheWholeArea) {
    form->SetBackColor(0x00FF00);
    ClientImage red = Solid(0xFF0000);
    // Blue with black at (1, 1) and in the bottom-right corner.
    ClientImage holes = Image(4, 4, [](int x, int y) {
        return (x == 1 && y == 1) || (x == 3 && y == 3) ? 0x000000u : 0x0000FFu;
    });
    ImageFrame frame(form.get(), {red.get(), holes.get()}, 0, 0);
    Place(&frame, 40, 40, 4, 4);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(41, 41), 0x000000u) << "opaque: black is black";
    frame.SetFrame(0, 0);
    EXPECT_EQ(Pixel(43, 43), 0xFF0000u);
    frame.SetTransparent(true);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(40, 40), 0x0000FFu);
    EXPECT_EQ(Pixel(41, 41), 0x00FF00u);
    EXPECT_EQ(Pixel(43, 43), 0x00FF00u) << "no pixel of the red frame is left in the corner";

    ClientImage sheet = Image(8, 4, [](int x, int) { return x < 4 ? 0xFF0000u : 0x000000u; });
    ImageFrame cell(form.get(), sheet.get(), 1, 0);
    cell.SetTransparent(true);
    Place(&cell, 60, 40, 4, 4);
    EXPECT_EQ(Pixel(60, 40), 0x00FF00u) << "a black sheet cell is all background";
    EXPECT_EQ(Pixel(63, 43), 0x00FF00u);
}

TEST_F(ImageFrameTest, AnOpaqueFrameSmallerThanTheControlLeavesNothingOfThePreviousOne) {
    form->SetBackColor(0x00FF00);
    ClientImage red = Image(8, 8, [](int, int) { return 0xFF0000u; });
    ClientImage blue = Solid(0x0000FF);
    ImageFrame frame(form.get(), {red.get(), blue.get()}, 0, 0);
    Place(&frame, 100, 40, 8, 8);
    ASSERT_EQ(Pixel(106, 46), 0xFF0000u);
    frame.SetFrame(1, 0);
    EXPECT_EQ(Pixel(101, 41), 0x0000FFu);
    EXPECT_EQ(Pixel(106, 46), 0x00FF00u) << "past the 4 x 4 frame: the background";
    ClientImage sheet = Image(12, 8, [](int x, int) { return x < 8 ? 0xFF0000u : 0x0000FFu; });
    ImageFrame cell(form.get(), sheet.get(), 0, 0);
    Place(&cell, 120, 40, 8, 8);
    cell.SetFrame(1, 0);
    EXPECT_EQ(Pixel(121, 41), 0x0000FFu);
    EXPECT_EQ(Pixel(126, 46), 0x00FF00u) << "the cell at the sheet's edge is 4 pixels wide";
}

// A 4 x 4 embedded picture, nothing more: decoding any larger would read past it.
std::vector<uint8_t> Embedded(uint8_t left, uint8_t right) {
    std::vector<uint8_t> picture(48, 0);
    picture[3 * 1 + 0] = 0xFF;  // palette 1: red
    picture[3 * 2 + 2] = 0xFF;  // palette 2: blue
    for (int row = 0; row < 4; ++row) {
        picture.push_back(left);
        picture.push_back(right);
    }
    return picture;
}

TEST_F(ImageFrameTest, EmbeddedPicturesAreDecodedAtTheirOwnSizeWhenFirstPainted) {
    const std::vector<uint8_t> first = Embedded(0x11, 0x22), second = Embedded(0x22, 0x11);
    ImageFrame frame(form.get(), {first.data(), second.data()}, 4, 4, 0, 0);
    EXPECT_EQ(frame.GetWidth(), 4);
    EXPECT_EQ(frame.GetHeight(), 4);
    frame.SetLocation(80, 80);
    frame.SetSize(30, 30);
    frame.Show();
    EXPECT_EQ(Pixel(80, 80), 0xFF0000u);
    EXPECT_EQ(Pixel(83, 83), 0x0000FFu);
    EXPECT_EQ(Pixel(85, 85), kGrey) << "the picture is 4 x 4 whatever the control's size";
    frame.SetFrame(0, 1);
    EXPECT_EQ(Pixel(80, 80), 0x0000FFu);
    EXPECT_EQ(Pixel(83, 83), 0xFF0000u);
    frame.SetFrame(1, 1);
    EXPECT_EQ(Pixel(80, 80), kGrey) << "frame 3 of 2, however often the control was painted";
}

TEST_F(ImageFrameTest, MovingAndHidingEraseTheWholeAreaInTheBackground) {
    ClientImage sheet = Image(60, 40, SheetColour);
    ImageFrame frame(form.get(), sheet.get(), 0, 0);
    Place(&frame, 100, 100, 20, 20);
    frame.SetLocation(150, 100);
    EXPECT_EQ(Pixel(100, 100), kGrey);
    EXPECT_EQ(Pixel(119, 119), kGrey);
    EXPECT_EQ(Pixel(150, 100), SheetColour(0, 0));
    frame.Hide();
    EXPECT_FALSE(frame.IsCreated());
    EXPECT_EQ(Pixel(169, 119), kGrey);
    frame.SetFrame(1, 1);
    EXPECT_EQ(Pixel(150, 100), kGrey) << "hidden: not painted";
    frame.Show();
    EXPECT_EQ(Pixel(150, 100), SheetColour(20, 20));
}

}  // namespace
}  // namespace sassorbi::testing
