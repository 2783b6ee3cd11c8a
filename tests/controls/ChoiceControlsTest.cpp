// The check box and the option box with real clicks and keys, and their pictures read back.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "controls/CheckBox.h"
#include "controls/OptionBox.h"
#include "graphics/Graphics.h"
#include "tests/controls/ControlTest.h"
#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kMark = 0x010101;
constexpr unsigned long kGreyInside = 0xC8C8C8;
constexpr unsigned long kGreen = 0x00FF00;
constexpr unsigned long kBlue = 0x0000FF;

void LogCommand(GUIElement* element) {
    EventLog().push_back(element->GetName() + ".Command");
}

class ChoiceControlsTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        EventLog().clear();
        form = MakeForm(0, 0, 300, 200);
    }

    template <typename Control>
    void Prepare(Control& control, const std::string& name, int x, int y) {
        control.SetName(name);
        RecordEvents(&control);
        control.SetCommand(LogCommand);
        control.Move(x, y);
        control.Show();
    }

    void FocusByTab(GUIElement* element) {
        Focus(*form);
        TapKey(XK_Tab);
        ASSERT_TRUE(PumpUntil([&] { return Application::GetFocusedElement() == element; }));
    }

    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }

    std::unique_ptr<Form> form;
};

// The check box at (20, 20): its picture at (21, 21); the mark crosses inside pixel (8, 12).
TEST_F(ChoiceControlsTest, ACheckBoxTogglesOnClickAndSpaceAndShowsItsState) {
    CheckBox box(form.get(), "Suono");
    Prepare(box, "C", 20, 20);
    EXPECT_EQ(box.GetHeight(), 30);
    EXPECT_EQ(Pixel(21 + 8, 21 + 12), kWhite) << "unchecked: no mark";
    EXPECT_EQ(Pixel(20, 30), kGrey) << "the picture sits one pixel inside the box";
    EXPECT_EQ(Pixel(21, 21), 0x808080u) << "its grey edge first";

    ClickAt(*form, 60, 30);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("C.Click") == 1; }));
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(Pixel(21 + 8, 21 + 12), kMark);
    EXPECT_EQ(EventsOf("C"), (std::vector<std::string>{"C.GotFocus", "C.Command", "C.Click"}))
        << "no OnMouseDown, and the command before OnClick";

    Focus(*form);
    TapKey(XK_space);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("C.Command") == 2; }));
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(Pixel(21 + 8, 21 + 12), kWhite);
}

TEST_F(ChoiceControlsTest, ADisabledCheckBoxIgnoresSpaceAndLooksGrey) {
    CheckBox box(form.get(), "Suono");
    Prepare(box, "C", 20, 20);
    FocusByTab(&box);
    box.SetChecked(true);
    box.Enable(false);
    TapKey(XK_space);
    Settle();
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(CountEvents("C.Command"), 0);
    EXPECT_EQ(Pixel(21 + 3, 21 + 3), kGreyInside);
    EXPECT_EQ(Pixel(21 + 8, 21 + 12), 0x808080u) << "a grey mark";
}

TEST_F(ChoiceControlsTest, TheFocusRectangleFramesTheCaption) {
    CheckBox box(form.get(), "Suono");
    Prepare(box, "C", 20, 20);
    EXPECT_NE(Pixel(20 + 23, 20 + 2), kBlack);
    FocusByTab(&box);
    EXPECT_EQ(Pixel(20 + 23, 20 + 2), kBlack);
}

// The caption at (46, 21): a new caption, colour or focus shows at once.
TEST_F(ChoiceControlsTest, ACheckBoxRepaintsItsCaptionColourAndFocusAtOnce) {
    CheckBox box(form.get(), "Suono");
    Prepare(box, "C", 20, 20);
    box.SetSize(150, 30);
    const std::vector<unsigned long> suono = Pixels(form->GetWindow(), 46, 21, 100, 28);
    box.SetText("Musica");
    EXPECT_NE(Pixels(form->GetWindow(), 46, 21, 100, 28), suono);
    box.SetText("Suono");
    EXPECT_EQ(Pixels(form->GetWindow(), 46, 21, 100, 28), suono);
    box.SetTextColour(kGreen);
    EXPECT_EQ(CountColour(form->GetWindow(), 46, 21, 100, 28, kBlack), 0);
    EXPECT_GT(CountColour(form->GetWindow(), 46, 21, 100, 28, kGreen), 10);
    FocusByTab(&box);
    EXPECT_EQ(Pixel(20 + 23, 20 + 2), kGreen) << "the focus rectangle in the text colour";
    CheckBox other(form.get(), "Altro");
    Prepare(other, "D", 20, 80);
    TapKey(XK_Tab);
    ASSERT_TRUE(PumpUntil([&] { return Application::GetFocusedElement() == &other; }));
    Settle();
    EXPECT_NE(Pixel(20 + 23, 20 + 2), kGreen) << "focus lost: no rectangle";
}

