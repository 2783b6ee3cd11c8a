// Text layout, compared pixel for pixel with the same text laid out by hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/Graphics.h"
#include "graphics/SharedFont.h"
#include "graphics/XOwners.h"
#include "tests/support/LogMark.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kGrey = 0xAAAAAA;
constexpr Colour kInk = 0x000000;
constexpr Colour kPaper = 0xFFFFFF;

class TextTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        form = MakeForm(0, 0, 400, 300);
    }

    // The pixels of a box, row by row.
    std::vector<unsigned long> Box(int x, int y, int w, int h) {
        std::vector<unsigned long> pixels;
        XSync(display(), False);
        const ServerImage image(
            XGetImage(driver(), form->GetWindow(), x, y, w, h, AllPlanes, ZPixmap));
        if (!image) return pixels;
        for (int row = 0; row < h; ++row) {
            for (int column = 0; column < w; ++column) {
                pixels.push_back(XGetPixel(image.get(), column, row) & 0xFFFFFF);
            }
        }
        return pixels;
    }

    int CountOf(const std::vector<unsigned long>& pixels, unsigned long colour) {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }

    // The text drawn straight with Xlib, in the shared font, with its baseline at (x, y).
    void DrawByHand(int x, int baseline, const std::string& text) {
        XFontStruct* font = SharedFont(display());
        ASSERT_NE(font, nullptr);
        const OwnedGc gc(display(), form->GetWindow(), 0, nullptr);
        XSetFont(display(), gc.Get(), font->fid);
        XSetForeground(display(), gc.Get(), kInk);
        XDrawString(display(), form->GetWindow(), gc.Get(), x, baseline, text.data(),
                    static_cast<int>(text.size()));
    }

    std::unique_ptr<Form> form;
};

TEST_F(TextTest, ABoxLessThanTenPixelsHighShowsNothingAndTenShowsALine) {
    Graphics graphics(form.get());
    graphics.DrawText(10, 10, 100, 9, "Hello", kInk, kPaper, 0);
    EXPECT_EQ(CountOf(Box(10, 10, 100, 9), kGrey), 100 * 9) << "not even the background";
    graphics.DrawText(10, 40, 100, 10, "Hello", kInk, kPaper, 0);
    EXPECT_GT(CountOf(Box(10, 40, 100, 10), static_cast<unsigned long>(kInk)), 0);
}

// No character fits a box one pixel wide: the text must not spill over what lies beside it.
TEST_F(TextTest, ABoxNarrowerThanAnyCharacterShowsNoText) {
    Graphics graphics(form.get());
    for (int align = 0; align <= 2; ++align)
        graphics.DrawText(10 + 100 * align, 10, 1, 20, "Hello", kInk, kNoColour, align);
    EXPECT_EQ(CountOf(Box(0, 0, 400, 50), static_cast<unsigned long>(kInk)), 0);
}

TEST_F(TextTest, WrappingBreaksAtASpaceAndNeverInsideAWordAfterOne) {
    Graphics graphics(form.get());
    const int width = graphics.TextWidth("alpha beta") + 2;
    graphics.DrawText(0, 0, width, 60, "alpha beta gamma", kInk, kPaper, 0);
    graphics.DrawText(200, 0, width, 60, "alpha beta\ngamma", kInk, kPaper, 0);
    EXPECT_EQ(Box(0, 0, width, 60), Box(200, 0, width, 60));
}

TEST_F(TextTest, ALongWordWithoutSpacesBreaksWhereverItMust) {
    Graphics graphics(form.get());
    ASSERT_EQ(graphics.TextWidth("abcde"), graphics.TextWidth("fghij")) << "a fixed-width font";
    const int width = graphics.TextWidth("abcde");
    graphics.DrawText(0, 100, width, 60, "abcdefghij", kInk, kPaper, 2);
    graphics.DrawText(200, 100, width, 60, "abcde\nfghij", kInk, kPaper, 0);
    EXPECT_EQ(Box(0, 100, width, 60), Box(200, 100, width, 60));
}

// The first cut leaves only the blank on the first line: that line stays empty and the word
// follows on the next lines, one line height apart, none centred. No letter here goes below
// the baseline, so each line's ink stays inside its band.
TEST_F(TextTest, AWrappedTextStartingWithABlankShowsItsWordOnTheFollowingLines) {
    Graphics graphics(form.get());
    const int ascent = graphics.TextHeight() - 1;
    const int line = std::max(15, ascent + 1);
    const int x = 10, y = 10, width = graphics.TextWidth("abcde");
    graphics.DrawText(x, y, width, 4 * line, " abcdefhikl", kInk, kPaper, 0);
    const auto band = [&](int n) { return Box(x, y + n * line, width - 1, line); };
    EXPECT_EQ(CountOf(band(0), kPaper), (width - 1) * line) << "the first line is empty";
    EXPECT_GT(CountOf(band(1), kInk), 0) << "abcde";
    EXPECT_EQ(CountOf(Box(x, y + line, width - 1, line - ascent), kInk), 0)
        << "above the second line's letters (baseline y + 2 x line - 1)";
    EXPECT_GT(CountOf(band(2), kInk), 0) << "fhikl";
    EXPECT_EQ(CountOf(band(3), kPaper), (width - 1) * line) << "nothing more";
}

