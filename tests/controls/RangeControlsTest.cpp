// The slider, the scroll bar and the progress bar: sizes, keys, clicks and callbacks on a real
// window, and what they draw.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <utility>

#include "controls/ProgressBar.h"
#include "controls/ScrollBar.h"
#include "controls/Slider.h"
#include "graphics/Graphics.h"
#include "tests/controls/ControlTest.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kBlue = 0x0000FF;
constexpr unsigned long kGreen = 0x00FF00;

std::vector<std::string> g_calls;

void RecordValue(GUIElement*, int value) {
    g_calls.push_back("value " + std::to_string(value));
}
void RecordTextChanged(GUIElement*) {
    g_calls.push_back("text");
}
void RecordScroll(GUIElement*, int64_t value, int position) {
    g_calls.push_back("scroll " + std::to_string(value) + " " + std::to_string(position));
}

class RangeControlsTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        g_calls.clear();
        form = MakeForm(0, 0, 400, 300);
    }

    void FocusByTab(GUIElement* element) {
        Focus(*form);
        TapKey(XK_Tab);
        ASSERT_TRUE(PumpUntil([&] { return Application::GetFocusedElement() == element; }));
    }

    void TapAndWait(KeySym key, size_t calls) {
        TapKey(key);
        ASSERT_TRUE(PumpUntil([&] { return g_calls.size() >= calls; }));
        Settle();
    }

    std::unique_ptr<Slider> MakeSlider(bool vertical, int minimum, int maximum) {
        auto slider = std::make_unique<Slider>(form.get(), vertical, minimum, maximum);
        slider->SetOnValueChanged(RecordValue);
        slider->SetOnTextChanged(RecordTextChanged);
        slider->Move(20, 20);
        slider->SetSize(100, 30);
        slider->Show();
        return slider;
    }

    std::unique_ptr<ScrollBar> MakeScrollBar(int minimum, int maximum, int width) {
        auto bar = std::make_unique<ScrollBar>(form.get(), minimum, maximum);
        bar->SetOnScroll(RecordScroll);
        bar->Move(20, 100);
        bar->SetSize(width, 21);
        bar->Show();
        return bar;
    }

    // Presses at one place, moves there with the button held, releases at the other.
    void Drag(XPoint from, XPoint to) {
        MovePointer(*form, from.x, from.y);
        PressButton(1);
        Settle();
        MovePointer(*form, to.x, to.y);
        Settle();
        ReleaseButton(1);
        Settle();
    }

    int Count(int x, int y, int w, int h, unsigned long colour) {
        return CountColour(form->GetWindow(), x, y, w, h, colour);
    }
    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }

    std::unique_ptr<Form> form;
};

TEST_F(RangeControlsTest, ASliderTrackIsAMultipleOfItsStepsAtEightPixelsEach) {
    auto slider = MakeSlider(false, 0, 10);
    EXPECT_EQ(slider->GetWidth(), 120);
    EXPECT_EQ(slider->GetHeight(), 36);
    ASSERT_EQ(slider->GetTickPoints().size(), 11u);
    EXPECT_EQ(slider->GetTickPoints()[1].x, 20 + 20 + 8);
    EXPECT_EQ(slider->GetTickPoints()[10].x, 20 + 120 - 19);
    auto vertical = MakeSlider(true, 0, 4);
    EXPECT_EQ(vertical->GetWidth(), 100);
    EXPECT_EQ(vertical->GetHeight(), 4 * 8 + 36);
}

TEST_F(RangeControlsTest, RightOnASliderAtItsMaximumWrapsToTheMinimum) {
    auto slider = MakeSlider(false, 0, 10);
    slider->SetValue(10);
    EXPECT_TRUE(g_calls.empty()) << "SetValue raises nothing";
    FocusByTab(slider.get());
    TapAndWait(XK_Right, 2);
    EXPECT_EQ(slider->GetValue(), 0);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"value 0", "text"}));
    TapAndWait(XK_Left, 4);
    EXPECT_EQ(slider->GetValue(), 10) << "and Left at the minimum to the maximum";
    TapAndWait(XK_space, 6);
    EXPECT_EQ(slider->GetValue(), 0) << "space acts as Down, which adds one";
}

