#include "core/help_book.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "test_support.h"
#include "util/app_error.h"

namespace vornexa {
namespace {

struct TargetCase {
    std::string target;
    std::string page;
    std::string anchor;
};

TEST(HelpBookTest, SplitsTargetsIntoPageAndAnchor) {
    const TargetCase cases[] = {
        {"index.html", "index.html", ""},
        {"stress.html#depth", "stress.html", "depth"},
        {"sub/page.html#a#b", "sub/page.html", "a#b"},
        {"page.html#", "page.html", ""},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.target);
        const HelpTarget t = SplitHelpTarget(c.target);
        EXPECT_EQ(t.page, c.page);
        EXPECT_EQ(t.anchor, c.anchor);
    }
}

TEST(HelpBookTest, ContentsSkipCommentsBlankLinesAndByteOrderMark) {
    HelpBook book;
    ParseHelpContents(
        "\xEF\xBB\xBF# reading order\r\n"
        "0\tWelcome\tindex.html\r\n"
        "\r\n"
        "   \n"
        "\t\t\n"
        "1\t Stress parameters \tstress.html#depth\n"
        "2\tModulus\tstress.html#modulus\n"
        "0\tUnits\tunits.html",
        book);
    ASSERT_EQ(book.contents.size(), 4u);
    EXPECT_TRUE(book.problems.empty()) << book.problems.front();
    EXPECT_EQ(book.contents[0].title, "Welcome");
    EXPECT_EQ(book.contents[1].depth, 1);
    EXPECT_EQ(book.contents[1].title, "Stress parameters");
    EXPECT_EQ(book.contents[1].target, "stress.html#depth");
    EXPECT_EQ(book.contents[3].depth, 0);
    EXPECT_EQ(book.contents[3].target, "units.html");
}

struct BadLineCase {
    std::string line;
    std::string reason;
};

TEST(HelpBookTest, MalformedContentsLinesAreSkippedAndReportedWithTheirLine) {
    const BadLineCase cases[] = {
        {"0 Welcome index.html", "expected 3 fields"},
        {"0\tWelcome", "expected 3 fields"},
        {"0\tWelcome\tindex.html\textra", "expected 3 fields"},
        {"x\tWelcome\tindex.html", "depth is not a whole number: x"},
        {"-1\tWelcome\tindex.html", "depth is not a whole number"},
        {"+1\tWelcome\tindex.html", "depth is not a whole number"},
        {"0\t\tindex.html", "empty title"},
        {"0\tWelcome\t", "target is not a page"},
        {"0\tWelcome\t#top", "target is not a page"},
        {"0\tWelcome\t/etc/passwd", "target is not a page"},
        {"0\tWelcome\t../secret.html", "target is not a page"},
        {"0\tWelcome\tsub/../../secret.html", "target is not a page"},
        {"0\tWelcome\thttp://example.com/x.html", "target is not a page"},
        {"0\tWelcome\tC:\\help\\x.html", "target is not a page"},
    };
    for (const BadLineCase& c : cases) {
        SCOPED_TRACE(c.line);
        HelpBook book;
        ParseHelpContents("# header\n0\tStart\tindex.html\n" + c.line + "\n", book);
        ASSERT_EQ(book.contents.size(), 1u);
        ASSERT_EQ(book.problems.size(), 1u);
        EXPECT_EQ(book.problems[0].rfind("contents.tsv:3: ", 0), 0u) << book.problems[0];
        EXPECT_NE(book.problems[0].find(c.reason), std::string::npos) << book.problems[0];
    }
}

TEST(HelpBookTest, DotsInsideNamesAreNoWayUp) {
    HelpBook book;
    ParseHelpContents("0\tA\tv1..2.html\n1\tB\tsub/..x/page.html\n", book);
    EXPECT_EQ(book.contents.size(), 2u);
    EXPECT_TRUE(book.problems.empty());
}

TEST(HelpBookTest, ContentsLevelThatSkipsALevelIsTakenOneBelow) {
    HelpBook book;
    ParseHelpContents("2\tFirst\ta.html\n1\tSecond\tb.html\n3\tThird\tc.html\n0\tFourth\td.html\n",
                      book);
    ASSERT_EQ(book.contents.size(), 4u);
    EXPECT_EQ(book.contents[0].depth, 0);
    EXPECT_EQ(book.contents[1].depth, 1);
    EXPECT_EQ(book.contents[2].depth, 2);
    EXPECT_EQ(book.contents[3].depth, 0);
    ASSERT_EQ(book.problems.size(), 2u);
    EXPECT_EQ(book.problems[0], "contents.tsv:1: depth 2 skips a level; taken as 0");
    EXPECT_EQ(book.problems[1], "contents.tsv:3: depth 3 skips a level; taken as 2");
}

TEST(HelpBookTest, IndexAndContextLinesAndTheirFaults) {
    HelpBook book;
    ParseHelpIndex("Depth of cover\tstress.html#depth\n\tstress.html\nModulus\n", book);
    ParseHelpContext(
        "# number\twindow\tpage\n"
        "1000\tfrmMain\tindex.html\n"
        "2001\tfrmStressParm\tstress.html#depth\n"
        "2002\t\tstress.html#modulus\n"
        "2001\tfrmOther\tother.html\n"
        "12a\tfrmX\tx.html\n"
        "99999999999\tfrmY\ty.html\n",
        book);
    ASSERT_EQ(book.index.size(), 1u);
    EXPECT_EQ(book.index[0].keyword, "Depth of cover");
    EXPECT_EQ(book.index[0].target, "stress.html#depth");
    ASSERT_EQ(book.context.size(), 3u);
    const std::vector<std::string> expected = {
        "index.tsv:2: empty keyword",
        "index.tsv:3: expected 2 fields separated by tabs",
        "context.tsv:5: context number 2001 given twice",
        "context.tsv:6: context number is not a whole number: 12a",
        "context.tsv:7: context number is not a whole number: 99999999999",
    };
    EXPECT_EQ(book.problems, expected);
}

struct LookupCase {
    int number;
    std::string window;
    std::string byNumber;  // empty: no entry
    std::string byWindow;
};

TEST(HelpBookTest, LooksUpContextByNumberAndByWindowName) {
    HelpBook book;
    ParseHelpContext(
        "1000\tfrmMain\tindex.html\n"
        "2001\tfrmStressParm\tstress.html\n"
        "2002\tfrmStressParm\tstress.html#modulus\n"
        "3000\t\tnowindow.html\n",
        book);
    const LookupCase cases[] = {
        {1000, "frmMain", "index.html", "index.html"},
        {2002, "frmStressParm", "stress.html#modulus", "stress.html"},
        {3000, "", "nowindow.html", ""},
        {4, "frmUnknown", "", ""},
        {0, "frmmain", "", ""},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.number);
        const HelpContextEntry* n = book.FindContext(c.number);
        EXPECT_EQ(n == nullptr ? "" : n->target, c.byNumber);
        const HelpContextEntry* w = book.FindWindow(c.window);
        EXPECT_EQ(w == nullptr ? "" : w->target, c.byWindow);
    }
}

