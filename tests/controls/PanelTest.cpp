// The panel: its frame and title, and how it shows, paints and hides the controls inside it.

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include "controls/CheckBox.h"
#include "controls/PanelChildren.h"
#include "tests/controls/ControlTest.h"
#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

constexpr unsigned long kRed = 0xFF0000;
constexpr unsigned long kYellow = 0xFFFF00;
constexpr unsigned long kGreen = 0x00FF00;

// A control that, when hidden, reads back whether the panel's frame corner is still there.
class HideWitness : public ProbeControl {
public:
    explicit HideWitness(GUIElement* parent) : ProbeControl(parent, "W", 5, 5, 20, 20) {}

    void Hide() override {
        auto* form = static_cast<Form*>(GetOwnerForm());
        const ServerImage image(
            XGetImage(form->GetDisplay(), form->GetWindow(), 30, 30, 1, 1, AllPlanes, ZPixmap));
        if (image) frame_seen_at_hide = (XGetPixel(image.get(), 0, 0) & 0xFFFFFF) == kBlack;
        ProbeControl::Hide();
    }

    bool frame_seen_at_hide = false;
};

class PanelTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = MakeForm(0, 0, 300, 200);
        form->SetBackColor(kGreen);
        panel = std::make_unique<PanelChildren>(form.get());
        panel->SetSize(150, 100);
        panel->Move(30, 30);
        panel->SetBorder(true);
    }

    unsigned long Pixel(int x, int y) { return PixelAt(form->GetWindow(), x, y); }
    int Count(int x, int y, int w, int h, unsigned long colour) {
        return CountColour(form->GetWindow(), x, y, w, h, colour);
    }

    std::unique_ptr<Form> form;
    std::unique_ptr<PanelChildren> panel;
};

TEST_F(PanelTest, ASunkenFrameAndItsChildrenAtTheirPlaceInTheForm) {
    CheckBox box(panel.get(), "Dentro");
    box.Move(10, 40);
    panel->Show();
    EXPECT_TRUE(box.IsCreated());
    EXPECT_EQ(Pixel(30, 30), kBlack);
    EXPECT_EQ(Pixel(30, 100), kBlack);
    EXPECT_EQ(Pixel(179, 129), kWhite);
    EXPECT_EQ(Pixel(30 + 10 + 1, 30 + 40 + 1), 0x808080u) << "the check box's picture corner";
    panel->SetSunken(false);
    panel->Paint();
    EXPECT_EQ(Pixel(30, 30), kWhite);
    panel->SetFlatBorder(true);
    panel->Paint();
    EXPECT_EQ(Pixel(179, 129), kBlack);
}

TEST_F(PanelTest, TheChildBackColourReachesEveryDrawableChild) {
    CheckBox box(panel.get(), "");
    box.Move(10, 40);
    panel->Show();
    panel->SetChildBackColor(kYellow);
    panel->Paint();
    EXPECT_EQ(box.GetBackColor(), static_cast<Colour>(kYellow));
    EXPECT_EQ(Pixel(30 + 10 + 40, 30 + 40 + 10), kYellow);
}

TEST_F(PanelTest, ATitleIsOneLineOnThePanelBackground) {
    panel->SetBackColor(kRed);
    panel->SetText("Titolo molto lungo che non entra in una riga sola");
    panel->Show();
    EXPECT_GT(Count(34, 32, 142, 20, kBlack), 0);
    EXPECT_EQ(Count(34, 52, 142, 20, kBlack), 0) << "no second line";
    EXPECT_EQ(Pixel(100, 80), kRed);
    panel->SetTitleColor(kGreen);
    panel->Paint();
    EXPECT_EQ(Count(34, 32, 142, 20, kBlack), 0);
    EXPECT_GT(Count(34, 32, 142, 20, kGreen), 0) << "the title in its own colour";
}

TEST_F(PanelTest, HidingAPanelHidesItsChildrenBeforeErasingItself) {
    HideWitness witness(panel.get());
    panel->Show();
    ASSERT_EQ(Pixel(30, 30), kBlack);
    panel->Hide();
    EXPECT_TRUE(witness.frame_seen_at_hide);
    EXPECT_FALSE(witness.IsVisible());
    EXPECT_FALSE(panel->IsCreated());
    EXPECT_EQ(Count(30, 30, 150, 100, kGreen), 150 * 100);
}

// The fixture's panel is not shown either: both panels have no id yet.
TEST_F(PanelTest, PanelsNotShownYetInsideOneAnotherAreWalkedByTabPaintAndHide) {
    PanelChildren inner(panel.get());
    ProbeControl inside(&inner, "inside", 5, 5, 20, 20);
    ProbeControl outside(form.get(), "outside", 200, 150, 20, 20);
    outside.SetTabStopFlag(true);
    outside.Show();
    Focus(*form);
    TapKey(XK_Tab);
    Settle();
    EXPECT_EQ(Application::GetFocusedElement(), &outside);
    const int paints = outside.paints;
    XClearArea(display(), form->GetWindow(), 0, 0, 0, 0, True);
    ASSERT_TRUE(PumpUntil([&] { return outside.paints > paints; }));
    inner.Hide();
    panel->Hide();
    EXPECT_FALSE(inner.IsCreated());
    EXPECT_FALSE(inside.IsCreated());
    EXPECT_TRUE(outside.IsVisible());
}

TEST_F(PanelTest, AClickOnAControlInsideAShownPanelReachesThatControl) {
    CheckBox box(panel.get(), "Dentro");
    box.Move(10, 40);
    panel->Show();
    ClickAt(*form, 30 + 10 + 5, 30 + 40 + 5);
    EXPECT_TRUE(PumpUntil([&] { return box.IsChecked(); }));
}

}  // namespace
}  // namespace sassorbi::testing