// The check box paints w x h pixels from (20, 20) in its own colour; hiding it leaves the
// form's grey there.
TEST_F(ChoiceControlsTest, HidingACheckBoxLeavesTheFormsColour) {
    CheckBox box(form.get(), "Suono");
    box.SetBackColor(kGreen);
    Prepare(box, "C", 20, 20);
    FocusByTab(&box);
    box.Hide();
    EXPECT_EQ(CountColour(form->GetWindow(), 20, 20, 80, 30, kGrey), 80 * 30);
}

// Neighbours flush below and right of a control at (20, 20) keep their pixels while it paints
// and hides: its caption's background stays within its own rows.
TEST_F(ChoiceControlsTest, CheckAndOptionBoxesPaintAndEraseOnlyTheirOwnArea) {
    auto check = [&](auto& control, const std::string& name) {
        SCOPED_TRACE(name);
        control.SetBackColor(kGreen);
        const int h = control.GetHeight();
        Graphics graphics(form.get());
        graphics.FillRectangle(0, 0, 301, 201, 0, kNoColour, kGrey);
        graphics.FillRectangle(20, 20 + h, 82, 2, 0, kNoColour, kBlue);
        graphics.FillRectangle(20 + 80, 20, 2, h + 2, 0, kNoColour, kBlue);
        Prepare(control, name, 20, 20);
        EXPECT_EQ(CountColour(form->GetWindow(), 20, 20 + h, 81, 1, kBlue), 81) << "row below";
        EXPECT_EQ(CountColour(form->GetWindow(), 100, 20, 1, h + 1, kBlue), h + 1) << "right";
        FocusByTab(&control);
        EXPECT_EQ(CountColour(form->GetWindow(), 20, 20 + h, 81, 1, kBlue), 81) << "focused";
        control.Hide();
        EXPECT_EQ(CountColour(form->GetWindow(), 20, 20, 80, h, kGrey), 80 * h);
        EXPECT_EQ(CountColour(form->GetWindow(), 20, 20 + h, 81, 1, kBlue), 81) << "row below";
    };
    CheckBox box(form.get(), "Suono");
    check(box, "C");
    OptionBox options(form.get());
    options.AddItem("Facile", "1");
    options.SetSize(80, 26);
    check(options, "O");
}

class OptionBoxTest : public ChoiceControlsTest {
protected:
    void SetUp() override {
        ChoiceControlsTest::SetUp();
        options = std::make_unique<OptionBox>(form.get());
        options->AddItem("Facile", "1");
        options->AddItem("Medio", "2");
        options->AddItem("Difficile", "3");
        options->SetSize(150, 120);
        Prepare(*options, "O", 20, 20);
    }

    std::unique_ptr<OptionBox> options;
};

TEST_F(OptionBoxTest, UpAndDownGoRoundTheList) {
    FocusByTab(options.get());
    TapKey(XK_Up);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Command") == 1; }));
    EXPECT_EQ(options->GetSelected(), 2) << "Up with nothing selected selects the last item";
    TapKey(XK_Down);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Command") == 2; }));
    EXPECT_EQ(options->GetSelected(), 0) << "Down on the last item selects the first";
    TapKey(XK_Up);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Command") == 3; }));
    EXPECT_EQ(options->GetSelected(), 2);
    TapKey(XK_space);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Command") == 4; }));
    EXPECT_EQ(options->GetSelected(), 0) << "space acts as Down";
    EXPECT_EQ(CountEvents("O.KeyDown"), 0);
}

TEST_F(OptionBoxTest, AClickSelectsTheItemUnderItAndBelowTheLastItemTheLast) {
    ClickAt(*form, 60, 20 + 26 + 10);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Click") == 1; }));
    EXPECT_EQ(options->GetSelected(), 1);
    ClickAt(*form, 60, 20 + 110);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Click") == 2; }));
    EXPECT_EQ(options->GetSelected(), 2);
    EXPECT_EQ(CountEvents("O.Command"), 2);
    EXPECT_EQ(options->GetValue(options->GetSelected()), "3");
}

