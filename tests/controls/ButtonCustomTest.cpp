// The push button with real clicks and keys: when its command runs, and how it looks.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/ButtonCustom.h"
#include "tests/controls/ControlTest.h"
#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

// The button sits at (20, 20), 80 x 30.
constexpr int kX = 20, kY = 20, kW = 80, kH = 30;

void LogCommand(GUIElement* element) {
    EventLog().push_back(element->GetName() + ".Command");
}

// The button a command destroys, through its owner.
std::unique_ptr<ButtonCustom>* doomed_button = nullptr;

void DestroyOwnButton(GUIElement* element) {
    EventLog().push_back(element->GetName() + ".Command");
    doomed_button->reset();
}

class ButtonCustomTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        EventLog().clear();
        form = MakeForm(0, 0, 200, 120);
        button = std::make_unique<ButtonCustom>(form.get(), "OK");
        button->SetName("B");
        RecordEvents(button.get());
        button->SetCommand(LogCommand);
        button->Move(kX, kY);
        button->Show();
    }

    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }
    int Commands() { return CountEvents("B.Command"); }
    bool FocusRectangleShown() { return Pixel(kX + 4, kY + 3) == kBlack; }

    std::unique_ptr<Form> form;
    std::unique_ptr<ButtonCustom> button;
};

TEST_F(ButtonCustomTest, AClickRunsTheCommandBeforeOnClick) {
    ClickAt(*form, kX + 40, kY + 15);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("B.Click") == 1; }));
    const std::vector<std::string> events = EventsOf("B");
    const auto command = std::find(events.begin(), events.end(), "B.Command");
    const auto click = std::find(events.begin(), events.end(), "B.Click");
    ASSERT_NE(command, events.end());
    EXPECT_LT(command, click);
    EXPECT_EQ(Commands(), 1);
}

TEST_F(ButtonCustomTest, ReturnRunsTheCommandOnceOnlyWhileTheButtonHasTheFocus) {
    Focus(*form);
    TapKey(XK_Tab);
    ASSERT_TRUE(PumpUntil([&] { return Application::GetFocusedElement() == button.get(); }));
    PressKey(XK_Return);
    ASSERT_TRUE(PumpUntil([&] { return button->IsPressed(); }));
    EXPECT_EQ(Commands(), 0) << "nothing runs before the key is released";
    ReleaseKey(XK_Return);
    ASSERT_TRUE(PumpUntil([&] { return Commands() == 1; }));
    EXPECT_FALSE(button->IsPressed());

    ClickAt(*form, 150, 100);
    ASSERT_TRUE(PumpUntil([] { return Application::GetFocusedElement() == nullptr; }));
    TapKey(XK_Return);
    Settle();
    EXPECT_EQ(Commands(), 1);
    EXPECT_FALSE(button->IsPressed());
}

TEST_F(ButtonCustomTest, ADisabledButtonIsGreyAndRunsNothing) {
    const int caption_black =
        CountColour(form->GetWindow(), kX + 6, kY + 4, kW - 12, kH - 8, kBlack);
    ASSERT_GT(caption_black, 0);
    button->Enable(false);
    EXPECT_EQ(CountColour(form->GetWindow(), kX + 6, kY + 4, kW - 12, kH - 8, kBlack), 0);
    EXPECT_EQ(CountColour(form->GetWindow(), kX + 6, kY + 4, kW - 12, kH - 8, kDisabledGrey),
              caption_black);

    ClickAt(*form, kX + 40, kY + 15);
    Application::SetFocusedElement(button.get());
    button->GotFocus();
    Focus(*form);
    TapKey(XK_Return);
    Settle();
    EXPECT_EQ(Commands(), 0);
    EXPECT_EQ(CountEvents("B.Click"), 0);
    EXPECT_FALSE(FocusRectangleShown()) << "no focus rectangle on a disabled button";
}

// Alone, a picture is centred; with a caption it stands 8 pixels in and the caption after it.
TEST_F(ButtonCustomTest, APictureIsCentredOrLeftOfTheCaptionAndChangesWhenDisabled) {
    constexpr unsigned long kRed = 0xFF0000, kBlue = 0x0000FF;
    const ClientImage red = SolidPicture(form.get(), 10, 10, kRed);
    const ClientImage blue = SolidPicture(form.get(), 10, 10, kBlue);
    ButtonCustom pictured(form.get(), "");
    pictured.Move(110, 20);
    pictured.SetImage(red.get());
    pictured.SetDisabledImage(blue.get());
    pictured.Show();
    EXPECT_EQ(CountColour(form->GetWindow(), 145, 30, 10, 10, kRed), 100);
    EXPECT_EQ(CountColour(form->GetWindow(), 110, 20, 80, 30, kRed), 100);
    pictured.Enable(false);
    EXPECT_EQ(CountColour(form->GetWindow(), 145, 30, 10, 10, kBlue), 100);
    EXPECT_EQ(CountColour(form->GetWindow(), 110, 20, 80, 30, kRed), 0);

    button->SetImage(red.get());
    EXPECT_EQ(CountColour(form->GetWindow(), kX + 8, kY + 10, 10, 10, kRed), 100);
    EXPECT_EQ(CountColour(form->GetWindow(), kX + 2, kY + 2, 18, 26, kBlack), 0)
        << "the caption starts after the picture";
    EXPECT_GT(CountColour(form->GetWindow(), kX + 20, kY + 4, 30, 22, kBlack), 0);
}