TEST_F(RangeControlsTest, LeftAndUpLowerASliderByOneRightAndDownRaiseIt) {
    auto slider = MakeSlider(false, 0, 10);
    slider->SetValue(5);
    FocusByTab(slider.get());
    TapAndWait(XK_Left, 2);
    EXPECT_EQ(slider->GetValue(), 4);
    TapAndWait(XK_Up, 4);
    EXPECT_EQ(slider->GetValue(), 3);
    TapAndWait(XK_Right, 6);
    EXPECT_EQ(slider->GetValue(), 4);
    TapAndWait(XK_Down, 8);
    EXPECT_EQ(slider->GetValue(), 5);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"value 4", "text", "value 3", "text", "value 4",
                                                 "text", "value 5", "text"}));
}

TEST_F(RangeControlsTest, PressingOnATickPicksItsValueAndTheValueIsPointedAt) {
    auto slider = MakeSlider(false, 0, 10);
    const XPoint tick = slider->GetTickPoints()[4];
    ClickAt(*form, tick.x, tick.y);
    ASSERT_TRUE(PumpUntil([&] { return !g_calls.empty(); }));
    EXPECT_EQ(slider->GetValue(), 4);
    EXPECT_EQ(g_calls.front(), "value 4");
    EXPECT_EQ(Pixel(tick.x, tick.y - 7), kBlack) << "the pointer above the tick";
}

// The pointer's back edge, drawn light, runs ten pixels either side of the value's tick.
TEST_F(RangeControlsTest, ThePointerReachesTenPixelsEitherSideOfTheTick) {
    constexpr unsigned long kLight = 0xDDDDDD;
    auto lying = MakeSlider(false, 0, 10);
    lying->SetValue(4);
    const XPoint tick = lying->GetTickPoints()[4];
    EXPECT_EQ(Count(tick.x - 11, tick.y - 15, 23, 1, kLight), 21);
    EXPECT_EQ(Pixel(tick.x - 10, tick.y - 15), kLight);
    EXPECT_EQ(Pixel(tick.x + 10, tick.y - 15), kLight);

    auto standing = MakeSlider(true, 0, 4);
    standing->Move(200, 20);
    standing->SetValue(2);
    const XPoint mark = standing->GetTickPoints()[2];
    EXPECT_EQ(Count(mark.x + 15, mark.y - 11, 1, 23, kLight), 21);
    EXPECT_EQ(Pixel(mark.x + 15, mark.y - 10), kLight);
    EXPECT_EQ(Pixel(mark.x + 15, mark.y + 10), kLight);
}

// The dashed focus rectangle runs along the slider's own last column: a line past it would be
// drawn on the form and stay there once the slider paints itself again.
TEST_F(RangeControlsTest, TheFocusRectangleKeepsInsideTheSlider) {
    auto slider = MakeSlider(false, 0, 10);
    const int right = 20 + slider->GetWidth() - 1;
    const int top = 20, bottom = 20 + slider->GetHeight() - 1;
    const int unfocused = Count(right, top, 1, bottom - top + 1, kBlack);
    FocusByTab(slider.get());
    Settle();
    EXPECT_GT(Count(right, top, 1, bottom - top + 1, kBlack), unfocused + 5);
    EXPECT_EQ(Count(right + 1, top - 5, 10, bottom - top + 11, kGrey), 10 * (bottom - top + 11))
        << "the form beside the slider";
}

