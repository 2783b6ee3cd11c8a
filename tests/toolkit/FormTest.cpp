// Top-level windows as the server and a window manager see them.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/LogMark.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/XHarness.h"
#include "toolkit/Application.h"

namespace sassorbi::testing {
namespace {

using FormTest = XServerTest;

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

}  // namespace
}  // namespace sassorbi::testing
