// The message box over a real parent form, answered with real clicks and by the window
// manager; the answer reaches the parent's DialogResult.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "dialogs/FormMsgBox.h"
#include "tests/controls/ControlTest.h"
#include "tests/support/LogMark.h"
#include "tests/support/ProbeControl.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

using Answer = std::pair<int, int>;

// A parent that records every answer; it may open the next box from inside one.
class AnsweredForm : public Form {
public:
    void DialogResult(int kind, int result) override {
        answers.emplace_back(kind, result);
        if (ask_again) AskYesNo(kind + 1, this, "Ancora?", "Domanda");
    }
    std::vector<Answer> answers;
    bool ask_again = false;
};

// A box that records which routed hook each element reached, as "<hook>:<element id>".
class RoutedBox : public FormMsgBox {
public:
    RoutedBox(Screen* screen, Form* parent)
        : FormMsgBox(1, true, screen, parent, "Instradata", "Messaggio") {}
    void FormHookA(GUIElement* e) override { Record("A", e); }
    void FormHookB(GUIElement* e) override { Record("B", e); }
    void FormHookC(GUIElement* e) override { Record("C", e); }
    void FormHookD(GUIElement* e) override { Record("D", e); }
    std::vector<std::string> hooks;

private:
    void Record(const char* hook, GUIElement* e) {
        hooks.push_back(std::string(hook) + ":" + std::to_string(e->GetId()));
    }
};

class FormMsgBoxTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = std::make_unique<AnsweredForm>();
        parent->SetScreen(screen());
        parent->SetLocation(100, 100);
        parent->SetSize(400, 300);
        parent->Show();
        WaitViewable(*parent);
    }
    void TearDown() override {
        Application::SetSharedMessageBox(nullptr);
        parent.reset();
        ControlTest::TearDown();
    }

    FormMsgBox* Open(FormMsgBox* box) {
        WaitViewable(*box);
        return box;
    }
    // The main button sits at (130, 110), the second at (10, 110), both 110 x 28.
    void ClickMain(FormMsgBox* box) { ClickAt(*box, 185, 124); }
    void ClickSecond(FormMsgBox* box) { ClickAt(*box, 65, 124); }
    bool WaitAnswers(size_t count) {
        return PumpUntil([&] { return parent->answers.size() >= count; });
    }
    // Text-coloured pixels inside the message label's frame.
    int MessageInk(FormMsgBox* box) {
        return CountColour(box->GetWindow(), 14, 14, 222, 82, kBlack);
    }
    void ExpectParentGivenBack() {
        EXPECT_TRUE(parent->IsEnabled());
        EXPECT_FALSE(parent->IsBlocked());
        EXPECT_EQ(parent->GetActiveDialog(), nullptr);
    }

    std::unique_ptr<AnsweredForm> parent;
};

TEST_F(FormMsgBoxTest, OkDeliversTheKindAndOneToTheParent) {
    FormMsgBox* box = Open(ShowMessage(7, parent.get(), "Partita salvata", "Messaggio"));
    EXPECT_EQ(Application::GetSharedMessageBox(), box);
    EXPECT_EQ(TextProperty(box->GetWindow(), "WM_NAME"), "Messaggio");
    EXPECT_TRUE(AtomListProperty(box->GetWindow(), "_NET_WM_WINDOW_TYPE").empty());
    EXPECT_FALSE(parent->IsEnabled());
    EXPECT_TRUE(parent->IsBlocked());
    EXPECT_EQ(parent->GetActiveDialog(), box);
    EXPECT_EQ(box->GetMainButton()->GetText(), "OK");
    EXPECT_FALSE(box->GetSecondButton()->IsCreated()) << "no NO in OK mode";
    EXPECT_EQ(box->GetMessageLabel()->GetText(), "Partita salvata");
    EXPECT_EQ(PixelAt(box->GetWindow(), 100, 50), 0xB7B7B7u);

    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{7, 1}}));
    EXPECT_FALSE(box->IsCreated());
    ExpectParentGivenBack();
}

