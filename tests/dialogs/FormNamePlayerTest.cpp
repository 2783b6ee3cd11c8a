// The name-entry dialog over a real parent form, typed into with real keys.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "dialogs/FormNamePlayer.h"
#include "tests/controls/ControlTest.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

int g_closed = 0;

class FormNamePlayerTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        InstallFakeAplay(true);
        g_closed = 0;
        parent = MakeForm(100, 100, 400, 300);
        PlayerName() = "previous";
        dialog = std::make_unique<FormNamePlayer>(parent.get(), parent->GetId(), "Classifica");
        dialog->SetOnClosed([](GUIElement*) { ++g_closed; });
        dialog->Move(175, 192);
        dialog->Show();
        WaitViewable(*dialog);
        Focus(*dialog);
    }

    bool IsOpen() { return dialog->IsCreated(); }
    bool WaitClosed() {
        return PumpUntil([&] { return g_closed > 0; });
    }
    void ExpectParentGivenBack() {
        EXPECT_TRUE(parent->IsEnabled());
        EXPECT_FALSE(parent->IsBlocked());
        EXPECT_EQ(parent->GetActiveDialog(), nullptr);
    }
    void TypeAndEnter(const std::string& name) {
        Type(name);
        TapKey(XK_Return);
        ASSERT_TRUE(WaitClosed());
    }

    std::unique_ptr<Form> parent;
    std::unique_ptr<FormNamePlayer> dialog;
};

TEST_F(FormNamePlayerTest, TheDialogBlocksItsParentAndOpensWithTheFocusInTheNameBox) {
    EXPECT_EQ(PlayerName(), "");
    EXPECT_FALSE(parent->IsEnabled());
    EXPECT_TRUE(parent->IsBlocked());
    EXPECT_EQ(parent->GetActiveDialog(), dialog.get());
    EXPECT_EQ(AtomListProperty(dialog->GetWindow(), "_NET_WM_WINDOW_TYPE"),
              std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_EQ(TextProperty(dialog->GetWindow(), "WM_NAME"), "Classifica");
    EXPECT_EQ(dialog->GetActualWidth(), 250);
    EXPECT_EQ(Application::GetFocusedElement(), dialog->GetNameBox());
    EXPECT_EQ(dialog->GetNameBox()->GetMaxLength(), 10);
    EXPECT_EQ(dialog->GetNameBox()->GetLocation().x, 62);
    EXPECT_EQ(dialog->GetOkButton()->GetLocation().x, 85);
    EXPECT_EQ(dialog->GetOkButton()->GetText(), "OK");
}

TEST_F(FormNamePlayerTest, AnEmptyNameBeepsAndKeepsTheDialogOpen) {
    ButtonCustom* ok = dialog->GetOkButton();
    ClickAt(*dialog, ok->GetLocation().x + 40, ok->GetLocation().y + 14);
    EXPECT_EQ(BeepsAfterSettling(1), 1);
    Type("  ");
    TapKey(XK_Return);
    EXPECT_EQ(BeepsAfterSettling(2), 2) << "blanks are no name";
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(g_closed, 0);
    EXPECT_FALSE(parent->IsEnabled());
    EXPECT_EQ(Application::GetFocusedElement(), dialog->GetNameBox());
}

TEST_F(FormNamePlayerTest, EnterConfirmsTheNameWithItsLeadingBlanks) {
    TypeAndEnter("  bo");
    EXPECT_EQ(PlayerName(), "  bo");
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(g_closed, 1);
    ExpectParentGivenBack();
}

TEST_F(FormNamePlayerTest, TrailingBlanksAreDropped) {
    TypeAndEnter("bo  ");
    EXPECT_EQ(PlayerName(), "bo");
}

TEST_F(FormNamePlayerTest, DeleteBlanksTheCharacterUnderTheCaretThenConfirms) {
    Type("anna");
    TapKey(XK_Left);
    TapKey(XK_Delete);
    ASSERT_TRUE(WaitClosed());
    EXPECT_EQ(PlayerName(), "ann");
    ExpectParentGivenBack();
}

TEST_F(FormNamePlayerTest, ReturnOnTheFocusedOkButtonConfirmsOnce) {
    Type("eva");
    ButtonCustom* ok = dialog->GetOkButton();
    dialog->GetNameBox()->LostFocus();
    Application::SetFocusedElement(ok);
    ok->GotFocus();
    TapKey(XK_Return);
    ASSERT_TRUE(WaitClosed());
    Settle();
    EXPECT_EQ(g_closed, 1);
    EXPECT_EQ(PlayerName(), "eva");
}

TEST_F(FormNamePlayerTest, ClosingThroughTheWindowManagerLeavesTheNameEmpty) {
    Type("zed");
    SendDeleteWindow(*dialog);
    ASSERT_TRUE(WaitClosed());
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(PlayerName(), "");
    ExpectParentGivenBack();
}

TEST_F(FormNamePlayerTest, DeletingAnOpenDialogGivesTheParentBack) {
    dialog.reset();
    ExpectParentGivenBack();
}

TEST_F(FormNamePlayerTest, TheMessageLineIsTakenBeforeOpeningAndRedrawnWhileOpen) {
    const auto ink = [&] { return CountColour(dialog->GetWindow(), 0, 15, 250, 14, kBlack); };
    EXPECT_EQ(ink(), 0) << "no message yet";
    dialog->SetMessage("Nuovo record!");
    EXPECT_EQ(dialog->GetMessageLabel()->GetText(), "Nuovo record!");
    EXPECT_GT(ink(), 0);

    dialog.reset();
    dialog = std::make_unique<FormNamePlayer>(parent.get(), parent->GetId(), "Classifica");
    dialog->SetMessage("Prima");
    EXPECT_EQ(dialog->GetMessageLabel(), nullptr) << "nothing built before the window";
    dialog->Show();
    WaitViewable(*dialog);
    EXPECT_EQ(dialog->GetMessageLabel()->GetText(), "Prima");
    EXPECT_GT(ink(), 0);
}

// Without a parent the caller gives the screen; nothing is blocked and the name still comes back.
TEST_F(FormNamePlayerTest, WithoutAParentTheDialogBlocksNothingAndStillTakesTheName) {
    dialog.reset();
    dialog = std::make_unique<FormNamePlayer>(77, "Senza genitore");
    dialog->SetOnClosed([](GUIElement*) { ++g_closed; });
    EXPECT_EQ(dialog->GetOwner(), 77u);
    dialog->SetScreen(screen());
    dialog->Show();
    WaitViewable(*dialog);
    Focus(*dialog);
    EXPECT_EQ(TextProperty(dialog->GetWindow(), "WM_NAME"), "Senza genitore");
    EXPECT_TRUE(parent->IsEnabled());
    EXPECT_EQ(parent->GetActiveDialog(), nullptr);
    TypeAndEnter("ugo");
    EXPECT_EQ(PlayerName(), "ugo");
    EXPECT_TRUE(parent->IsEnabled());
}

}  // namespace
}  // namespace sassorbi::testing
