#include "util/text.h"

#include <gtest/gtest.h>

namespace vornexa {
namespace {

TEST(PadDots, FillsToWidthAndLeavesLongerTextAlone) {
    EXPECT_EQ(PadDots("abcde", 10), "abcde.....");
    EXPECT_EQ(PadDots("abcdefghijkl", 10), "abcdefghijkl");
    EXPECT_EQ(PadDots("abcdefghij", 10), "abcdefghij");
    EXPECT_EQ(PadDots("Säule", 7), "Säule..");
}

TEST(WrapText, BreaksAtLastBlankAndTrimsTheContinuation) {
    struct Case {
        std::string text;
        size_t width;
        std::string expected;
    };
    const Case cases[] = {
        {"short", 70, "short\r\n"},
        {"no wrap below twenty one", 20, "no wrap below twenty one"},
        {"aaaa bbbb cccc dddd eeee ffff", 21, "aaaa bbbb cccc dddd\r\neeee ffff\r\n"},
        {"aaaa bbbb cccc    dddd eeee", 21, "aaaa bbbb cccc   \r\ndddd eeee\r\n"},
        {std::string(30, 'x'), 25, std::string(25, 'x') + "\r\n" + std::string(5, 'x') + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WrapText(c.text, c.width), c.expected);
    }
}

TEST(ReflowDescription, BreaksLongLinesByTheSixtyColumnRule) {
    const std::string blankAt52 = std::string(51, 'a') + " " + std::string(23, 'b');
    ASSERT_EQ(blankAt52.size(), 75u);
    const std::string noBlank = std::string(75, 'c');
    const std::string blankAt55 = std::string(54, 'd') + " " + std::string(15, 'e');
    // A remainder of 40..59 characters with a blank at or after 40 is split again.
    const std::string twice = std::string(59, 'f') + " " + std::string(44, 'g') + " " + "hhhh";
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"one\r\ntwo\r\n", "one\r\ntwo"},
        {"one\r\n\r\n   \r\n\r\ntwo", "one\r\ntwo"},
        {"\r\n  \r\n\r\n", ""},
        {"  indented  \r\n", "  indented  "},
        {blankAt52, std::string(51, 'a') + " \r\n" + std::string(23, 'b')},
        {noBlank, std::string(60, 'c') + "\r\n" + std::string(15, 'c')},
        {blankAt55, std::string(54, 'd') + " \r\n" + std::string(15, 'e')},
        {twice, std::string(59, 'f') + " \r\n" + std::string(44, 'g') + " \r\nhhhh"},
        {"lf\nonly\n", "lf\r\nonly"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(ReflowDescription(c.in), c.out);
        EXPECT_EQ(ReflowDescription(ReflowDescription(c.in)), c.out) << "not idempotent";
    }
}

TEST(ReflowDescription, CountsCharactersNotBytes) {
    const std::string line = std::string(58, 'a') + "é " + std::string(10, 'b');
    EXPECT_EQ(ReflowDescription(line), std::string(58, 'a') + "é \r\n" + std::string(10, 'b'));
}

TEST(FormatWindowCaption, ShortensLongPathsAndMarksUnsaved) {
    const std::string sixty = "/home/user/" + std::string(45, 'p') + ".VRN";
    ASSERT_EQ(sixty.size(), 60u);
    EXPECT_EQ(FormatWindowCaption("VORN", sixty, true),
              "VORN: " + sixty.substr(0, 10) + "..." + sixty.substr(23));
    EXPECT_EQ(FormatWindowCaption("VORN", "Untitled", false), "VORN: Untitled*");
    const std::string fifty(50, 'x');
    EXPECT_EQ(FormatWindowCaption("VORN", fifty, true), "VORN: " + fifty);
}

TEST(CentreWindow, CentresAndPinsOversizedWindowsToZero) {
    EXPECT_EQ(CentreWindow(1024, 768, 400, 300).left, 312);
    EXPECT_EQ(CentreWindow(1024, 768, 400, 300).top, 234);
    EXPECT_EQ(CentreWindow(1024, 768, 1200, 300).left, 0);
    EXPECT_EQ(CentreWindow(1024, 768, 400, 800).top, 0);
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    const std::vector<std::string> expected = {"a", "", "b", "c"};
    EXPECT_EQ(SplitLines("a\r\n\r\nb\nc\r\n"), expected);
    EXPECT_EQ(SplitLines("a\r\rb\rc"), expected);
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace vornexa