TEST_F(FormMsgBoxTest, YesGivesThreeAndNoGivesFour) {
    FormMsgBox* box = Open(AskYesNo(2, parent.get(), "Uscire?", "Domanda"));
    EXPECT_EQ(box->GetMainButton()->GetText(), "YES");
    EXPECT_EQ(box->GetSecondButton()->GetText(), "NO");
    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    box = Open(AskYesNo(5, parent.get(), "Davvero?", "Domanda"));
    ClickSecond(box);
    ASSERT_TRUE(WaitAnswers(2));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{2, 3}, {5, 4}}));
    ExpectParentGivenBack();
}

TEST_F(FormMsgBoxTest, AWindowManagerCloseAnswersZero) {
    FormMsgBox* box = Open(AskYesNo(9, parent.get(), "Uscire?", "Domanda"));
    SendDeleteWindow(*box);
    ASSERT_TRUE(WaitAnswers(1));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{9, 0}}));
    ExpectParentGivenBack();
}

TEST_F(FormMsgBoxTest, OpeningASecondBoxDeletesTheFirstWithoutAnAnswer) {
    FormMsgBox* first = Open(ShowMessage(1, parent.get(), "Uno", "Primo"));
    ElementRef first_ref(first);
    const Window first_window = first->GetWindow();
    FormMsgBox* second = Open(ShowMessage(2, parent.get(), "Due", "Secondo"));
    EXPECT_FALSE(first_ref);
    EXPECT_EQ(Application::FindFormByWindow(first_window), nullptr);
    EXPECT_EQ(parent->GetActiveDialog(), second);
    EXPECT_FALSE(parent->IsEnabled());
    Settle();
    EXPECT_TRUE(parent->answers.empty());
    ClickMain(second);
    ASSERT_TRUE(WaitAnswers(1));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{2, 1}}));
}

TEST_F(FormMsgBoxTest, AnAnswerMayOpenTheNextBox) {
    parent->ask_again = true;
    FormMsgBox* box = Open(AskYesNo(1, parent.get(), "Primo?", "Domanda"));
    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    auto* next = static_cast<FormMsgBox*>(Application::GetSharedMessageBox());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetDialogKind(), 2);
    EXPECT_EQ(parent->GetActiveDialog(), next);
    parent->ask_again = false;
    WaitViewable(*next);
    ClickSecond(next);
    ASSERT_TRUE(WaitAnswers(2));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{1, 3}, {2, 4}}));
}

// A box given its parent stays with it; one given none is a plain message over the program's
// first form.
TEST_F(FormMsgBoxTest, ABoxKeepsTheParentGivenAndWithoutOneGoesToTheMainForm) {
    AnsweredForm other;
    other.SetScreen(screen());
    other.SetLocation(600, 100);
    other.SetSize(300, 200);
    other.Show();
    WaitViewable(other);
    FormMsgBox* box = Open(ShowMessage(3, &other, "Altrove", "Messaggio"));
    EXPECT_EQ(other.GetActiveDialog(), box);
    EXPECT_FALSE(other.IsEnabled());
    EXPECT_TRUE(parent->IsEnabled());
    const Point over = other.GetLocation(), at = box->GetLocation();
    EXPECT_TRUE(at.x > over.x && at.x + 250 < over.x + 300) << "centred over the parent given";
    ClickMain(box);
    ASSERT_TRUE(PumpUntil([&] { return other.answers.size() == 1; }));
    EXPECT_EQ(other.answers, (std::vector<Answer>{{3, 1}}));

    box = Open(ShowMessage("Senza genitore", "Messaggio"));
    EXPECT_EQ(parent->GetActiveDialog(), box);
    EXPECT_EQ(box->GetMainButton()->GetText(), "OK");
    EXPECT_FALSE(box->GetSecondButton()->IsCreated()) << "a message, not a question";
    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{0, 1}}));
}

TEST_F(FormMsgBoxTest, TheEndOfTheLoopDeletesTheOpenBox) {
    ElementRef box(Open(ShowMessage(parent.get(), "Fine", "Messaggio")));
    Application::RequestQuit();
    Application::Run(parent.get());
    EXPECT_FALSE(box);
    EXPECT_EQ(Application::GetSharedMessageBox(), nullptr);
}

