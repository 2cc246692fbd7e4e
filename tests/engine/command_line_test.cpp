#include "util/command_line.h"

#include <gtest/gtest.h>

namespace vornexa {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string_view line;
    Words words;
};

const SplitCase kSplitCases[] = {
    {"plain program", "xdg-open", {"xdg-open"}},
    {"program and option", "/usr/bin/gedit --new-window", {"/usr/bin/gedit", "--new-window"}},
    {"runs of blanks and tabs", "  view \t -r   -q  ", {"view", "-r", "-q"}},
    {"quoted with blanks", "\"/opt/my viewer/view\" -r", {"/opt/my viewer/view", "-r"}},
    {"escaped quotes", R"("say \"hi\"" x)", {"say \"hi\"", "x"}},
    {"escaped backslash", R"("a\\b")", {"a\\b"}},
    {"other backslash kept inside quotes", R"("C:\dir\v.exe")", {"C:\\dir\\v.exe"}},
    {"single quotes are literal", R"('a \"b' c)", {"a \\\"b", "c"}},
    {"pieces join into one word", R"(a"b c"d)", {"ab cd"}},
    {"empty quoted word", R"(view "" x)", {"view", "", "x"}},
    {"escaped blank outside quotes", R"(my\ viewer -r)", {"my viewer", "-r"}},
    {"trailing backslash kept", R"(view a\)", {"view", "a\\"}},
    {"shell syntax stays text",
     "view ; $(touch pwned) | x",
     {"view", ";", "$(touch", "pwned)", "|", "x"}},
    {"empty", "", {}},
    {"blanks only", "  \t ", {}},
    {"unbalanced double quote", R"("/opt/my viewer/view -r)", {}},
    {"unbalanced single quote", "view 'a", {}},
    {"quote opened by an escape's end", R"("a\")", {}},
};

TEST(CommandLineTest, SplitsAsADesktopUserWrites) {
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitCommandLine(c.line), c.words);
    }
}

}  // namespace
}  // namespace vornexa
