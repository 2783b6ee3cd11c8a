// Top-level windows as the server and a window manager see them.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/LogMark.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/XHarness.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

// A pixmap of the test's own, freed with it.
class TestPixmap {
public:
    explicit TestPixmap(Display* display)
        : display_(display),
          pixmap_(XCreatePixmap(display, DefaultRootWindow(display), 16, 16,
                                DefaultDepth(display, DefaultScreen(display)))) {}
    ~TestPixmap() { XFreePixmap(display_, pixmap_); }
    TestPixmap(const TestPixmap&) = delete;
    TestPixmap& operator=(const TestPixmap&) = delete;
    Pixmap Get() const { return pixmap_; }

private:
    Display* display_;
    Pixmap pixmap_;
};

class FormTest : public XServerTest {
protected:
    // The place of the window among the root's children, bottom first; -1 when not there.
    int StackPlace(Window window) {
        XSync(display(), False);
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), DefaultRootWindow(driver()), &root, &parent, &children, &count);
        int place = -1;
        for (unsigned i = 0; i < count; ++i) {
            if (children[i] == window) place = static_cast<int>(i);
        }
        if (children != nullptr) XFree(children);
        return place;
    }

    // The window's outer corner and size as the server has them.
    XRectangle Geometry(Window window) {
        XSync(display(), False);
        Window root = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(driver(), window, &root, &x, &y, &width, &height, &border, &depth);
        return {static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(width),
                static_cast<unsigned short>(height)};
    }

    XWMHints WindowManagerHints(Window window) {
        XSync(display(), False);
        XWMHints hints{};
        if (XWMHints* read = XGetWMHints(driver(), window)) {
            hints = *read;
            XFree(read);
        }
        return hints;
    }
};

TEST_F(FormTest, TheWindowCarriesItsTitleClassFixedSizeAndCloseProtocol) {
    auto form = std::make_unique<Form>();
    form->SetScreen(screen());
    form->SetTitle("Sassorbi test");
    form->SetSize(320, 200);
    form->Show();
    WaitViewable(*form);
    const Window window = form->GetWindow();

    EXPECT_EQ(TextProperty(window, "WM_NAME"), "Sassorbi test");
    EXPECT_EQ(TextProperty(window, "WM_ICON_NAME"), "Sassorbi.exe");
    EXPECT_EQ(ClassHint(window),
              std::make_pair(std::string("Sassorbi.exe"), std::string("Sassorbi.exe")));
    const XSizeHints hints = NormalHints(window);
    EXPECT_EQ(hints.min_width, 320);
    EXPECT_EQ(hints.max_width, 320);
    EXPECT_EQ(hints.min_height, 200);
    EXPECT_EQ(hints.max_height, 200);
    EXPECT_EQ(AtomListProperty(window, "WM_PROTOCOLS"),
              (std::vector<std::string>{"WM_DELETE_WINDOW", "_NET_WM_PING"}));
    EXPECT_TRUE(AtomListProperty(window, "_NET_WM_WINDOW_TYPE").empty());

    form->SetTitle("Renamed");
    XSync(display(), False);
    EXPECT_EQ(TextProperty(window, "WM_NAME"), "Renamed");
    EXPECT_EQ(TextProperty(window, "WM_ICON_NAME"), "Renamed");
}