TEST_F(RangeControlsTest, ASliderWithOneValueShowsOneTickPointedAtAndNeverChanges) {
    auto slider = MakeSlider(false, 5, 5);
    ASSERT_EQ(slider->GetTickPoints().size(), 1u);
    EXPECT_EQ(slider->GetWidth(), 100);
    const XPoint tick = slider->GetTickPoints()[0];
    EXPECT_EQ(Pixel(tick.x, tick.y - 7), kBlack) << "the pointer above the tick";
    FocusByTab(slider.get());
    TapKey(XK_Right);
    TapKey(XK_Left);
    Settle();
    EXPECT_EQ(slider->GetValue(), 5);
    EXPECT_TRUE(g_calls.empty());
    slider->Hide();
    auto vertical = MakeSlider(true, 3, 3);
    ASSERT_EQ(vertical->GetTickPoints().size(), 1u);
    const XPoint vertical_tick = vertical->GetTickPoints()[0];
    EXPECT_EQ(Pixel(vertical_tick.x + 7, vertical_tick.y), kBlack) << "the pointer beside it";
}

// A minimum above the maximum leaves no value to pick on the track: no ticks, and a click
// or a drag along it changes nothing.
TEST_F(RangeControlsTest, ASliderWithAReversedRangeHasNoTicksToPick) {
    auto slider = MakeSlider(false, 10, 0);
    EXPECT_TRUE(slider->GetTickPoints().empty());
    slider->SetValue(5);
    EXPECT_EQ(slider->GetValue(), 10);
    Drag({20 + 25, 20 + 18}, {20 + 90, 20 + 18});
    EXPECT_EQ(slider->GetValue(), 10);
    EXPECT_TRUE(g_calls.empty());
}

// A range too large for 8 pixels a step keeps its size: at most one tick per pixel of the
// 61-pixel track, the first and last at its ends, and a press past the end (a tick is picked
// from 2 pixels before it) picks the maximum.
TEST_F(RangeControlsTest, ASliderOfAHugeRangeDrawsAtMostOneTickPerPixel) {
    const int limit = std::numeric_limits<int>::max();
    for (const auto& [minimum, maximum] : std::vector<std::pair<int, int>>{
             {0, 1000000}, {0, 300000000}, {0, limit}, {-limit - 1, limit}}) {
        SCOPED_TRACE(std::to_string(minimum) + " to " + std::to_string(maximum));
        auto slider = MakeSlider(false, minimum, maximum);
        EXPECT_EQ(slider->GetWidth(), 100);
        const std::vector<XPoint>& ticks = slider->GetTickPoints();
        ASSERT_GE(ticks.size(), 2u);
        EXPECT_LE(ticks.size(), 62u);
        EXPECT_EQ(ticks.front().x, 20 + 20);
        EXPECT_EQ(ticks.back().x, 20 + 100 - 19);
        EXPECT_EQ(Pixel(20 + 20, ticks.front().y - 7), kBlack) << "the pointer at the minimum";
        ClickAt(*form, ticks.back().x + 2, ticks.back().y);
        ASSERT_TRUE(PumpUntil([&] { return slider->GetValue() == maximum; }));
        g_calls.clear();
    }
    auto vertical = MakeSlider(true, 0, limit);
    EXPECT_EQ(vertical->GetHeight(), 36);
    EXPECT_LE(vertical->GetTickPoints().size(), 2u);
}

TEST_F(RangeControlsTest, StepsRoundTheEndsOfTheIntRangeWithoutOverflow) {
    const int limit = std::numeric_limits<int>::max();
    auto top = MakeSlider(false, limit - 5, limit);
    top->SetValue(limit);
    FocusByTab(top.get());
    TapAndWait(XK_Right, 2);
    EXPECT_EQ(top->GetValue(), limit - 5);
    auto bottom = MakeSlider(false, -limit - 1, -limit + 4);
    FocusByTab(bottom.get());
    TapAndWait(XK_Left, 4);
    EXPECT_EQ(bottom->GetValue(), -limit + 4);
}

