// The loop with real input from XTest: keys, buttons, held keys, window-manager messages,
// configuration changes, keyboard remapping, and callbacks that destroy what they are given.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/ProbeControl.h"
#include "tests/support/XHarness.h"
#include "toolkit/Application.h"
#include "toolkit/EventDispatch.h"

// After GoogleTest, whose names Xlib's macros (None, Bool) would replace.
#include <X11/XKBlib.h>

namespace sassorbi::testing {
namespace {

class EventLoopTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        EventLog().clear();
        form = MakeForm(50, 50, 300, 200);
        form->SetName("F");
        RecordEvents(form.get());
    }

    std::unique_ptr<ProbeControl> MakeProbe(const std::string& name, int x, int y, int w, int h) {
        auto probe = std::make_unique<ProbeControl>(form.get(), name, x, y, w, h);
        RecordEvents(probe.get());
        probe->Show();
        return probe;
    }

    bool WaitForEvent(const std::string& event, int count = 1) {
        return PumpUntil([&] { return CountEvents(event) >= count; });
    }

    // Presses the Q key while the server maps it to Z, then gives the key its own symbols
    // back; whether the form heard a key at all.
    bool PressQMappedAsZ() {
        const KeyCode code = XKeysymToKeycode(driver(), XK_q);
        int per_code = 0;
        KeySym* saved = XGetKeyboardMapping(driver(), code, 1, &per_code);
        std::vector<KeySym> remapped(per_code, XK_z);
        XChangeKeyboardMapping(driver(), code, per_code, remapped.data(), 1);
        XSync(driver(), False);
        Settle();
        EventLog().clear();
        PressKeyCode(code, true);
        PressKeyCode(code, false);
        const bool heard = PumpUntil([] { return !EventLog().empty(); });
        Settle();
        XChangeKeyboardMapping(driver(), code, per_code, saved, 1);
        XFree(saved);
        XSync(driver(), False);
        return heard;
    }

    std::unique_ptr<Form> form;
};

TEST_F(EventLoopTest, KeysGoToTheFocusedControlFirstAndCharactersArriveOnRelease) {
    auto a = MakeProbe("A", 10, 10, 40, 20);
    Application::SetFocusedElement(a.get());
    Focus(*form);
    TapKey(XK_a);
    ASSERT_TRUE(WaitForEvent("F.KeyUp:61"));
    EXPECT_EQ(EventLog(), (std::vector<std::string>{"A.KeyDown:61", "F.KeyDown:61", "A.KeyChar:97",
                                                    "A.KeyUp:61", "F.KeyChar:97", "F.KeyUp:61"}));
}

// Fast typists and input tools let go of Shift before the letter; the letter keeps the case
// it had when it went down. A release whose press went to another window is translated as
// it comes.
TEST_F(EventLoopTest, AReleaseGivesTheCharacterItsPressTranslatedTo) {
    auto characters = [] {
        std::vector<std::string> found;
        for (const std::string& event : EventsOf("F"))
            if (event.rfind("F.KeyChar:", 0) == 0) found.push_back(event);
        return found;
    };
    Focus(*form);
    PressKey(XK_Shift_L);
    PressKey(XK_a);
    ReleaseKey(XK_Shift_L);
    ReleaseKey(XK_a);
    PressKey(XK_b);
    PressKey(XK_Shift_L);
    ReleaseKey(XK_b);
    ReleaseKey(XK_Shift_L);
    ASSERT_TRUE(WaitForEvent("F.KeyUp:ffe1", 2));
    EXPECT_EQ(characters(), (std::vector<std::string>{"F.KeyChar:65", "F.KeyChar:98"}));

    EventLog().clear();
    auto other = MakeForm(400, 50, 100, 100);
    Focus(*other);
    PressKey(XK_c);
    Focus(*form);
    PressKey(XK_Shift_L);
    ReleaseKey(XK_c);
    ReleaseKey(XK_Shift_L);
    ASSERT_TRUE(WaitForEvent("F.KeyUp:ffe1"));
    EXPECT_EQ(characters(), (std::vector<std::string>{"F.KeyChar:67"}));
}

