// Font descriptions: the names they build, and the one font each of them holds and frees.

#include <gtest/gtest.h>

#include "toolkit/FontSpec.h"
#include "tests/support/TempFolder.h"
#include "tests/support/XHarness.h"
#include "util/Log.h"

namespace sassorbi::testing {
namespace {

using FontSpecTest = XServerTest;

TEST_F(FontSpecTest, TheDefaultFontNameIsTheOneThisSystemAsksFor) {
    FontSpec font;
    EXPECT_STREQ(font.BuildFontName(), "-*-*-Medium-R-Normal--14-*");
    font.SetFamily("Topaz");
    font.SetBold(true);
    font.SetSize(12);
    EXPECT_STREQ(font.BuildFontName(), "-Topaz-Bold-R-Normal--12-*");
    FontSpec italic;
    italic.SetItalic(true);
    EXPECT_STREQ(italic.BuildFontName(), "-*-*-Medium-R-Italic--14-*");
    FontSpec loaded;
    EXPECT_NE(loaded.GetFont(display()), nullptr) << "the core fonts are installed";
}

// Each description frees only the font it loaded itself: copies never share one.
TEST_F(FontSpecTest, ACopyTakesTheDescriptionButNeverTheHeldFont) {
    FontSpec original;
    original.SetBold(true);
    XFontStruct* held = original.GetFont(display());
    ASSERT_NE(held, nullptr);
    FontSpec copy(original);
    EXPECT_FALSE(copy.IsLoaded());
    EXPECT_TRUE(copy.IsBold());
    XFontStruct* own = copy.GetFont(display());
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, held);
    EXPECT_EQ(original.GetFont(display()), held) << "the original keeps its own";
}

TEST_F(FontSpecTest, AssignmentDropsTheHeldFontAndTakesTheNewDescription) {
    FontSpec target;
    ASSERT_NE(target.GetFont(display()), nullptr);
    FontSpec other;
    other.SetFamily("no-such-family");
    other.SetBold(true);
    other.SetSize(11);
    target = other;
    EXPECT_FALSE(target.IsLoaded());
    EXPECT_STREQ(target.BuildFontName(), "-no-such-family-Bold-R-Normal--11-*");

    FontSpec loaded;
    XFontStruct* held = loaded.GetFont(display());
    ASSERT_NE(held, nullptr);
    target = loaded;
    EXPECT_FALSE(target.IsLoaded()) << "a loaded source lends nothing";
    EXPECT_NE(target.GetFont(display()), nullptr);
    EXPECT_EQ(loaded.GetFont(display()), held);
    const FontSpec& same = loaded;
    loaded = same;
    EXPECT_TRUE(loaded.IsLoaded()) << "assigning a description to itself keeps its font";
}

TEST_F(FontSpecTest, AnElementGivenADescriptionDropsTheFontItHeld) {
    auto form = MakeForm(0, 0, 40, 30);
    ASSERT_NE(form->GetFontSpec()->GetFont(display()), nullptr);
    FontSpec bold;
    bold.SetBold(true);
    form->SetFontSpec(bold);
    EXPECT_FALSE(form->GetFontSpec()->IsLoaded());
    EXPECT_TRUE(form->GetFontSpec()->IsBold());
    EXPECT_NE(form->GetFontSpec()->GetFont(display()), nullptr);
}

TEST_F(FontSpecTest, AFailedLoadIsLoggedAndTriedAgainAtTheNextUse) {
    TempFolder folder;
    ClearLog();
    FontSpec font;
    font.SetFamily("no-such-family");
    EXPECT_EQ(font.GetFont(display()), nullptr);
    EXPECT_EQ(font.GetFont(display()), nullptr);
    EXPECT_EQ(ReadFile("log.txt"), "XLoadQueryFont failed\nXLoadQueryFont failed\n");
    EXPECT_EQ(font.GetSizeValue(), 14);
    font.SetFamily("");
    EXPECT_NE(font.GetFont(display()), nullptr);
    EXPECT_TRUE(font.IsLoaded());
}

}  // namespace
}  // namespace sassorbi::testing