// 142 pixels wide: a 100-pixel track, so 0 to 1000 is ten pages of 10 pixels.
TEST_F(RangeControlsTest, AScrollBarMovesByPagesAndReportsThem) {
    auto bar = MakeScrollBar(0, 1000, 142);
    EXPECT_EQ(bar->GetPages().track, 100);
    EXPECT_EQ(bar->GetPages().count, 10);
    EXPECT_EQ(bar->GetSegmentStarts().size(), 10u);
    FocusByTab(bar.get());
    TapAndWait(XK_Left, 0);
    EXPECT_TRUE(g_calls.empty()) << "no page before the first";
    TapAndWait(XK_Right, 1);
    EXPECT_EQ(bar->GetPosition(), 100);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"scroll 1000 100"}));
    EXPECT_EQ(Count(20 + 31, 102, 9, 18, kBlack), 9 * 18) << "the thumb on the second page";
    EXPECT_EQ(Count(20 + 21, 102, 9, 18, kBlack), 0);
    bar->SetPosition(900);
    TapAndWait(XK_Down, 1);
    EXPECT_EQ(bar->GetPosition(), 900) << "no page after the last";
}

TEST_F(RangeControlsTest, ClicksOnTheArrowsTurnPagesAndOnTheTrackPickOne) {
    auto bar = MakeScrollBar(0, 1000, 142);
    ClickAt(*form, 20 + 135, 110);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 1; }));
    EXPECT_EQ(bar->GetPosition(), 100);
    ClickAt(*form, 20 + 21 + 55, 110);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 2; }));
    EXPECT_EQ(bar->GetPosition(), 500);
    EXPECT_EQ(g_calls.back(), "scroll 5000 5") << "a pick reports the segment's index";
    ClickAt(*form, 20 + 5, 110);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 3; }));
    EXPECT_EQ(bar->GetPosition(), 400);
}

// More pages than the track has room for: a segment every two pixels stands for an equal
// share of them, so the thumb shows and every part of the range can be picked, up to the
// whole int range. A segment's last pixel picks it, as with wider segments.
TEST_F(RangeControlsTest, AScrollBarWithMorePagesThanPixelsShowsASegmentEveryTwoPixels) {
    auto bar = MakeScrollBar(0, 1000000, 142);
    EXPECT_EQ(bar->GetPages().count, 10000);
    EXPECT_EQ(bar->GetSegmentStarts().size(), 50u);
    ClickAt(*form, 20 + 21 + 50, 110);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 1; }));
    EXPECT_EQ(bar->GetPosition(), 480000) << "segment 24 of 50 starts at page 4800 of 10000";
    EXPECT_EQ(Count(20 + 21 + 48, 102, 1, 18, kBlack), 18) << "the thumb";
    EXPECT_EQ(Count(20 + 21, 102, 48, 18, kBlack), 0);

    auto whole = MakeScrollBar(INT_MIN, INT_MAX, 142);
    whole->Move(20, 150);
    ClickAt(*form, 20 + 21 + 100, 160);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 2; }));
    EXPECT_GT(whole->GetPosition(), INT_MAX / 100 * 95) << "the last segment, near the end";
    EXPECT_EQ(Count(20 + 21 + 98, 152, 1, 18, kBlack), 18);
    ClickAt(*form, 20 + 21, 160);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 3; }));
    EXPECT_EQ(whole->GetPosition(), INT_MIN);
}

TEST_F(RangeControlsTest, OnePageOrAnEmptyRangeShowsNoThumbAndNeverScrolls) {
    auto single = MakeScrollBar(0, 50, 142);
    EXPECT_EQ(single->GetPages().count, 1);
    EXPECT_EQ(Count(20 + 21, 102, 99, 18, kBlack), 0);
    auto empty = MakeScrollBar(7, 7, 142);
    empty->Move(20, 150);
    EXPECT_EQ(empty->GetPages().count, 1);
    FocusByTab(single.get());
    TapKey(XK_Right);
    Settle();
    EXPECT_EQ(single->GetPosition(), 0);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(RangeControlsTest, DraggingASliderFollowsThePointerAlongEitherTrackUntilRelease) {
    auto slider = MakeSlider(false, 0, 10);
    std::vector<XPoint> ticks = slider->GetTickPoints();
    Drag(ticks[2], ticks[7]);
    EXPECT_EQ(slider->GetValue(), 7);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"value 2", "text", "value 7", "text"}));
    EXPECT_EQ(Pixel(ticks[7].x, ticks[7].y - 7), kBlack) << "the pointer followed";
    MovePointer(*form, ticks[9].x, ticks[9].y);
    Settle();
    EXPECT_EQ(slider->GetValue(), 7) << "released: moving no longer drags";

    g_calls.clear();
    auto vertical = MakeSlider(true, 0, 4);
    vertical->Move(200, 20);
    ticks = vertical->GetTickPoints();
    ASSERT_EQ(ticks.size(), 5u);
    Drag(ticks[0], ticks[3]);
    EXPECT_EQ(vertical->GetValue(), 3);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"value 3", "text"}));
}

