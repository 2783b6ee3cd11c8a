// Typing into the text box with real keys: overwriting and inserting, the date and number
// modes, Delete and Backspace, caret keys, and the beep that refuses a key.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "controls/TextBoxCustom.h"
#include "tests/controls/ControlTest.h"
#include "util/ChildProcesses.h"

namespace sassorbi::testing {
namespace {

class TextBoxEditingTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        InstallFakeAplay(beep_sound);
        form = MakeForm(0, 0, 400, 200);
    }

    // A box wide enough for `columns` cells, not shown yet.
    std::unique_ptr<TextBoxCustom> MakeBox(const std::string& text, int columns = 20) {
        auto box = std::make_unique<TextBoxCustom>(form.get(), text);
        box->SetSize(6 + columns * box->GetCellWidth(), 30);
        box->Move(20, 20);
        return box;
    }

    void ShowFocused(TextBoxCustom& box) {
        box.Show();
        box.SetFocus();
        Focus(*form);
    }

    void Tap(KeySym key, int times = 1) {
        for (int i = 0; i < times; ++i)
            TapKey(key);
        Settle();
    }

    // What the edits painted cell by cell must be what painting the whole box shows.
    void ExpectAsAfterAFullRepaint(TextBoxCustom& box, const std::string& step) {
        const Point at = box.GetLocation();
        const auto area = [&] {
            return Pixels(form->GetWindow(), at.x, at.y, box.GetWidth(), box.GetHeight());
        };
        const std::vector<unsigned long> edited = area();
        box.Redraw();
        EXPECT_TRUE(edited == area())
            << "the cells painted after " << step << " differ from a full repaint";
    }

    bool beep_sound = true;
    std::unique_ptr<Form> form;
};

// The same, without Data/beep.wav.
class TextBoxSilentTest : public TextBoxEditingTest {
protected:
    TextBoxSilentTest() { beep_sound = false; }
};

TEST_F(TextBoxEditingTest, TypingOverTheMiddleOverwritesAndStillCountsEveryCharacter) {
    auto box = MakeBox("abcd");
    ShowFocused(*box);
    ASSERT_EQ(box->GetCaret(), 4);
    Tap(XK_Left, 2);
    Type("x");
    EXPECT_EQ(box->GetCaret(), 3);
    EXPECT_EQ(box->GetCharacterCount(), 5);
    box->Move(20, 60);
    EXPECT_EQ(box->GetText(), "abxd") << "moving the box keeps what was typed";
}

TEST_F(TextBoxEditingTest, ResizingACreatedBoxKeepsWhatWasTypedAndTheCaretAtItsEnd) {
    auto box = MakeBox("ab");
    ShowFocused(*box);
    Type("cd");
    ASSERT_EQ(box->GetCaret(), 4);
    box->SetSize(box->GetWidth() + 2 * box->GetCellWidth(), 40);
    EXPECT_EQ(box->GetText(), "abcd") << "the box is drawn again with the typed text";
    box->SetFocus();
    Focus(*form);
    Type("e");
    EXPECT_EQ(box->GetText(), "abcde");
}

TEST_F(TextBoxEditingTest, DateModeAddsTheSeparatorsAndBackspaceTakesOneWithItsDigit) {
    auto box = MakeBox("");
    box->SetDateMode(true);
    EXPECT_EQ(box->GetMaxLength(), 10);
    ShowFocused(*box);
    // Each edit repaints only some cells: they must add up to what painting it all shows.
    const auto edit = [&](KeySym key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            Tap(key);
            ExpectAsAfterAFullRepaint(*box, XKeysymToString(key));
        }
    };
    for (char digit : std::string("12032024"))
        edit(static_cast<KeySym>(digit));
    EXPECT_EQ(box->GetText(), "12/03/2024");
    EXPECT_EQ(box->GetCaret(), 10);
    Type("9");
    EXPECT_EQ(box->GetText(), "12/03/2024");
    EXPECT_EQ(BeepsAfterSettling(1), 1) << "the box is full";

    edit(XK_Left, 4);
    EXPECT_EQ(box->GetCaret(), 6);
    edit(XK_Left);
    EXPECT_EQ(box->GetCaret(), 4) << "left jumps back over the separator";
    edit(XK_Right);
    EXPECT_EQ(box->GetCaret(), 6) << "and right forward over it";
    edit(XK_BackSpace);
    EXPECT_EQ(box->GetText(), "12/02/024");
    EXPECT_EQ(box->GetCaret(), 4);
    edit(XK_Left);
    edit(XK_BackSpace);
    EXPECT_EQ(box->GetText(), "10/20/24") << "the first separator went with its digit";
    EXPECT_EQ(box->GetCaret(), 1);

    auto second = MakeBox("");
    second->SetDateMode(true);
    second->Move(20, 80);
    ShowFocused(*second);
    Type("12");
    EXPECT_EQ(second->GetText(), "12/");
    ASSERT_EQ(second->GetCaret(), 3);
    Tap(XK_BackSpace);
    EXPECT_EQ(second->GetText(), "1");
    EXPECT_EQ(second->GetCaret(), 1);
    Type("203");
    ASSERT_EQ(second->GetText(), "12/03/");
    Tap(XK_BackSpace);
    EXPECT_EQ(second->GetText(), "12/0") << "three digits keep one separator";
    EXPECT_EQ(second->GetCaret(), 4);
}

