// The icon a form hands task bars and window switchers, read back from the server as a
// window manager reads it.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// An icon longer than the server takes in one request is not sent: the window keeps no icon,
// the log says why, and the server is never asked for what it must refuse.
TEST_F(FormIconTest, AnIconTooLongForOneRequestIsLoggedAndNotSent) {
    std::remove("log.txt");
    long longest = XExtendedMaxRequestSize(display());
    if (longest == 0) longest = XMaxRequestSize(display());
    std::vector<unsigned long> icon = {1, static_cast<unsigned long>(longest)};
    icon.resize(icon.size() + static_cast<size_t>(longest), 0xFF000000);
    auto form = MakeForm(10, 10, 120, 80, false, false);
    form->SetWindowIcon({1, 1, 0xFFABCDEF});
    form->Show();
    WaitViewable(*form);
    form->SetWindowIcon(icon);
    XSync(display(), False);
    EXPECT_TRUE(CardinalListProperty(form->GetWindow(), "_NET_WM_ICON").empty());
    std::ifstream log("log.txt");
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Icona troppo grande: " + std::to_string(icon.size()) + " numeri\n");
}

}  // namespace
}  // namespace sassorbi::testing