// A letter let go while Shift is held must come up as the key that went down, or a game
// holding that key would never see it released.
TEST_F(EventLoopTest, AReleaseGivesTheKeyItsPressGave) {
    Focus(*form);
    PressKey(XK_a);
    PressKey(XK_Shift_L);
    ReleaseKey(XK_a);
    ReleaseKey(XK_Shift_L);
    ASSERT_TRUE(WaitForEvent("F.KeyUp:ffe1"));
    std::vector<std::string> keys;
    for (const std::string& event : EventsOf("F"))
        if (event.rfind("F.Key", 0) == 0 && event.find("ffe1") == std::string::npos)
            keys.push_back(event);
    EXPECT_EQ(keys, (std::vector<std::string>{"F.KeyDown:61", "F.KeyChar:97", "F.KeyUp:61"}));
}

TEST_F(EventLoopTest, ADisabledFormGetsOnlyItsOwnMouseDownAndClick) {
    auto a = MakeProbe("A", 10, 10, 40, 20);
    Focus(*form);
    form->SetEnabled(false);
    TapKey(XK_a);
    ClickAt(*form, 20, 15);
    MovePointer(*form, 100, 100);
    ASSERT_TRUE(WaitForEvent("F.Click"));
    Settle();
    EXPECT_TRUE(EventsOf("A").empty());
    EXPECT_EQ(CountEvents("F.MouseDown"), 1);
    EXPECT_EQ(CountEvents("F.KeyDown:61") + CountEvents("F.KeyUp:61"), 0);
    EXPECT_EQ(CountEvents("F.MouseMove"), 0);
}

TEST_F(EventLoopTest, PressingOnOneControlAndReleasingOnAnotherClicksNeither) {
    auto a = MakeProbe("A", 10, 10, 40, 20);
    auto b = MakeProbe("B", 100, 10, 40, 20);
    MovePointer(*form, 20, 15);
    PressButton(1);
    MovePointer(*form, 110, 15);
    ReleaseButton(1);
    ASSERT_TRUE(WaitForEvent("F.Click"));
    EXPECT_EQ(EventsOf("A"),
              (std::vector<std::string>{"A.GotFocus", "A.MouseDown", "A.LostFocus"}));
    EXPECT_TRUE(EventsOf("B").empty());
    EXPECT_EQ(Application::GetFocusedElement(), nullptr);
}

// A control inside a panel is found by the search, not by its own test: pressing on it again
// while it has the focus must not tell it a second time that it got the focus.
TEST_F(EventLoopTest, PressingAgainOnAFocusedControlInAPanelFocusesItOnce) {
    ProbeControl panel(form.get(), "panel", 100, 50, 120, 100, "panel");
    panel.SetHoldsChildrenFlag(true);
    panel.Show();
    ProbeControl inner(&panel, "inner", 10, 10, 40, 20);
    RecordEvents(&inner);
    inner.Show();
    ClickAt(*form, 120, 65);
    ASSERT_TRUE(WaitForEvent("F.Click"));
    ClickAt(*form, 125, 70);
    ASSERT_TRUE(WaitForEvent("F.Click", 2));
    EXPECT_EQ(CountEvents("inner.MouseDown"), 2);
    EXPECT_EQ(CountEvents("inner.GotFocus"), 1);
    EXPECT_EQ(CountEvents("inner.LostFocus"), 0);
    EXPECT_EQ(Application::GetFocusedElement(), &inner);
}