// Item i's picture sits at (21, 26 + 26 i): black corners show the box's background, and the
// dot of the selected item is near-black.
TEST_F(OptionBoxTest, PicturesAreRoundWithTransparentCornersAndADot) {
    options->SetBackColor(kGreen);
    options->SetSelected(1);
    const int top = 20 + 26 + 6;
    EXPECT_EQ(Pixel(21, top), kGreen);
    EXPECT_EQ(Pixel(20, top + 10), kGreen) << "the box's first column, left of the picture";
    EXPECT_EQ(Pixel(19, top + 10), kGrey) << "the form beside the box";
    EXPECT_EQ(Pixel(21 + 10, top + 10), kMark);
    EXPECT_EQ(Pixel(21 + 10, top - 26 + 10), kWhite) << "unselected: no dot";
}

TEST_F(OptionBoxTest, AnEmptyBoxStaysWithoutASelectionAndRunsNoCommand) {
    options->Clear();
    FocusByTab(options.get());
    TapKey(XK_Down);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.KeyUp:ff54") == 1; }));
    EXPECT_EQ(options->GetSelected(), -1) << "Down";
    TapKey(XK_space);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.KeyUp:20") == 1; }));
    EXPECT_EQ(options->GetSelected(), -1) << "space";
    TapKey(XK_Up);
    ClickAt(*form, 60, 30);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("O.Click") == 1; }));
    EXPECT_EQ(options->GetSelected(), -1) << "Up and a click";
    EXPECT_EQ(CountEvents("O.Command"), 0);
}

// Captions from (48, 21), 26 pixels a row; the focus rectangle starts at (45, 22) on the
// first row while nothing is selected.
TEST_F(OptionBoxTest, CaptionColourAndFocusShowAtOnce) {
    options->SetTextColour(kGreen);
    EXPECT_EQ(CountColour(form->GetWindow(), 48, 21, 120, 78, kBlack), 0);
    EXPECT_GT(CountColour(form->GetWindow(), 48, 21 + 52, 120, 26, kGreen), 10) << "every row";
    CheckBox other(form.get(), "Altro");
    Prepare(other, "C", 20, 150);
    FocusByTab(options.get());
    EXPECT_EQ(Pixel(45, 22), kGreen) << "the focus rectangle in the text colour";
    TapKey(XK_Tab);
    ASSERT_TRUE(PumpUntil([&] { return Application::GetFocusedElement() == &other; }));
    Settle();
    EXPECT_NE(Pixel(45, 22), kGreen) << "focus lost: no rectangle";
}

TEST_F(OptionBoxTest, CaptionOfAndValueOfClampTheIndexAndRemoveNoneRemovesNothing) {
    EXPECT_EQ(options->CaptionOf(1), "Medio");
    EXPECT_EQ(options->ValueOf(1), "2");
    EXPECT_EQ(options->CaptionOf(-3), "Facile");
    EXPECT_EQ(options->ValueOf(7), "3");
    options->SetSelected(2);
    options->RemoveNone();
    EXPECT_EQ(options->Count(), 3);
    EXPECT_EQ(options->GetSelected(), 2);
    options->Clear();
    EXPECT_EQ(options->CaptionOf(0), "");
    EXPECT_EQ(options->ValueOf(0), "");
}

TEST_F(OptionBoxTest, SelectionAndItemRules) {
    options->SetSelected(1);
    EXPECT_FALSE(options->SetSelected(5));
    EXPECT_EQ(options->GetSelected(), 1);
    options->AddItem("Impossibile", "4");
    EXPECT_GE(options->GetHeight(), 120);
    options->SetSize(150, 30);
    EXPECT_EQ(options->GetHeight(), 104) << "four items need 104 pixels";
    EXPECT_EQ(options->GetCaption(9), "Impossibile");
    EXPECT_TRUE(options->RemoveItem(3));
    EXPECT_FALSE(options->RemoveItem(-1));
    EXPECT_EQ(options->Count(), 3);
    options->Clear();
    EXPECT_EQ(options->GetSelected(), -1) << "an empty box has nothing selected";
    EXPECT_EQ(options->GetCaption(0), "");
    options->AddItem("Uno", "1");
    options->SelectFirst();
    EXPECT_EQ(options->GetSelected(), 0);
}

}  // namespace
}  // namespace sassorbi::testing