// Without a parent the box opens over the first form made, the main form, not a later one.
TEST_F(FormMsgBoxTest, WithoutAParentTheMainFormIsBlockedAndAnswered) {
    auto later = MakeForm(600, 100, 200, 200);
    FormMsgBox* box = Open(ShowMessage("Senza genitore", "Avviso"));
    EXPECT_EQ(parent->GetActiveDialog(), box);
    EXPECT_FALSE(parent->IsEnabled());
    EXPECT_EQ(box->GetMessageLabel()->GetText(), "Senza genitore");
    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    box = Open(AskYesNo(6, "Domanda?", "Titolo"));
    EXPECT_EQ(parent->GetActiveDialog(), box);
    ClickSecond(box);
    ASSERT_TRUE(WaitAnswers(2));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{0, 1}, {6, 4}}));
    ExpectParentGivenBack();
    EXPECT_TRUE(later->IsEnabled());
}

TEST_F(FormMsgBoxTest, ANewMessageIsDrawnAtOnceWhileTheBoxIsOpenAndOnlyKeptOnceClosed) {
    FormMsgBox* box = Open(ShowMessage(parent.get(), "", "Messaggio"));
    EXPECT_EQ(MessageInk(box), 0);
    box->SetMessage("Nuovo messaggio");
    EXPECT_EQ(box->GetMessageLabel()->GetText(), "Nuovo messaggio");
    EXPECT_GT(MessageInk(box), 0);

    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    LogMark log;
    box->SetMessage("Dopo");
    Settle();
    EXPECT_EQ(box->GetMessageLabel()->GetText(), "Nuovo messaggio");
    EXPECT_EQ(log.Take(), "");
}

// Reconfiguring an open box renames it and changes the answer its main button gives.
TEST_F(FormMsgBoxTest, ConfigureChangesTheKindTheModeTheTitleAndTheMessage) {
    FormMsgBox* box = Open(ShowMessage(7, parent.get(), "Uno", "Primo"));
    box->Configure(8, true, "Secondo", "Due");
    XSync(display(), False);
    EXPECT_EQ(TextProperty(box->GetWindow(), "WM_NAME"), "Secondo");
    EXPECT_EQ(box->GetMessageLabel()->GetText(), "Due");
    ClickMain(box);
    ASSERT_TRUE(WaitAnswers(1));
    EXPECT_EQ(parent->answers, (std::vector<Answer>{{8, 3}}));
}

TEST_F(FormMsgBoxTest, TheKeyFilterRefusesTabAndEnterOnlyAndTheBoxTakesEveryKey) {
    FormMsgBox* box = Open(ShowMessage(parent.get(), "Tasti", "Messaggio"));
    EXPECT_FALSE(box->KeyFilter(9));
    EXPECT_FALSE(box->KeyFilter(13));
    for (char accepted : {'\n', '\b', ' ', 'a', '\x1b', '\x7f'})
        EXPECT_TRUE(box->KeyFilter(accepted)) << static_cast<int>(accepted);
    EXPECT_TRUE(box->FormKeyChar(9)) << "the box itself takes every key, Tab included";
}

TEST_F(FormMsgBoxTest, TheRoutesReachTheHooksOfTheBoxTheElementSitsIn) {
    auto box = std::make_unique<RoutedBox>(screen(), parent.get());
    WaitViewable(*box);
    ProbeControl outside(parent.get(), "fuori", 0, 0, 10, 10);
    RouteHookA(box->GetMainButton());
    RouteHookB(box->GetSecondButton());
    RouteHookC(box->GetMessageLabel());
    RouteHookD(box.get());
    RouteHookA(&outside);
    RouteHookD(parent.get());
    const auto id = [](GUIElement* e) { return std::to_string(e->GetId()); };
    EXPECT_EQ(box->hooks, (std::vector<std::string>{
                              "A:" + id(box->GetMainButton()), "B:" + id(box->GetSecondButton()),
                              "C:" + id(box->GetMessageLabel()), "D:" + id(box.get())}));
}

}  // namespace
}  // namespace sassorbi::testing
