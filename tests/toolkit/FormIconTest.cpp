// The icon a form hands task bars and window switchers, read back from the server as a
// window manager reads it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/LogMark.h"
#include "tests/support/XHarness.h"

namespace sassorbi::testing {
namespace {

using FormIconTest = XServerTest;

TEST_F(FormIconTest, TheIconReachesEveryWindowOfTheFormUntilTakenAway) {
    const std::vector<unsigned long> two_by_one = {2, 1, 0xFF102030, 0x80FFFFFF};
    auto form = MakeForm(10, 10, 120, 80, false, false);
    form->SetWindowIcon(two_by_one);
    form->Show();
    WaitViewable(*form);
    EXPECT_EQ(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON"), two_by_one)
        << "set before the window existed";

    const std::vector<unsigned long> one_pixel = {1, 1, 0xFFABCDEF};
    form->SetWindowIcon(one_pixel);
    XSync(display(), False);
    EXPECT_EQ(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON"), one_pixel)
        << "changed on the shown window";

    form->DestroyWindow();
    form->Show();
    WaitViewable(*form);
    EXPECT_EQ(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON"), one_pixel)
        << "a new window of the same form";

    form->SetWindowIcon({});
    XSync(display(), False);
    EXPECT_TRUE(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON").empty());
}

// A 256 x 256 icon is longer than a core request may be, so it goes as one big request. An
// icon longer than the server takes in one request is not sent: the window keeps no icon, the
// log says why, and the server is never asked for what it must refuse.
TEST_F(FormIconTest, ALargeIconGoesInOneBigRequestAndOneTooLongForAnyIsLoggedAndNotSent) {
    auto form = MakeForm(10, 10, 120, 80, false, false);
    form->Show();
    WaitViewable(*form);
    std::vector<unsigned long> large = {256, 256};
    large.resize(2 + 256 * 256, 0xFF336699);
    form->SetWindowIcon(large);
    XSync(display(), False);
    EXPECT_EQ(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON").size(), large.size());

    const long longest = XExtendedMaxRequestSize(display());
    ASSERT_GT(longest, 0) << "the server takes big requests";
    std::vector<unsigned long> icon = {1, static_cast<unsigned long>(longest)};
    icon.resize(icon.size() + static_cast<size_t>(longest), 0xFF000000);
    LogMark log;
    form->SetWindowIcon(icon);
    XSync(display(), False);
    EXPECT_TRUE(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON").empty());
    EXPECT_EQ(log.Take(), "Icona troppo grande: " + std::to_string(icon.size()) + " numeri\n");
}

}  // namespace
}  // namespace sassorbi::testing