TEST_F(TextBoxEditingTest, DateModeOnACreatedBoxStillTakesTenCharactersAtMost) {
    auto box = MakeBox("");
    ShowFocused(*box);
    box->SetDateMode(true);
    EXPECT_EQ(box->GetMaxLength(), 10);
    Type("120320249");
    EXPECT_EQ(box->GetText(), "12/03/2024");
    EXPECT_EQ(box->GetCaret(), 10);
    EXPECT_EQ(BeepsAfterSettling(1), 1) << "the box is full";
}

TEST_F(TextBoxEditingTest, DigitsOnlyTakesOneDecimalPointAndBeepsAtTheRest) {
    auto box = MakeBox("");
    box->SetDigitsOnly(true);
    box->SetDecimalPoint(true);
    ShowFocused(*box);
    Type("1.2.3a");
    EXPECT_EQ(box->GetText(), "1.23");
    EXPECT_EQ(BeepsAfterSettling(2), 2);
}

TEST_F(TextBoxEditingTest, DeleteBlanksTheCharacterOrClosesTheGapWhenDeletionShifts) {
    auto box = MakeBox("abc");
    ShowFocused(*box);
    Tap(XK_Left, 2);
    Tap(XK_Delete);
    EXPECT_EQ(box->GetText(), "a c");
    EXPECT_EQ(box->GetCaret(), 1);
    Tap(XK_Right);
    Tap(XK_Delete);
    EXPECT_EQ(box->GetText(), "a") << "only a last character drops off the text";

    auto shifting = MakeBox("abc");
    shifting->SetShiftingDelete(true);
    shifting->Move(20, 80);
    ShowFocused(*shifting);
    Tap(XK_Left, 2);
    Tap(XK_Delete);
    EXPECT_EQ(shifting->GetText(), "ac");
    EXPECT_EQ(shifting->GetCaret(), 1);
    Tap(XK_Delete, 3);
    EXPECT_EQ(shifting->GetText(), "a");
    EXPECT_EQ(shifting->GetCharacterCount(), 0) << "the count never goes negative";
    Tap(XK_Left);
    Type("z");
    EXPECT_EQ(shifting->GetText(), "za");
}

TEST_F(TextBoxEditingTest, ARefusedKeyStartsTheBeepAndSilentKeysStartNothing) {
    auto box = MakeBox("");
    ShowFocused(*box);
    Tap(XK_Escape);
    Tap(XK_Return);
    EXPECT_EQ(BeepsAfterSettling(0), 0);
    Tap(XK_BackSpace);
    EXPECT_EQ(BeepsAfterSettling(1), 1);
    EXPECT_EQ(ReadFile("aplay.log"), "Data/beep.wav\n");
    EXPECT_TRUE(PumpUntil([] { return RunningChildCount() == 0; })) << "the player is reaped";
}

TEST_F(TextBoxSilentTest, WithoutTheBeepSoundARefusedKeyStartsNoProcess) {
    auto box = MakeBox("");
    ShowFocused(*box);
    Tap(XK_BackSpace);
    Tap(XK_Tab);
    EXPECT_EQ(RunningChildCount(), 0u);
    EXPECT_EQ(BeepsAfterSettling(0), 0);
}

TEST_F(TextBoxEditingTest, TheCaretStaysBetweenZeroAndTheMaximumLength) {
    auto box = MakeBox("ab");
    box->SetMaxLength(3);
    ShowFocused(*box);
    Tap(XK_Left, 4);
    EXPECT_EQ(box->GetCaret(), 0);
    EXPECT_EQ(BeepsAfterSettling(0), 0) << "left at the start is quiet";
    Type("xyz");
    EXPECT_EQ(box->GetText(), "xyz");
    EXPECT_EQ(box->GetCaret(), 3);
    ASSERT_GT(box->GetCharacterCount(), 3);
    Tap(XK_Right);
    EXPECT_EQ(box->GetCaret(), 3);
    Type("w");
    EXPECT_EQ(box->GetText(), "xyz");
    EXPECT_EQ(BeepsAfterSettling(1), 1) << "no room left";
    Tap(XK_Delete);
    EXPECT_EQ(box->GetText(), "xyz") << "Delete at the end has nothing to blank";

    auto full = MakeBox("ab");
    full->Move(20, 80);
    ShowFocused(*full);
    Tap(XK_Right);
    EXPECT_EQ(full->GetCaret(), 2);
    EXPECT_EQ(BeepsAfterSettling(2), 2) << "right at the count";
}

