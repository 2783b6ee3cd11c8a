// Keyboard focus: the left button, Tab navigation and its wrap-around, and one focus for
// the whole application.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/ProbeControl.h"
#include "tests/support/XHarness.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

class FocusAndTabTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        EventLog().clear();
        form = MakeForm(50, 50, 300, 200);
        form->SetName("F");
        RecordEvents(form.get());
    }

    std::unique_ptr<ProbeControl> MakeProbe(const std::string& name, int x, bool tab_stop) {
        auto probe = std::make_unique<ProbeControl>(form.get(), name, x, 10, 40, 20);
        probe->SetTabStopFlag(tab_stop);
        RecordEvents(probe.get());
        probe->Show();
        return probe;
    }

    // Taps Tab and returns the name of the focused control afterwards.
    std::string TabAndFocused() {
        const size_t before = EventLog().size();
        TapKey(XK_Tab);
        PumpUntil(
            [&] { return EventLog().size() > before && EventLog().back() == "F.KeyUp:ff09"; });
        GUIElement* focused = Application::GetFocusedElement();
        return focused != nullptr ? focused->GetName() : "";
    }

    std::unique_ptr<Form> form;
};

TEST_F(FocusAndTabTest, TabVisitsTheTabStopsInIdOrderAndWrapsAround) {
    auto a = MakeProbe("A", 10, true);
    auto skipped = MakeProbe("skipped", 60, false);
    auto b = MakeProbe("B", 110, true);
    Focus(*form);
    EXPECT_EQ(TabAndFocused(), "A");
    EXPECT_EQ(TabAndFocused(), "B");
    EXPECT_EQ(TabAndFocused(), "A");
    EXPECT_TRUE(EventsOf("skipped").empty());
    EXPECT_EQ(EventsOf("B"),
              (std::vector<std::string>{"B.GotFocus", "B.KeyDown:ff09", "B.LostFocus"}));
    EXPECT_EQ(CountEvents("F.KeyChar:9"), 3) << "the form still gets the key";
}

TEST_F(FocusAndTabTest, TabInAFormWithoutTabStopsChangesNothing) {
    auto a = MakeProbe("A", 10, false);
    Focus(*form);
    EXPECT_EQ(TabAndFocused(), "");
    EXPECT_TRUE(EventsOf("A").empty());
}

TEST_F(FocusAndTabTest, AFocusedControlThatIsNoTabStopGetsTabAsAnOrdinaryKey) {
    auto a = MakeProbe("A", 10, false);
    ClickAt(*form, 20, 15);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("F.Click") == 1; }));
    Focus(*form);
    EXPECT_EQ(TabAndFocused(), "A");
    const std::vector<std::string> a_events = EventsOf("A");
    ASSERT_GE(a_events.size(), 2u);
    EXPECT_EQ(a_events[a_events.size() - 2], "A.KeyChar:9");
    EXPECT_EQ(a_events.back(), "A.KeyUp:ff09");
}

TEST_F(FocusAndTabTest, PressingOnAnEmptyPlaceTakesTheFocusAway) {
    auto a = MakeProbe("A", 10, true);
    ClickAt(*form, 20, 15);
    ClickAt(*form, 200, 150);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("F.Click") == 2; }));
    EXPECT_EQ(EventsOf("A"),
              (std::vector<std::string>{"A.GotFocus", "A.MouseDown", "A.Click", "A.LostFocus"}));
    EXPECT_EQ(Application::GetFocusedElement(), nullptr);
}

TEST_F(FocusAndTabTest, KeysInADialogReachTheFocusedControlOfTheFormBelowFirst) {
    auto a = MakeProbe("A", 10, true);
    Application::SetFocusedElement(a.get());
    auto dialog = MakeForm(100, 100, 120, 80, true);
    dialog->SetName("D");
    RecordEvents(dialog.get());
    form->SetEnabled(false);
    Focus(*dialog);
    PressKey(XK_k);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("D.KeyDown:6b") == 1; }));
    ReleaseKey(XK_k);
    Settle();
    const auto& log = EventLog();
    const auto control = std::find(log.begin(), log.end(), "A.KeyDown:6b");
    const auto dialog_form = std::find(log.begin(), log.end(), "D.KeyDown:6b");
    ASSERT_NE(control, log.end());
    EXPECT_LT(control, dialog_form) << "the control first, then the dialog";
    EXPECT_TRUE(EventsOf("F").empty());
}

TEST_F(FocusAndTabTest, DestroyingAWindowClearsTheFocus) {
    auto a = MakeProbe("A", 10, true);
    Application::SetFocusedElement(a.get());
    auto other = MakeForm(100, 100, 60, 60);
    other->DestroyWindow();
    EXPECT_EQ(Application::GetFocusedElement(), nullptr);
}

}  // namespace
}  // namespace sassorbi::testing