// Only a control that follows drags (a slider, a scroll bar) hears of the pointer moving
// while it has the focus; any other focused control is left alone.
TEST_F(EventLoopTest, PointerMotionElsewhereReachesNoFocusedControlThatDoesNotFollowDrags) {
    auto a = MakeProbe("A", 10, 10, 40, 20);
    ClickAt(*form, 20, 15);
    ASSERT_TRUE(WaitForEvent("F.Click"));
    ASSERT_EQ(Application::GetFocusedElement(), a.get());
    const int moves = CountEvents("A.MouseMove"), form_moves = CountEvents("F.MouseMove");
    MovePointer(*form, 150, 100);
    MovePointer(*form, 200, 150);
    ASSERT_TRUE(PumpUntil([&] { return CountEvents("F.MouseMove") > form_moves; }));
    Settle();
    EXPECT_EQ(CountEvents("A.MouseMove"), moves);
}

TEST_F(EventLoopTest, AClickOnOverlappingControlsGoesToTheFirstRegistered) {
    auto first = MakeProbe("first", 10, 10, 60, 60);
    auto second = MakeProbe("second", 40, 40, 60, 60);
    ClickAt(*form, 50, 50);
    ASSERT_TRUE(WaitForEvent("F.Click"));
    EXPECT_EQ(EventsOf("first"),
              (std::vector<std::string>{"first.GotFocus", "first.MouseDown", "first.Click"}));
    EXPECT_TRUE(EventsOf("second").empty());
    EXPECT_EQ(EventsOf("F"), (std::vector<std::string>{"F.MouseDown", "F.Click"}));
}

TEST_F(EventLoopTest, OtherButtonsGoToTheFormAndTheWheelDownIsIgnored) {
    ClickAt(*form, 20, 20, 3);
    ClickAt(*form, 20, 20, 5);
    ASSERT_TRUE(WaitForEvent("F.OtherButtonUp"));
    Settle();
    EXPECT_EQ(EventsOf("F"), (std::vector<std::string>{"F.OtherButtonDown", "F.OtherButtonUp"}));
}

// The connection asks the server to repeat a held key as presses alone, and knows it did.
TEST_F(EventLoopTest, AHeldKeyGivesExactlyOneRelease) {
    Bool detectable = False;
    XkbGetDetectableAutoRepeat(display(), &detectable);
    EXPECT_TRUE(detectable);
    EXPECT_TRUE(screen()->HasDetectableAutoRepeat());
    Focus(*form);
    PressKey(XK_p);
    PumpFor(1200);
    ReleaseKey(XK_p);
    ASSERT_TRUE(WaitForEvent("F.KeyUp:70"));
    Settle();
    EXPECT_EQ(CountEvents("F.KeyUp:70"), 1);
    EXPECT_GT(CountEvents("F.KeyDown:70"), 1) << "the server repeats a held key as presses";
}

// Where the server cannot drop them, a fake release comes just before the repeated press.
TEST_F(EventLoopTest, WithoutServerHelpAFakeReleaseBeforeARepeatedPressIsDropped) {
    XEvent press{};
    press.xkey.type = KeyPress;
    press.xkey.display = display();
    press.xkey.window = form->GetWindow();
    press.xkey.keycode = XKeysymToKeycode(display(), XK_n);
    press.xkey.time = 4242;
    XEvent release = press;
    release.xkey.type = KeyRelease;
    XEvent final_release = release;
    final_release.xkey.time = 4300;
    // Put back in reverse: the queue reads release, press, final release.
    XSync(display(), False);
    XPutBackEvent(display(), &final_release);
    XPutBackEvent(display(), &press);
    XPutBackEvent(display(), &release);
    for (int i = 0; i < 3; ++i) {
        XEvent event;
        XNextEvent(display(), &event);
        DispatchEvent(display(), event, nullptr, false);
    }
    EXPECT_EQ(EventLog(),
              (std::vector<std::string>{"F.KeyDown:6e", "F.KeyChar:110", "F.KeyUp:6e"}));
}