// Ten pages of 10 pixels after the 21-pixel arrow, across or down.
TEST_F(RangeControlsTest, DraggingAScrollBarPicksThePageUnderThePointerAcrossOrDown) {
    auto bar = MakeScrollBar(0, 1000, 142);
    Drag({20 + 21 + 25, 110}, {20 + 21 + 65, 110});
    EXPECT_EQ(bar->GetPosition(), 600);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"scroll 2000 2", "scroll 6000 6"}));
    EXPECT_EQ(Count(20 + 21 + 61, 102, 8, 18, kBlack), 8 * 18) << "the thumb on page 7";

    g_calls.clear();
    ScrollBar down(form.get(), 0, 1000);
    down.SetOnScroll(RecordScroll);
    down.SetVertical(true);
    down.Move(250, 100);
    down.SetSize(21, 142);
    down.Show();
    EXPECT_EQ(down.GetPages().count, 10);
    Drag({260, 100 + 21 + 25}, {260, 100 + 21 + 75});
    EXPECT_EQ(down.GetPosition(), 700);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"scroll 2000 2", "scroll 7000 7"}));
    EXPECT_EQ(Count(253, 100 + 21 + 71, 16, 8, kBlack), 16 * 8) << "the thumb on page 8";
    EXPECT_EQ(Count(253, 100 + 21 + 21, 16, 8, kBlack), 0);
}

// Only the arrows move a page: Page Up and Page Down and other characters leave the bar
// alone, and the space bar acts as Down.
TEST_F(RangeControlsTest, ScrollBarKeysAreTheArrowsAndTheSpaceBarOnly) {
    auto bar = MakeScrollBar(0, 1000, 142);
    FocusByTab(bar.get());
    TapAndWait(XK_space, 1);
    EXPECT_EQ(bar->GetPosition(), 100);
    TapAndWait(XK_Down, 2);
    EXPECT_EQ(bar->GetPosition(), 200);
    TapAndWait(XK_Up, 3);
    EXPECT_EQ(bar->GetPosition(), 100);
    TapKey(XK_Next);
    TapKey(XK_Prior);
    Type("a0");
    Settle();
    EXPECT_EQ(bar->GetPosition(), 100);
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"scroll 1000 100", "scroll 2000 200", "scroll 1000 100"}));
    EXPECT_EQ(Count(20 + 31, 102, 9, 18, kBlack), 9 * 18) << "the thumb on the second page";
}

// The bar at (20, 100) covers 142 x 21 pixels, frame included; hiding takes all of it away.
TEST_F(RangeControlsTest, HidingAScrollBarLeavesNothingOfIt) {
    auto bar = MakeScrollBar(0, 1000, 142);
    bar->SetPosition(500);
    bar->Hide();
    EXPECT_EQ(Count(10, 90, 170, 45, kGrey), 170 * 45);
}