TEST(HelpBookTest, ContentsPagesOnceEachInReadingOrder) {
    HelpBook book;
    EXPECT_EQ(book.StartPage(), "index.html");
    EXPECT_TRUE(book.ContentsPages().empty());
    ParseHelpContents(
        "0\tStart\tstart.html#top\n1\tA\ta.html\n1\tA part\ta.html#part\n0\tBack\tstart.html\n"
        "0\tB\tb.html\n",
        book);
    EXPECT_EQ(book.StartPage(), "start.html#top");
    EXPECT_EQ(book.ContentsPages(), (std::vector<std::string>{"start.html", "a.html", "b.html"}));
}

TEST(HelpBookTest, LoadNeedsTheContentsOnly) {
    test::TempFolder dir;
    const std::string folder = dir.path().string() + "/";
    EXPECT_THROW(LoadHelpBook(folder), AppError);
    test::WriteAll(folder + "contents.tsv", "0\tStart\tindex.html\n");
    const HelpBook partial = LoadHelpBook(folder);
    EXPECT_EQ(partial.contents.size(), 1u);
    ASSERT_EQ(partial.problems.size(), 2u);
    EXPECT_EQ(partial.problems[0].rfind("index.tsv: ", 0), 0u);
    EXPECT_EQ(partial.problems[1].rfind("context.tsv: ", 0), 0u);
    test::WriteAll(folder + "index.tsv", "Start\tindex.html\n");
    test::WriteAll(folder + "context.tsv", "1000\tfrmMain\tindex.html\n");
    const HelpBook full = LoadHelpBook(folder);
    EXPECT_TRUE(full.problems.empty());
    EXPECT_EQ(full.index.size(), 1u);
    ASSERT_NE(full.FindWindow("frmMain"), nullptr);
}

#ifdef VORNEXA_DOCS_DIR
// The book as shipped: every line readable, every target a page with that anchor.
TEST(HelpBookTest, ShippedBookIsWhole) {
    const std::string folder = std::string(VORNEXA_DOCS_DIR) + "/help/";
    const HelpBook book = LoadHelpBook(folder);
    for (const std::string& problem : book.problems) {
        ADD_FAILURE() << problem;
    }
    EXPECT_FALSE(book.contents.empty());
    EXPECT_NE(book.FindContext(1000), nullptr) << "the about box and main window page";
    std::vector<std::string> targets;
    for (const auto& e : book.contents) {
        targets.push_back(e.target);
    }
    for (const auto& e : book.index) {
        targets.push_back(e.target);
    }
    for (const auto& e : book.context) {
        targets.push_back(e.target);
    }
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        const HelpTarget t = SplitHelpTarget(target);
        ASSERT_TRUE(std::filesystem::is_regular_file(folder + t.page));
        if (!t.anchor.empty()) {
            const std::string page = test::ReadAll(folder + t.page);
            EXPECT_TRUE(page.find("name=\"" + t.anchor + "\"") != std::string::npos ||
                        page.find("id=\"" + t.anchor + "\"") != std::string::npos);
        }
    }
}
#endif

}  // namespace
}  // namespace vornexa