TEST_F(TextTest, AfterACutTheRestIsLeftAlignedWhateverTheAlignment) {
    Graphics graphics(form.get());
    const int width = graphics.TextWidth("one two") + 30;
    graphics.DrawText(0, 200, width, 60, "one two three", kInk, kPaper, 1);
    graphics.DrawText(200, 200, width, 60, "one two\nthree", kInk, kPaper, 0);
    EXPECT_EQ(Box(0, 200, width, 60), Box(200, 200, width, 60));
}

TEST_F(TextTest, AlignmentPlacesAOneLineTextRightOrCentred) {
    Graphics graphics(form.get());
    const int width = graphics.TextWidth("right");
    graphics.DrawText(0, 0, 100, 20, "right", kInk, kPaper, 1);
    graphics.DrawText(100 - width, 40, width, 20, "right", kInk, kPaper, 0);
    EXPECT_EQ(Box(100 - width, 0, width, 20), Box(100 - width, 40, width, 20));

    // Centred: half the spare width, 41 pixels, rounded down. The last column is left out:
    // a box's background stops one pixel short of its width.
    const int mid = graphics.TextWidth("mid");
    graphics.DrawText(200, 0, mid + 41, 20, "mid", kInk, kPaper, 2);
    graphics.DrawText(220, 40, mid, 20, "mid", kInk, kPaper, 0);
    EXPECT_GT(CountOf(Box(220, 0, mid - 1, 20), static_cast<unsigned long>(kInk)), 0);
    EXPECT_EQ(Box(220, 0, mid - 1, 20), Box(220, 40, mid - 1, 20));
}

// Lines 15 pixels apart at least; only a text of one line is centred in the box's height.
TEST_F(TextTest, LinesSitWhereTheirAlignmentAndTheBoxPutThem) {
    Graphics graphics(form.get());
    const int ascent = SharedFont(display())->ascent;
    const int line = ascent <= 15 ? 15 : ascent + 1;
    const int abc = graphics.TextWidth("abc"), ab = graphics.TextWidth("ab");
    const int cd = graphics.TextWidth("cd");

    graphics.DrawText(10, 10, 101, 40, "abc", kInk, kNoColour, 2);
    DrawByHand(210 + (101 - abc) / 2, 10 + line - 1 + (40 - line) / 2, "abc");
    graphics.DrawText(10, 60, 101, 40, "abc", kInk, kNoColour, 1);
    DrawByHand(210 + 101 - abc, 60 + line - 1 + (40 - line) / 2, "abc");
    graphics.DrawText(10, 110, 101, 60, "ab\ncd", kInk, kNoColour, 2);
    DrawByHand(210 + (101 - ab) / 2, 110 + line - 1, "ab");
    DrawByHand(210 + (101 - cd) / 2, 110 + 2 * line - 1, "cd");
    graphics.DrawText(10, 180, 0, 40, "abc", kInk, kNoColour, 2);
    DrawByHand(210, 180 + line - 1 + (40 - line) / 2, "abc");
    graphics.DrawText(10, 230, 0, 60, "ab\ncd", kInk, kNoColour, 1);
    DrawByHand(210, 230 + line - 1, "ab");
    DrawByHand(210, 230 + 2 * line - 1, "cd");
    EXPECT_GT(CountOf(Box(10, 10, 120, 290), static_cast<unsigned long>(kInk)), 0);
    EXPECT_EQ(Box(10, 10, 120, 290), Box(210, 10, 120, 290));
}

TEST_F(TextTest, WithoutAWidthEachLineStartsAtXAndNoBackgroundIsFilled) {
    Graphics graphics(form.get());
    graphics.DrawText(20, 20, 0, 80, "ab\ncd", kInk, 0x0000FF, 1);
    const std::vector<unsigned long> box = Box(0, 0, 200, 120);
    EXPECT_EQ(CountOf(box, 0x0000FF), 0);
    EXPECT_GT(CountOf(box, static_cast<unsigned long>(kInk)), 0);
    EXPECT_EQ(CountOf(Box(0, 0, 20, 120), static_cast<unsigned long>(kInk)), 0)
        << "nothing left of x";
}

TEST_F(TextTest, TheBackgroundOfABoxCoversOnePixelLessInWidth) {
    Graphics graphics(form.get());
    graphics.DrawText(10, 10, 50, 20, "", kInk, kPaper, 0);
    EXPECT_EQ(CountOf(Box(10, 10, 49, 20), static_cast<unsigned long>(kPaper)), 49 * 20);
    EXPECT_EQ(CountOf(Box(59, 10, 1, 20), static_cast<unsigned long>(kPaper)), 0);
}

TEST_F(TextTest, AMissingFontStillDrawsAndMeasuresWithTheServersDefault) {
    form->GetFontSpec()->SetFamily("no-such-family");
    LogMark log;
    Graphics graphics(form.get());
    EXPECT_EQ(log.Take(), "XLoadQueryFont failed\n");
    EXPECT_GT(graphics.TextWidth("abc"), 0);
    EXPECT_GT(graphics.TextHeight(), 0);
    graphics.DrawText(10, 10, 100, 20, "abc", kInk, kPaper, 0);
    EXPECT_GT(CountOf(Box(10, 10, 100, 20), static_cast<unsigned long>(kInk)), 0);
}

}  // namespace
}  // namespace sassorbi::testing