TEST_F(TextBoxEditingTest, ACharacterThatWouldFallIntoAMissingRowIsRefused) {
    auto box = MakeBox("", 4);
    ShowFocused(*box);
    ASSERT_EQ(box->GridSize().rows, 1);
    Type("abcde");
    EXPECT_EQ(box->GetText(), "abcd");
    EXPECT_EQ(box->GetCaret(), 4);
    EXPECT_EQ(BeepsAfterSettling(1), 1);
}

TEST_F(TextBoxEditingTest, MultiLineInsertsAndKeepsTheBlanksAndLineBreaksTyped) {
    auto box = MakeBox("");
    box->SetMultiLine(true);
    box->SetSize(box->GetWidth(), 80);
    ShowFocused(*box);
    ASSERT_GE(box->GridSize().rows, 2);
    Type("a b");
    Tap(XK_Return);
    Type("c");
    EXPECT_EQ(box->GetText(), "a b\rc");
    Tap(XK_Left, 5);
    Type("x");
    EXPECT_EQ(box->GetText(), "xa b\rc");
    Tap(XK_BackSpace);
    EXPECT_EQ(box->GetText(), "a b\rc");

    EXPECT_EQ(BeepsAfterSettling(0), 0);
}

// A height the rows fill to the last pixel: the last row takes text like the others.
TEST_F(TextBoxEditingTest, RowsThatFillTheHeightExactlyTakeTextToTheLastRow) {
    auto box = MakeBox("", 4);
    box->SetMultiLine(true);
    box->SetSize(box->GetWidth(), 6 + 2 * box->GetCellHeight());
    ShowFocused(*box);
    ASSERT_EQ(box->GridSize().rows, 2);
    Type("abcdab");
    EXPECT_EQ(box->GetText(), "abcdab");
    const int ch = box->GetCellHeight();
    const auto two_cells = [&](int y) {
        return Pixels(form->GetWindow(), 23, y, 2 * box->GetCellWidth(), ch);
    };
    EXPECT_TRUE(two_cells(23 + ch) == two_cells(23)) << "the last row shows ab as the first";
    EXPECT_EQ(BeepsAfterSettling(0), 0);
}

// The caret needs a cell after the last character: in a full box the character that would
// leave it none is refused, and what was typed before stays as it was.
TEST_F(TextBoxEditingTest, AFullMultiLineBoxRefusesACharacterThatLeavesTheCaretNoCell) {
    auto box = MakeBox("", 4);
    box->SetMultiLine(true);
    box->SetSize(box->GetWidth(), 6 + 2 * box->GetCellHeight());
    ShowFocused(*box);
    ASSERT_EQ(box->GridSize().rows, 2);
    Type("abcdefgh");
    EXPECT_EQ(box->GetText(), "abcdefg");
    EXPECT_EQ(box->GetCaret(), 7);
    EXPECT_EQ(box->GetCharacterCount(), 7);
    EXPECT_EQ(BeepsAfterSettling(1), 1);
}

// Up and Down keep the column; Down never goes past the last character, Up not above the top.
TEST_F(TextBoxEditingTest, UpAndDownMoveTheCaretBetweenRowsOfAMultiLineBox) {
    auto box = MakeBox("", 10);
    box->SetMultiLine(true);
    box->SetSize(box->GetWidth(), 6 + 3 * box->GetCellHeight());
    ShowFocused(*box);
    ASSERT_EQ(box->GridSize().rows, 3);
    Type("abcdefghijklmn");
    ASSERT_EQ(box->GetCaret(), 14) << "the second row holds klmn";
    Tap(XK_Up);
    EXPECT_EQ(box->GetCaret(), 4);
    Tap(XK_Up);
    EXPECT_EQ(box->GetCaret(), 4) << "no row above the first";
    Tap(XK_Down);
    EXPECT_EQ(box->GetCaret(), 4) << "below is past the last character";
    Tap(XK_Left, 2);
    Tap(XK_Down);
    EXPECT_EQ(box->GetCaret(), 12);
    Type("x");
    EXPECT_EQ(box->GetText(), "abcdefghijklxmn");
    EXPECT_EQ(BeepsAfterSettling(2), 2) << "each refused move beeps";

    box->SetMultiLine(false);
    Tap(XK_Up);
    EXPECT_EQ(box->GetCaret(), 13) << "a single-line box ignores Up";
}

}  // namespace
}  // namespace sassorbi::testing