// Neighbours flush against the bar's right and bottom edges keep their pixels while the bar
// paints and hides; the bar's own last column and row are its frame, not what was there.
TEST_F(RangeControlsTest, AScrollBarPaintsAndErasesOnlyItsOwnArea) {
    auto bar = MakeScrollBar(0, 1000, 142);
    Graphics graphics(form.get());
    graphics.FillRectangle(20, 100, 143, 22, 0, kNoColour, kGreen);
    graphics.FillRectangle(162, 100, 2, 23, 0, kNoColour, kBlue);
    graphics.FillRectangle(20, 121, 143, 2, 0, kNoColour, kBlue);
    bar->SetPosition(500);
    EXPECT_EQ(Count(20, 100, 142, 21, kGreen), 0) << "the bar paints all its pixels";
    EXPECT_EQ(Count(20 + 141, 100 + 1, 1, 20, kBlack), 20) << "the dark right edge";
    EXPECT_EQ(Count(20 + 1, 100 + 20, 141, 1, kBlack), 141) << "the dark bottom edge";
    EXPECT_EQ(Count(162, 100, 1, 22, kBlue), 22) << "the right neighbour untouched";
    EXPECT_EQ(Count(20, 121, 143, 1, kBlue), 143) << "the neighbour below untouched";
    bar->Hide();
    EXPECT_EQ(Count(20, 100, 142, 21, kGrey), 142 * 21);
    EXPECT_EQ(Count(162, 100, 1, 22, kBlue), 22) << "hiding spares the right neighbour";
    EXPECT_EQ(Count(20, 121, 143, 1, kBlue), 143) << "and the one below";
}

TEST_F(RangeControlsTest, ScrollBarSetFocusAndSetRangePaintTheBarAgain) {
    auto bar = MakeScrollBar(0, 1000, 142);
    bar->SetPosition(500);
    Graphics(form.get()).FillRectangle(20, 100, 143, 22, 0, kNoColour, kBlue);
    bar->SetFocus();
    EXPECT_EQ(Count(20, 100, 141, 20, kBlue), 0) << "focus paints the bar's inside";
    EXPECT_EQ(Count(20 + 71, 102, 9, 18, kBlack), 9 * 18) << "the thumb on page 6";
    bar->SetRange(0, 2000);
    EXPECT_EQ(bar->GetPages().count, 20);
    EXPECT_EQ(Count(20 + 21 + 25, 102, 4, 18, kBlack), 4 * 18) << "page 6 of 20, 5 pixels each";
    EXPECT_EQ(Count(20 + 71, 102, 9, 18, kBlack), 0);
    bar->SetRange(0, 100);
    EXPECT_EQ(Count(20 + 21, 102, 99, 18, kBlack), 0) << "one page: no thumb";
}

// A bar 60 x 142 lying has an 18-pixel track; standing, a 100-pixel one of ten pages, and the
// arrows at its ends turn them.
TEST_F(RangeControlsTest, AScrollBarTurnedOnItsSideIsDrawnAndClickedTheOtherWay) {
    auto bar = MakeScrollBar(0, 1000, 60);
    bar->SetSize(60, 142);
    EXPECT_EQ(bar->GetPages().track, 18);
    EXPECT_EQ(Count(20 + 23, 100 + 21, 16, 9, kBlack), 0) << "only a 2-pixel thumb lying";
    bar->SetVertical(true);
    EXPECT_EQ(bar->GetPages().track, 100);
    EXPECT_EQ(Count(20 + 2, 100 + 21, 56, 9, kBlack), 56 * 9) << "the thumb across the top";
    ClickAt(*form, 20 + 30, 100 + 135);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 1; }));
    EXPECT_EQ(bar->GetPosition(), 100) << "the lower arrow";
    EXPECT_EQ(Count(20 + 2, 100 + 31, 56, 9, kBlack), 56 * 9);
    ClickAt(*form, 20 + 30, 100 + 5);
    ASSERT_TRUE(PumpUntil([&] { return g_calls.size() == 2; }));
    EXPECT_EQ(bar->GetPosition(), 0) << "the upper arrow";
    bar->SetHorizontal(true);
    EXPECT_EQ(bar->GetPages().track, 18);
    EXPECT_EQ(Count(20 + 21, 100 + 21, 1, 9, kBlack), 9) << "lying again";
    EXPECT_EQ(Count(20 + 23, 100 + 21, 16, 9, kBlack), 0);
}