TEST_F(ButtonCustomTest, TheFocusRectangleShowsOnlyWhileFocusedAndUp) {
    EXPECT_FALSE(FocusRectangleShown());
    MovePointer(*form, kX + 40, kY + 15);
    PressButton(1);
    ASSERT_TRUE(PumpUntil([&] { return button->IsPressed(); }));
    EXPECT_FALSE(FocusRectangleShown()) << "focused but pressed";
    EXPECT_EQ(Pixel(kX, kY), kBlack) << "pressed: dark top left";
    EXPECT_EQ(Pixel(kX + kW - 1, kY + 15), kWhite) << "pressed: light bottom right";
    EXPECT_EQ(Pixel(kX + 40, kY + kH - 1), kWhite);
    EXPECT_EQ(Commands(), 0);

    ReleaseButton(1);
    ASSERT_TRUE(PumpUntil([&] { return Commands() == 1; }));
    EXPECT_TRUE(FocusRectangleShown());
    EXPECT_EQ(Pixel(kX + kW - 5, kY + 15), kBlack) << "right side of the rectangle";
    EXPECT_EQ(Pixel(kX, kY), kWhite) << "up: light top left";
    EXPECT_EQ(Pixel(kX + kW - 1, kY + 15), kBlack);

    ClickAt(*form, 150, 100);
    ASSERT_TRUE(PumpUntil([] { return Application::GetFocusedElement() == nullptr; }));
    EXPECT_FALSE(FocusRectangleShown());
}

// The caption is drawn inside (26, 24)-(93, 45); a new caption or hidden content shows at
// once, a new text colour at the next painting.
TEST_F(ButtonCustomTest, CaptionTextColourAndHiddenContent) {
    const auto caption = [&] { return Pixels(form->GetWindow(), kX + 6, kY + 4, kW - 12, kH - 8); };
    const auto count = [&](unsigned long colour) {
        return CountColour(form->GetWindow(), kX + 6, kY + 4, kW - 12, kH - 8, colour);
    };
    const std::vector<unsigned long> ok = caption();
    ASSERT_GT(count(kBlack), 0);
    button->SetText("Annulla");
    EXPECT_NE(caption(), ok);
    button->SetContentHidden(true);
    EXPECT_EQ(count(kBlack), 0) << "no caption";
    button->SetContentHidden(false);
    button->SetText("OK");
    EXPECT_EQ(caption(), ok);
    button->SetTextColour(0x00FF00);
    button->SetText("OK");
    EXPECT_EQ(count(kBlack), 0);
    EXPECT_GT(count(0x00FF00), 0) << "the caption in the new colour";
}

TEST_F(ButtonCustomTest, MovingTheButtonLeavesNoEdgeBehind) {
    button->Move(100, 60);
    EXPECT_EQ(CountColour(form->GetWindow(), kX, kY, kW, kH, kGrey), kW * kH);
    EXPECT_EQ(Pixel(100 + kW - 1, 60 + 10), kBlack);
}

TEST_F(ButtonCustomTest, ACommandThatDestroysItsOwnButtonLeavesTheFormWorking) {
    doomed_button = &button;
    button->SetCommand(DestroyOwnButton);
    auto other = std::make_unique<ButtonCustom>(form.get(), "Next");
    other->SetName("N");
    other->SetCommand(LogCommand);
    other->Move(kX, 70);
    other->Show();

    ClickAt(*form, kX + 40, kY + 15);
    ASSERT_TRUE(PumpUntil([&] { return button == nullptr; }));
    Settle();
    EXPECT_EQ(Commands(), 1);
    EXPECT_EQ(CountEvents("B.Click"), 0) << "a destroyed button raises no Click";

    ClickAt(*form, kX + 40, 70 + 15);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("N.Command") == 1; }));
    doomed_button = nullptr;
}

}  // namespace
}  // namespace sassorbi::testing
