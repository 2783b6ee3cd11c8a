#include <gtest/gtest.h>

#include "util/Text.h"

namespace sassorbi {
namespace {

using Parts = std::vector<std::string>;

TEST(TextTest, TrimRemovesWhitespaceAtTheEndsOnly) {
    EXPECT_EQ(Trim("  \tabc \n"), "abc");
    EXPECT_EQ(Trim("     "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(" a b "), "a b");
    EXPECT_EQ(TrimRight(" \tabc \r\n"), " \tabc");
    EXPECT_EQ(TrimRight("\n\n"), "");
}

TEST(TextTest, ToUpperConvertsLettersAndKeepsOtherBytes) {
    EXPECT_EQ(ToUpper("logo.bmp 1-z"), "LOGO.BMP 1-Z");
    EXPECT_EQ(ToUpper("\xe9x"), "\xe9X");
}

TEST(TextTest, ReplaceAllRestartsFromTheBeginning) {
    EXPECT_EQ(ReplaceAll("a.b.c", ".", "/"), "a/b/c");
    EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");
    EXPECT_EQ(ReplaceAll("abc", "x", "y"), "abc");
    EXPECT_EQ(ReplaceAll("a  b", " ", ""), "ab");
}

// A replacement holding the find: every occurrence of the original text, once, left to right.
// A replacement without find can still form a new find with the text after it, each time a
// little further on: searching again from the start would never end. Then every occurrence
// of the original is replaced once, left to right. Replacements that end keep the restarts.
TEST(TextTest, ReplaceAllEndsWhenTheReplacementKeepsFormingNewFindsWithoutHoldingOne) {
    EXPECT_EQ(ReplaceAll("aab", "ab", "bbaa"), "abbaa");
    EXPECT_EQ(ReplaceAll("xaabx", "ab", "bbaa"), "xabbaax");
    EXPECT_EQ(ReplaceAll("aab", "ab", "ba"), "baa");
    EXPECT_EQ(ReplaceAll("aaabbb", "ab", "ba"), "bbbaaa");
    EXPECT_EQ(ReplaceAll("aab", "ab", "bxa"), "bxaxa");
}

TEST(TextTest, ReplaceAllEndsOnFindsThatWouldRepeatForever) {
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("a.b.c", ".", ".."), "a..b..c");
    EXPECT_EQ(ReplaceAll("aaa", "a", "ba"), "bababa");
    EXPECT_EQ(ReplaceAll("x-y", "-", "<->"), "x<->y");
}

TEST(TextTest, SplitKeepsInnerEmptyPartsButNoTrailingOne) {
    EXPECT_EQ(Split("JoystickEnable=1", "="), (Parts{"JoystickEnable", "1"}));
    EXPECT_EQ(Split("a=", "="), (Parts{"a"}));
    EXPECT_EQ(Split("=b", "="), (Parts{"", "b"}));
    EXPECT_EQ(Split("x==y", "="), (Parts{"x", "", "y"}));
    EXPECT_EQ(Split("x::y::", "::"), (Parts{"x", "y"}));
    EXPECT_EQ(Split("plain", "="), (Parts{"plain"}));
    EXPECT_TRUE(Split("", "=").empty());
    EXPECT_TRUE(Split("a=b", "").empty());
}

TEST(TextTest, PaddingOnlyLengthensShortTexts) {
    EXPECT_EQ(PadLeft("7", ' ', 3), "  7");
    EXPECT_EQ(PadRight("ab", '.', 4), "ab..");
    EXPECT_EQ(PadLeft("abcd", ' ', 2), "abcd");
    EXPECT_EQ(PadRight("abcd", ' ', -1), "abcd");
}

TEST(TextTest, IntToStringPadsTheDecimalForm) {
    EXPECT_EQ(IntToString(7, '0', 3), "007");
    EXPECT_EQ(IntToString(-5, '0', 4), "00-5");
    EXPECT_EQ(IntToString(12345, '0', 3), "12345");
    EXPECT_EQ(IntToString(0), "0");
    EXPECT_EQ(IntToString(42, ' ', 5), "   42");
    EXPECT_EQ(IntToString(INT64_MIN), "-9223372036854775808");
}

TEST(TextTest, HexByteGivesTwoUpperCaseDigitsOfTheLowByte) {
    EXPECT_EQ(HexByte(10), "0A");
    EXPECT_EQ(HexByte(255), "FF");
    EXPECT_EQ(HexByte(0), "00");
    EXPECT_EQ(HexByte(0x1AB), "AB");
    EXPECT_EQ(HexByte(-1), "FF");
}

}  // namespace
}  // namespace sassorbi