TEST_F(RangeControlsTest, SliderFocusColourAndLimitsShowAtOnce) {
    auto slider = MakeSlider(false, 0, 10);
    slider->SetValue(5);
    const int w = slider->GetWidth(), h = slider->GetHeight();
    const int right = 20 + w - 1;
    const int unfocused = Count(right, 20, 1, h, kBlack);
    slider->SetFocus();
    EXPECT_GT(Count(right, 20, 1, h, kBlack), unfocused + 5) << "the focus rectangle";
    EXPECT_EQ(Count(20, 20, w, h, kBlue), 0);
    slider->SetColour(kBlue);
    EXPECT_EQ(Count(20, 20, w, h, kBlack), 0);
    // Inside the focus rectangle, left of the track.
    EXPECT_GT(Count(21, 20 + 3, 19, h - 6, kBlue), 5) << "the minimum's figure";
    const XPoint tick = slider->GetTickPoints()[5];
    EXPECT_EQ(Pixel(tick.x, tick.y - 7), kBlue) << "the pointer";
    slider->SetShowLimits(false);
    EXPECT_EQ(Count(21, 20 + 3, 19, h - 6, kBlue), 0) << "no figures";
    EXPECT_EQ(Pixel(tick.x, tick.y - 7), kBlue);
}

TEST_F(RangeControlsTest, AProgressBarAtHalfShowsA93By22BlueArea) {
    ProgressBar bar(form.get(), 0, 100);
    bar.Move(20, 20);
    bar.Show();
    EXPECT_EQ(Count(20, 20, 190, 25, kBlue), 0);
    bar.SetValue(50);
    EXPECT_EQ(Count(20, 20, 190, 25, kBlue), 93 * 22);
    EXPECT_EQ(Count(21, 21, 93, 22, kBlue), 93 * 22);
    EXPECT_EQ(Pixel(20, 20), kBlack);
    EXPECT_EQ(Pixel(20 + 189, 20 + 24), kWhite);
    EXPECT_EQ(Count(20, 20, 1, 24, kBlack), 24) << "the left edge";
    EXPECT_EQ(Count(19, 45, 192, 2, kBlack), 0) << "nothing of the border below the bar";
    bar.SetValue(500);
    EXPECT_EQ(bar.GetValue(), 100);
    EXPECT_EQ(Count(20, 20, 190, 25, kBlue), 187 * 22);
    bar.SetValue(-5);
    EXPECT_EQ(Count(20, 20, 190, 25, kBlue), 0);
}

TEST_F(RangeControlsTest, AProgressBarWithoutBorderIsAllBackgroundRoundTheBar) {
    ProgressBar bar(form.get(), 0, 100);
    bar.SetBackColor(kGreen);
    bar.Move(20, 20);
    bar.Show();
    bar.SetValue(50);
    EXPECT_EQ(Count(20, 20, 189, 1, kBlack), 189) << "the border's top";
    bar.SetBorder(false);
    EXPECT_EQ(Count(20, 20, 190, 25, kBlue), 93 * 22);
    EXPECT_EQ(Count(20, 20, 190, 25, kGreen), 190 * 25 - 93 * 22) << "no border";
}

// A hidden bar stays created; creating it again must not make it count as shown, or the
// form would hit-test an area that shows something else.
TEST_F(RangeControlsTest, CreatingAHiddenProgressBarAgainLeavesItHidden) {
    ProgressBar bar(form.get(), 0, 100);
    bar.Move(20, 20);
    bar.Show();
    ASSERT_EQ(Application::FindElementAt(form.get(), {30, 30}), &bar);
    bar.Hide();
    bar.Create();
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_EQ(Application::FindElementAt(form.get(), {30, 30}), nullptr);
    bar.Show();
    EXPECT_TRUE(bar.IsVisible());
}

TEST_F(RangeControlsTest, AProgressBarWithAnEmptyRangeDrawsNoBar) {
    ProgressBar bar(form.get(), 10, 10);
    bar.Move(20, 20);
    bar.Show();
    bar.SetValue(30);
    EXPECT_EQ(bar.GetValue(), 10);
    EXPECT_EQ(Count(20, 20, 190, 25, kBlue), 0);
    EXPECT_EQ(Pixel(20, 20), kBlack);
}

}  // namespace
}  // namespace sassorbi::testing
