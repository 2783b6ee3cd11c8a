// The registry: children in order with panels expanded, hit search, removal and its log.

#include <gtest/gtest.h>

#include <memory>
#include <new>

#include "tests/support/LogMark.h"
#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace sassorbi::testing {
namespace {

std::vector<std::string> Names(const std::vector<GUIElement*>& elements) {
    std::vector<std::string> names;
    for (GUIElement* element : elements)
        names.push_back(element->GetName());
    return names;
}

// A stand-in for a form: any created element can parent controls.
struct Board {
    Form form;
    ProbeControl root{&form, "root", 0, 0, 400, 400, "board"};
    Board() { root.Show(); }
};

TEST(RegistryTest, ChildrenComeInRegistrationOrderWithEachPanelFollowedByItsContents) {
    Board board;
    ProbeControl a(&board.root, "a", 0, 0, 10, 10);
    ProbeControl panel(&board.root, "panel", 100, 100, 50, 50, "panel");
    panel.SetHoldsChildrenFlag(true);
    ProbeControl b(&board.root, "b", 0, 0, 10, 10);
    panel.Show();
    ProbeControl inside(&panel, "inside", 0, 0, 10, 10);
    EXPECT_EQ(Names(Application::GetChildren(&board.root)),
              (std::vector<std::string>{"a", "panel", "inside", "b"}));
}

// Elements not created yet all have id 0: children are told apart by their parent itself.
TEST(RegistryTest, ControlsOfElementsNotCreatedYetNeverCountAmongAnotherElementsChildren) {
    Board board;
    ProbeControl panel(&board.root, "panel", 0, 0, 50, 50, "panel");
    panel.SetHoldsChildrenFlag(true);
    ProbeControl inside(&panel, "inside", 0, 0, 10, 10);
    Form dialog;
    ProbeControl stranger(&dialog, "stranger", 0, 0, 10, 10);
    EXPECT_EQ(Names(Application::GetChildren(&board.root)),
              (std::vector<std::string>{"panel", "inside"}));
    EXPECT_EQ(Names(Application::GetChildren(&dialog)), (std::vector<std::string>{"stranger"}));
}

// A panel that goes before its controls leaves them without a parent: a panel made later at
// the same address must not take them for its own (painted, tabbed to, hidden with it).
TEST(RegistryTest, ControlsOfADestroyedPanelNeverBelongToAPanelMadeInItsPlace) {
    Board board;
    alignas(ProbeControl) unsigned char place[sizeof(ProbeControl)];
    auto* panel = new (place) ProbeControl(&board.root, "panel", 0, 0, 50, 50, "panel");
    panel->SetHoldsChildrenFlag(true);
    ProbeControl orphan(panel, "orphan", 0, 0, 10, 10);
    panel->~ProbeControl();
    EXPECT_EQ(orphan.GetParent(), nullptr);
    auto* successor = new (place) ProbeControl(&board.root, "successor", 0, 0, 50, 50, "panel");
    successor->SetHoldsChildrenFlag(true);
    EXPECT_EQ(Names(Application::GetChildren(&board.root)),
              (std::vector<std::string>{"successor"}));
    EXPECT_TRUE(Application::GetChildren(successor).empty());
    successor->~ProbeControl();
}

TEST(RegistryTest, TheFirstRegisteredControlUnderThePointerWinsAndPanelsAreSearchedThrough) {
    Board board;
    ProbeControl under(&board.root, "under", 0, 0, 50, 50);
    ProbeControl over(&board.root, "over", 20, 20, 50, 50);
    ProbeControl panel(&board.root, "panel", 100, 100, 80, 80, "panel");
    panel.SetHoldsChildrenFlag(true);
    ProbeControl inside(&panel, "inside", 10, 10, 20, 20);
    ProbeControl disabled(&board.root, "disabled", 300, 300, 20, 20);
    for (ProbeControl* control : {&under, &over, &panel, &inside, &disabled})
        control->Show();
    disabled.SetEnabled(false);
    const GUIElement* root = &board.root;
    EXPECT_EQ(Application::FindElementAt(root, {30, 30}), &under);
    EXPECT_EQ(Application::FindElementAt(root, {60, 60}), &over);
    EXPECT_EQ(Application::FindElementAt(root, {115, 115}), &inside);
    EXPECT_EQ(Application::FindElementAt(root, {170, 170}), nullptr) << "a panel is never hit";
    EXPECT_EQ(Application::FindElementAt(root, {305, 305}), nullptr) << "disabled";
}

TEST(RegistryTest, ADestroyedElementLeavesNoFocusBehind) {
    Board board;
    auto probe = std::make_unique<ProbeControl>(&board.root, "p", 0, 0, 10, 10);
    Application::SetFocusedElement(probe.get());
    probe.reset();
    EXPECT_EQ(Application::GetFocusedElement(), nullptr);
}

TEST(RegistryTest, TimersAndFormsAreListedAndUnlistedWithTheirElement) {
    const size_t before = Application::ElementCount();
    {
        Form form;
        Timer timer(&form, 10);
        EXPECT_EQ(Application::TimerCount(), 1u);
        EXPECT_EQ(Application::GetForms().size(), 1u);
        EXPECT_EQ(Application::ElementCount(), before + 2);
    }
    EXPECT_EQ(Application::TimerCount(), 0u);
    EXPECT_TRUE(Application::GetForms().empty());
    EXPECT_EQ(Application::ElementCount(), before);
}

TEST(RegistryTest, RemovingAnUnregisteredElementLogsItsKindTheCountAndItsId) {
    Board board;
    ProbeControl probe(&board.root, "p", 0, 0, 10, 10);
    probe.Show();
    Application::RemoveWinForm(&probe);
    LogMark log;
    Application::RemoveWinForm(&probe);
    EXPECT_EQ(log.Take(), " NON TROVATO! Application::RemoveWinForm = probe size 2 id " +
                              std::to_string(probe.GetId()) + "\n");
    Application::AddElement(&probe);  // registered again so that its destructor finds it
}

TEST(RegistryTest, RemovingATimerTwiceLogsTheTimerListToo) {
    Form form;
    Timer timer(&form, 10);
    Application::RemoveTimer(&timer);
    LogMark log;
    Application::RemoveTimer(&timer);
    EXPECT_EQ(log.Take(), " NON TROVATO! Application::RemoveWindow = timer lx 0 id 0\n");
    Application::AddTimer(&timer);
}

}  // namespace
}  // namespace sassorbi::testing
