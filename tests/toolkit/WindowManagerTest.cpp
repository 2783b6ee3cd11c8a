// Forms under a real reparenting window manager (openbox), closed and resized the way a
// user does it through the window manager.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/ProbeControl.h"
#include "tests/support/XHarness.h"
#include "toolkit/MonotonicClock.h"

namespace sassorbi::testing {
namespace {

class WindowManagerTest : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        EventLog().clear();
        wm_ = fork();
        if (wm_ == 0) {
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_TRUE(PumpUntil([&] { return ManagesNewWindows(); }, 10000))
            << "openbox did not start";
    }

    void TearDown() override {
        kill(wm_, SIGTERM);
        waitpid(wm_, nullptr, 0);
        XServerTest::TearDown();
    }

    // The window manager is ready once it frames a window that is mapped now; it announces
    // itself before it has finished taking over the screen.
    bool ManagesNewWindows() {
        Window root = DefaultRootWindow(driver());
        Window probe = XCreateSimpleWindow(driver(), root, 0, 0, 10, 10, 0, 0, 0);
        XMapWindow(driver(), probe);
        XSync(driver(), False);
        usleep(50 * 1000);
        Window parent = root, *children = nullptr;
        unsigned count = 0;
        XQueryTree(driver(), probe, &root, &parent, &children, &count);
        if (children != nullptr) XFree(children);
        XDestroyWindow(driver(), probe);
        XSync(driver(), False);
        return parent != root;
    }

    // Runs wmctrl against the test server, letting the loop run meanwhile.
    int Wmctrl(const std::vector<std::string>& arguments) {
        const pid_t pid = fork();
        if (pid == 0) {
            std::vector<char*> argv{const_cast<char*>("wmctrl")};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execvp("wmctrl", argv.data());
            _exit(127);
        }
        int status = -1;
        PumpUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 5000);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::unique_ptr<Form> MakeTitledForm(const std::string& title, bool dialog) {
        auto form = MakeForm(100, 100, 200, 150, dialog, false);
        form->SetTitle(title);
        form->SetName(title);
        RecordEvents(form.get());
        form->Show();
        WaitViewable(*form);
        return form;
    }

    pid_t wm_ = 0;
};

TEST_F(WindowManagerTest, ClosingADialogThroughTheWindowManagerDestroysIt) {
    auto dialog = MakeTitledForm("wm-dialog", true);
    ASSERT_EQ(Wmctrl({"-c", "wm-dialog"}), 0);
    ASSERT_TRUE(PumpUntil([] { return CountEvents("wm-dialog.Closed") == 1; }));
    EXPECT_EQ(CountEvents("wm-dialog.QueryClose"), 1);
    EXPECT_FALSE(dialog->IsCreated());
}

TEST_F(WindowManagerTest, TheUserCannotResizeAFormAndFocusCanBeGiven) {
    auto form = MakeTitledForm("wm-fixed", false);
    Wmctrl({"-r", "wm-fixed", "-e", "0,-1,-1,500,400"});
    Settle();
    EXPECT_EQ(form->GetActualWidth(), 200);
    EXPECT_EQ(form->GetActualHeight(), 150);
    EXPECT_EQ(CountEvents("wm-fixed.Resize"), 0);
    form->SetFocus();
    Settle();
    Window focus;
    int revert;
    XGetInputFocus(driver(), &focus, &revert);
    EXPECT_EQ(focus, form->GetWindow());
}

TEST_F(WindowManagerTest, SetSizeStillResizesTheWindow) {
    auto form = MakeTitledForm("wm-sized", false);
    form->SetSize(260, 180);
    ASSERT_TRUE(PumpUntil([&] { return form->GetActualWidth() == 260; }));
    EXPECT_EQ(form->GetActualHeight(), 180);
}

}  // namespace
}  // namespace sassorbi::testing