TEST_F(FormTest, DialogsAloneCarryTheDialogWindowType) {
    auto dialog = MakeForm(10, 10, 100, 80, true);
    EXPECT_EQ(AtomListProperty(dialog->GetWindow(), "_NET_WM_WINDOW_TYPE"),
              std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_TRUE(dialog->IsDialog());
}

TEST_F(FormTest, TheBackgroundIsTheBackColourOrGreyWhenNoneIsSet) {
    auto grey = MakeForm(0, 0, 60, 60);
    auto black = std::make_unique<Form>();
    black->SetScreen(screen());
    black->SetBackColor(0x000000);
    black->SetLocation(100, 0);
    black->SetSize(60, 60);
    black->Show();
    WaitViewable(*black);
    EXPECT_EQ(PixelAt(grey->GetWindow(), 30, 30), 0xAAAAAAu);
    EXPECT_EQ(PixelAt(black->GetWindow(), 30, 30), 0x000000u);
}

TEST_F(FormTest, CenterOnScreenUsesTheScreenSizeAndNeverGoesNegative) {
    auto form = MakeForm(0, 0, 250, 150, false, false);
    form->CenterOnScreen();
    EXPECT_EQ(form->GetLocation().x, (screen()->GetWidth() - 250) / 2);
    EXPECT_EQ(form->GetLocation().y, (screen()->GetHeight() - 150) / 2);
    form->SetSize(screen()->GetWidth() + 100, 150);
    form->CenterOnScreen();
    EXPECT_EQ(form->GetLocation().x, 0);
}

// A form made before its screen is chosen centres on the program's screen.
TEST_F(FormTest, AFormWithoutAScreenCentresOnTheDefaultScreen) {
    ASSERT_EQ(Screen::GetDefaultScreen(), screen());
    Form form;
    form.SetSize(250, 150);
    form.CenterOnScreen();
    EXPECT_EQ(form.GetLocation().x, (screen()->GetWidth() - 250) / 2);
    EXPECT_EQ(form.GetLocation().y, (screen()->GetHeight() - 150) / 2);
}

// The keyboard can be given only to a window on the screen; asking for it for an unmapped
// one would only draw an error from the server.
TEST_F(FormTest, SetFocusGivesAViewableFormTheKeyboardAndAsksNothingForAnUnmappedOne) {
    auto first = MakeForm(0, 0, 100, 100);
    auto second = MakeForm(150, 0, 100, 100);
    const auto focused = [&] {
        XSync(display(), False);
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(driver(), &focus, &revert);
        return focus;
    };
    Focus(*second);
    ASSERT_EQ(focused(), second->GetWindow());
    first->SetFocus();
    EXPECT_EQ(focused(), first->GetWindow());

    second->Hide();
    LogMark log;
    second->SetFocus();
    EXPECT_EQ(focused(), first->GetWindow());
    Settle();
    EXPECT_EQ(log.Take(), "");
}

TEST_F(FormTest, HideUnmapsShowMappedMapsAgainAndShowOnlyRaises) {
    auto form = MakeForm(0, 0, 100, 100);
    form->Hide();
    XSync(display(), False);
    EXPECT_EQ(MapState(form->GetWindow()), IsUnmapped);
    EXPECT_TRUE(form->IsCreated());
    form->Show();
    XSync(display(), False);
    EXPECT_EQ(MapState(form->GetWindow()), IsUnmapped) << "Show raises, it does not map";
    form->ShowMapped();
    XSync(display(), False);
    EXPECT_EQ(MapState(form->GetWindow()), IsViewable);
}

// What the harness reads back, it reads after the program's requests reached the server: a
// window the program created but has not sent yet is not "unknown" to the driver.
TEST_F(FormTest, TheDriverSeesAWindowTheProgramHasNotSentYet) {
    const Window window =
        XCreateSimpleWindow(display(), DefaultRootWindow(display()), 0, 0, 10, 10, 0, 0, 0);
    EXPECT_EQ(MapState(window), IsUnmapped);
    XDestroyWindow(display(), window);
}

TEST_F(FormTest, DestroyingTheWindowTwiceIsHarmlessAndTheFormCanBeCreatedAgain) {
    auto form = MakeForm(0, 0, 100, 100);
    static int loads = 0;
    form->SetOnLoad([](GUIElement*, uint64_t) { ++loads; });
    const Window first = form->GetWindow();
    form->DestroyWindow();
    form->DestroyWindow();
    XSync(display(), False);
    EXPECT_FALSE(form->IsCreated());
    EXPECT_EQ(form->GetWindow(), 0u);
    EXPECT_EQ(MapState(first), -1) << "the server no longer knows the window";
    form->Show();
    WaitViewable(*form);
    EXPECT_NE(form->GetWindow(), 0u);
    EXPECT_EQ(loads, 0) << "OnLoad was set after the first load and never runs again";
}

TEST_F(FormTest, OnLoadRunsBeforeTheWindowIsMappedAndControlsDoNotPaintMeanwhile) {
    Form form;
    form.SetScreen(screen());
    static bool loading_during_load = false;
    static bool created_during_load = true;
    form.SetOnLoad([](GUIElement* element, uint64_t) {
        loading_during_load = Application::IsFormLoading();
        created_during_load = element->IsCreated();
    });
    form.Show();
    EXPECT_TRUE(loading_during_load);
    EXPECT_FALSE(created_during_load);
    EXPECT_FALSE(Application::IsFormLoading());
    EXPECT_TRUE(form.IsCreated());
    EXPECT_TRUE(form.IsVisible());
}

TEST_F(FormTest, FormsTakeIdsAtCreationAfterControlsCreatedEarlier) {
    Form first;
    first.SetScreen(screen());
    Form second;
    second.SetScreen(screen());
    ProbeControl probe(&first, "p", 0, 0, 10, 10);
    probe.Show();
    second.Show();
    first.Show();
    EXPECT_EQ(probe.GetId() + 1, second.GetId());
    EXPECT_EQ(second.GetId() + 1, first.GetId());
    EXPECT_EQ(first.GetTag(), static_cast<uint64_t>(first.GetId()));
}

TEST_F(FormTest, CreatingWithoutAScreenLogsAndCreatesNothing) {
    Form form;
    LogMark log;
    form.Show();
    EXPECT_EQ(log.Take(), "E' necessario impostare il display\n");
    EXPECT_FALSE(form.IsCreated());
    EXPECT_EQ(form.GetWindow(), 0u);
}

TEST_F(FormTest, ExposurePaintsTheDrawableCreatedControls) {
    auto form = MakeForm(0, 0, 200, 200, false, false);
    ProbeControl shown(form.get(), "shown", 0, 0, 10, 10);
    ProbeControl never_created(form.get(), "never", 0, 0, 10, 10);
    shown.Show();
    form->Show();
    WaitViewable(*form);
    EXPECT_GE(shown.paints, 1);
    EXPECT_EQ(never_created.paints, 0);
}

TEST_F(FormTest, BringToFrontAndSendToBackRestackTheWindowOnceCreated) {
    auto lower = MakeForm(0, 0, 100, 100);
    auto upper = MakeForm(50, 50, 100, 100);
    ASSERT_LT(StackPlace(lower->GetWindow()), StackPlace(upper->GetWindow()));
    lower->BringToFront();
    EXPECT_GT(StackPlace(lower->GetWindow()), StackPlace(upper->GetWindow()));
    lower->SendToBack();
    EXPECT_LT(StackPlace(lower->GetWindow()), StackPlace(upper->GetWindow()));
    lower->Raise();
    EXPECT_GT(StackPlace(lower->GetWindow()), StackPlace(upper->GetWindow()));

    const Window destroyed = upper->GetWindow();
    upper->DestroyWindow();
    upper->BringToFront();
    upper->SendToBack();
    EXPECT_EQ(StackPlace(destroyed), -1);
    EXPECT_EQ(upper->GetWindow(), 0u);
}

TEST_F(FormTest, TheIconPixmapReachesTheHintsAtCreationAndWhenChangedLater) {
    const TestPixmap first(display());
    const TestPixmap second(display());
    auto form = MakeForm(0, 0, 100, 100, false, false);
    form->SetIcon(first.Get());
    form->Show();
    WaitViewable(*form);
    EXPECT_EQ(WindowManagerHints(form->GetWindow()).icon_pixmap, first.Get());

    form->SetIcon(second.Get());
    const XWMHints hints = WindowManagerHints(form->GetWindow());
    EXPECT_EQ(hints.icon_pixmap, second.Get());
    EXPECT_EQ(hints.flags & (InputHint | StateHint | IconPixmapHint),
              InputHint | StateHint | IconPixmapHint);
    EXPECT_EQ(hints.input, True);
    EXPECT_EQ(hints.initial_state, NormalState);
}

// The client size grows by what the window lacks of the stored size; a window larger than
// the stored size adds nothing.
TEST_F(FormTest, SetClientSizeAddsWhatTheWindowLacksAndMovesBackByIt) {
    auto unmade = MakeForm(0, 0, 300, 200, false, false);
    unmade->SetClientSize(50, 60);
    EXPECT_EQ(unmade->GetSize().width, 300) << "only a created form changes";
    EXPECT_EQ(unmade->GetSize().height, 200);

    auto form = MakeForm(200, 150, 300, 200);
    const Window window = form->GetWindow();
    Point before = form->GetLocation();
    form->SetClientSize(260, 180);
    XRectangle geometry = Geometry(window);
    EXPECT_EQ(geometry.x, before.x);
    EXPECT_EQ(geometry.y, before.y);
    EXPECT_EQ(geometry.width, 260);
    EXPECT_EQ(geometry.height, 180);

    form->SetBounds(form->GetLocation().x, form->GetLocation().y, 270, 186);
    before = form->GetLocation();
    form->SetClientSizeEx(100, 80, false);
    geometry = Geometry(window);
    EXPECT_EQ(geometry.width, 110);
    EXPECT_EQ(geometry.height, 86);
    EXPECT_EQ(geometry.x, before.x - 1) << "no move without adjusting (the border is 1 pixel)";

    form->SetBounds(0, 0, 120, 90);
    before = form->GetLocation();
    form->SetClientSize(100, 80);
    geometry = Geometry(window);
    EXPECT_EQ(geometry.width, 110);
    EXPECT_EQ(geometry.height, 84);
    EXPECT_EQ(geometry.x, before.x - 10);
    EXPECT_EQ(geometry.y, before.y - 8) << "twice the missing height";

    form->SetBounds(0, 0, 50, 50);
    before = form->GetLocation();
    form->SetClientSize(100, 80);
    geometry = Geometry(window);
    EXPECT_EQ(geometry.width, 100);
    EXPECT_EQ(geometry.height, 80);
    EXPECT_EQ(geometry.x, before.x);
    EXPECT_EQ(geometry.y, before.y);
}

TEST_F(FormTest, ShowFormCreatesAndMapsOnceButNeverMapsAHiddenWindowAgain) {
    auto form = MakeForm(0, 0, 100, 100, false, false);
    form->ShowForm();
    EXPECT_TRUE(form->IsCreated());
    WaitViewable(*form);
    EXPECT_TRUE(form->IsVisible());
    const Window window = form->GetWindow();

    form->Hide();
    EXPECT_FALSE(form->IsVisible());
    form->ShowFormAlias();
    Settle();
    EXPECT_TRUE(form->IsVisible());
    EXPECT_EQ(MapState(window), IsUnmapped);
    EXPECT_EQ(form->GetWindow(), window) << "no second window";
}

TEST_F(FormTest, MarkingAFormNeedsItCreatedAndUnblocksIt) {
    auto form = MakeForm(0, 0, 100, 100, false, false);
    form->SetMarkedOn();
    EXPECT_FALSE(form->IsMarked());
    form->Show();
    WaitViewable(*form);
    form->SetBlocked(true);
    form->SetMarkedOn();
    EXPECT_TRUE(form->IsMarked());
    EXPECT_FALSE(form->IsBlocked());
    form->SetMarkedOff();
    EXPECT_FALSE(form->IsMarked());
    EXPECT_FALSE(form->IsBlocked());
    form->DestroyWindow();
    form->SetMarkedOn();
    EXPECT_FALSE(form->IsMarked()) << "no longer created";
}

TEST_F(FormTest, TheTitleAccessorsReadAndRenameTheWindow) {
    auto form = MakeForm(0, 0, 100, 100, false, false);
    form->SetTitleFrom("Prima");
    EXPECT_EQ(form->GetTitle(), "Prima");
    form->Show();
    WaitViewable(*form);
    EXPECT_EQ(TextProperty(form->GetWindow(), "WM_NAME"), "Prima");
    form->SetTitleFrom("Seconda");
    XSync(display(), False);
    EXPECT_EQ(TextProperty(form->GetWindow(), "WM_NAME"), "Seconda");
    EXPECT_EQ(form->GetTitle(), "Seconda");
    EXPECT_EQ(form->GetTitleValue(), "Seconda");
}

}  // namespace
}  // namespace sassorbi::testing