TEST_F(EventLoopTest, ClosingTheMainFormOnlyAsksItsQueryClose) {
    SetMainForm(form.get());
    SendDeleteWindow(*form);
    ASSERT_TRUE(WaitForEvent("F.QueryClose"));
    EXPECT_TRUE(form->IsCreated());
    EXPECT_EQ(MapState(form->GetWindow()), IsViewable);
    EXPECT_EQ(CountEvents("F.Closed"), 0);
}

TEST_F(EventLoopTest, ClosingADialogDestroysItOnlyWhenQueryCloseAgrees) {
    SetMainForm(form.get());
    auto dialog = MakeForm(100, 100, 120, 80, true);
    dialog->SetName("D");
    RecordEvents(dialog.get());
    static bool agree = false;
    dialog->SetOnQueryClose([](GUIElement* element) {
        EventLog().push_back(element->GetName() + ".QueryClose");
        return agree;
    });
    SendDeleteWindow(*dialog);
    ASSERT_TRUE(WaitForEvent("D.QueryClose"));
    Settle();
    EXPECT_TRUE(dialog->IsCreated()) << "a false answer keeps it open";
    EXPECT_EQ(CountEvents("D.Closed"), 0);

    agree = true;
    const Window window = dialog->GetWindow();
    SendDeleteWindow(*dialog);
    ASSERT_TRUE(WaitForEvent("D.Closed"));
    XSync(display(), False);
    EXPECT_FALSE(dialog->IsCreated());
    EXPECT_EQ(MapState(window), -1);
}

TEST_F(EventLoopTest, ASizeChangeRaisesResizedBeforeTheNewSizeIsStoredAndAMoveDoesNot) {
    static int width_seen_by_resize = 0;
    form->SetOnResize([](GUIElement* element) {
        EventLog().push_back("F.Resize");
        width_seen_by_resize = element->GetWidth();
    });
    XMoveWindow(driver(), form->GetWindow(), 70, 80);
    Settle();
    EXPECT_EQ(CountEvents("F.Resize"), 0);
    XResizeWindow(driver(), form->GetWindow(), 340, 220);
    XSync(driver(), False);
    ASSERT_TRUE(WaitForEvent("F.Resize"));
    EXPECT_EQ(width_seen_by_resize, 300);
    EXPECT_EQ(form->GetWidth(), 340);
    EXPECT_EQ(form->GetHeight(), 220);
}

// A manager announces a new size in a notice of its own before the server has made it: the
// resize is raised by the server's notice, when the window has the size, not by the early one.
TEST_F(EventLoopTest, AManagersEarlyNoticeOfASizeDoesNotHideTheRealResize) {
    static int actual_width_seen = 0;
    form->SetOnResize([](GUIElement* element) {
        EventLog().push_back("F.Resize");
        actual_width_seen = element->GetActualWidth();
    });
    XEvent notice{};
    notice.xconfigure.type = ConfigureNotify;
    notice.xconfigure.event = notice.xconfigure.window = form->GetWindow();
    notice.xconfigure.x = 70;
    notice.xconfigure.y = 80;
    notice.xconfigure.width = 340;
    notice.xconfigure.height = 220;
    XSendEvent(driver(), form->GetWindow(), False, StructureNotifyMask, &notice);
    Settle();
    EXPECT_EQ(CountEvents("F.Resize"), 0);
    XResizeWindow(driver(), form->GetWindow(), 340, 220);
    XSync(driver(), False);
    ASSERT_TRUE(WaitForEvent("F.Resize"));
    EXPECT_EQ(actual_width_seen, 340);
    EXPECT_EQ(form->GetWidth(), 340);
}

class CountingForm : public Form {
public:
    void OnUserMessage() override { ++user_messages; }
    int user_messages = 0;
};

TEST_F(EventLoopTest, TheUserMessageIsAClientMessageOfTypeZeroWhoseFirstLongIsOne) {
    CountingForm counting;
    counting.SetScreen(screen());
    counting.SetSize(50, 50);
    counting.Show();
    WaitViewable(counting);
    SendClientMessage(counting.GetWindow(), 0, 2);
    SendClientMessage(counting.GetWindow(), 0, 1);
    ASSERT_TRUE(PumpUntil([&] { return counting.user_messages > 0; }));
    Settle();
    EXPECT_EQ(counting.user_messages, 1);
}

// A window manager's ping: the form answers on the root window with the same time stamp.
TEST_F(EventLoopTest, APingIsAnsweredOnTheRootWindow) {
    const Window root = DefaultRootWindow(driver());
    XSelectInput(driver(), root, SubstructureNotifyMask);
    const Atom protocols = XInternAtom(driver(), "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(driver(), "_NET_WM_PING", False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = form->GetWindow();
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = 4242;
    event.xclient.data.l[2] = static_cast<long>(form->GetWindow());
    XSendEvent(driver(), form->GetWindow(), False, NoEventMask, &event);
    XSync(driver(), False);
    XEvent pong{};
    const bool answered = PumpUntil(
        [&] { return XCheckTypedWindowEvent(driver(), root, ClientMessage, &pong) == True; });
    XSelectInput(driver(), root, NoEventMask);
    ASSERT_TRUE(answered);
    EXPECT_EQ(pong.xclient.message_type, protocols);
    EXPECT_EQ(static_cast<Atom>(pong.xclient.data.l[0]), ping);
    EXPECT_EQ(pong.xclient.data.l[1], 4242);
    EXPECT_EQ(static_cast<Window>(pong.xclient.data.l[2]), form->GetWindow());
    EXPECT_TRUE(EventLog().empty()) << "a ping is no event of the form's";
}

TEST_F(EventLoopTest, KeysAreTranslatedWithTheNewMappingAfterARemap) {
    Focus(*form);
    ASSERT_TRUE(PressQMappedAsZ());
    EXPECT_EQ(EventLog().front(), "F.KeyDown:7a");
}

// A connection that does without the keyboard extension keeps a copy of the key map of its
// own, which only the loop's answer to the server's mapping notice brings up to date.
class EventLoopWithoutXkbTest : public EventLoopTest {
protected:
    void SetUp() override {
        setenv("XKB_DISABLE", "1", 1);
        EventLoopTest::SetUp();
        unsetenv("XKB_DISABLE");
    }
};

TEST_F(EventLoopWithoutXkbTest, KeysAreTranslatedWithTheNewMappingAfterARemap) {
    Focus(*form);
    TapKey(XK_q);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("F.KeyDown:71") == 1; }))
        << "the old map is in use before the remap";
    ASSERT_TRUE(PressQMappedAsZ());
    EXPECT_EQ(EventLog().front(), "F.KeyDown:7a");
}

TEST_F(EventLoopTest, CallbacksMayDestroyTheControlAndTheFormTheyAreCalledFor) {
    static ProbeControl* doomed = nullptr;
    doomed = MakeProbe("doomed", 10, 10, 40, 20).release();
    doomed->SetOnMouseDown([](GUIElement*, uint64_t, Point) { delete doomed; });
    ClickAt(*form, 20, 15);
    ASSERT_TRUE(WaitForEvent("F.Click"));
    EXPECT_EQ(Application::GetFocusedElement(), nullptr);
    EXPECT_EQ(EventsOf("F"), (std::vector<std::string>{"F.MouseDown", "F.Click"}));

    static Form* dialog = nullptr;
    dialog = MakeForm(100, 100, 80, 80, true).release();
    dialog->SetOnKeyDown([](GUIElement*, KeySym) { delete dialog; });
    Focus(*dialog);
    TapKey(XK_x);
    ASSERT_TRUE(PumpUntil([] { return Application::GetForms().size() == 1; }));
    Settle();
    EXPECT_EQ(CountEvents("F.KeyUp:78"), 0) << "the key was the dialog's, not the form's";
}

}  // namespace
}  // namespace sassorbi::testing
