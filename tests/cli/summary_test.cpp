#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <utility>

#include "cli/summary_row.h"

namespace {

namespace fs = std::filesystem;

struct Layout {
    std::string title = "Mains";
    int plan = 0;
    std::string sigmaH = "0", entries = "30", right = "200", left = "120";
    int longType = 0;
    std::string headgate = "0";
    int units = 0;
    std::string depth = "1000", modulus = "2", tolerance = "";
};

std::string ProjectText(const Layout& l) {
    std::ostringstream text;
    text << "VORN_201\r\n " << l.units << " \r\n"
         << l.title << "\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n " << l.plan << " \r\n 0 \r\n"
         << l.sigmaH << "\r\n"
         << l.entries << "\r\n"
         << l.right << "\r\n"
         << l.left << "\r\n " << l.longType << " \r\n"
         << l.headgate << "\r\n 1 \r\n 0 \r\n " << l.depth << " \r\n " << l.modulus << " \r\n";
    if (!l.tolerance.empty()) {
        text << "SigmaHTolerance=" << l.tolerance << "\r\n";
    }
    return text.str();
}

using Record = std::vector<std::string>;

// RFC 4180 as a strict reader: every record ends in CR LF, quotes only around whole fields.
std::vector<Record> ParseCsv(const std::string& text) {
    std::vector<Record> records;
    Record record(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && record.back().empty()) {
            const size_t start = ++i;
            while (i < text.size() && (text[i] != '"' || text[i + 1] == '"')) {
                i += text[i] == '"' ? 2 : 1;
            }
            record.back() =
                std::regex_replace(text.substr(start, i - start), std::regex("\"\""), "\"");
        } else if (c == ',') {
            record.emplace_back();
        } else if (c == '\r' && text.compare(i, 2, "\r\n") == 0) {
            records.push_back(std::exchange(record, Record(1)));
            ++i;
        } else {
            EXPECT_TRUE(c != '"' && c != '\r' && c != '\n') << "bare " << int(c) << " at " << i;
            record.back() += c;
        }
    }
    EXPECT_EQ(record, Record(1)) << "text after the last line end";
    return records;
}

class SummaryTest : public testing::Test {
  protected:
    SummaryTest() {
        std::string pattern = (fs::temp_directory_path() / "vornexa-summary-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
    }
    ~SummaryTest() override { fs::remove_all(root); }

    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = root / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // The program as a process with its own home, so no user settings are read.
    int Run(const std::vector<std::string>& args) {
        std::string line = "HOME='" + root.string() + "' " + VORNEXA_EXE;
        for (const std::string& arg : args) {
            line += " '" + arg + "'";
        }
        line += " >'" + (root / "out").string() + "' 2>'" + (root / "err").string() + "'";
        const int status = WEXITSTATUS(std::system(line.c_str()));
        out = Read(root / "out");
        err = Read(root / "err");
        return status;
    }
    std::vector<Record> Summary(const std::vector<std::string>& files, int status = 0) {
        std::vector<std::string> args{"--summary"};
        args.insert(args.end(), files.begin(), files.end());
        EXPECT_EQ(Run(args), status) << err;
        std::vector<Record> records = ParseCsv(out);
        EXPECT_FALSE(records.empty());
        return records;
    }
    std::string Cell(const Record& record, std::string_view column) {
        const auto at =
            std::find(vornexa::kSummaryColumns.begin(), vornexa::kSummaryColumns.end(), column);
        return record.at(static_cast<size_t>(at - vornexa::kSummaryColumns.begin()));
    }

    fs::path root;
    std::string out, err;
};

TEST_F(SummaryTest, ReportPrintsEveryProjectOfFilesAndFoldersInTurn) {
    const std::string a = Write("dir/a.vrn", ProjectText({.title = "a"}));
    const std::string b = Write("dir/B.VRN", ProjectText({.title = "B", .plan = 1}));
    const std::string c = Write("dir/c.Vrn", ProjectText({.title = "c", .tolerance = "10"}));
    Write("dir/notes.txt", "VORN_201\r\n");
    fs::create_directories(root / "dir" / "sub.VRN");
    const std::string bad = Write("bad.VRN", "NOT_A_PROJECT\r\n");
    const std::string missing = (root / "missing.VRN").string();
    std::map<std::string, std::string> single;
    for (const std::string& file : {a, b, c}) {
        ASSERT_EQ(Run({"--report", file}), 0) << err;
        single[file] = out;
    }
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> printed;
        std::string err;
    };
    const Case cases[] = {
        {{c}, {c}, ""},
        {{(root / "dir").string()}, {b, a, c}, ""},
        {{a, (root / "dir/").string(), b}, {a, b, a, c, b}, ""},
        {{bad, a, missing, c},
         {a, c},
         "Invalid file format\nError occurred: File not found (53)\n"},
        {{(root / "none").string() + "/"}, {}, "Error occurred: File not found (53)\n"},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.args.front());
        std::vector<std::string> args{"--report"};
        args.insert(args.end(), t.args.begin(), t.args.end());
        std::string expected;
        for (const std::string& file : t.printed) {
            expected += (expected.empty() ? "" : "\f") + single[file];
        }
        EXPECT_EQ(Run(args), t.err.empty() ? 0 : 1);
        EXPECT_EQ(out, expected);
        EXPECT_EQ(err, t.err);
    }
}

TEST_F(SummaryTest, CsvKeepsHostileTitlesAndReportsErrorsInTheirRow) {
    struct Case {
        std::string fileTitle;  // as stored in the file
        std::string title;      // as it must come out, UTF-8
    };
    const Case titles[] = {
        {"Panel 7, \"North\" mains", "Panel 7, \"North\" mains"},
        {"\"", "\""},
        {"Zone \xe6\x9d\xb1\xe4\xba\xac \xd0\xa8\xd0\xb0\xd1\x85\xd1\x82\xd0\xb0",
         "Zone 東京 Шахта"},
        {"Caf\xe9 \x93quoted\x94", "Café “quoted”"},
        {" padded ,", " padded ,"},
    };
    std::vector<std::string> files;
    for (const Case& c : titles) {
        files.push_back(Write("t" + std::to_string(files.size()) + ".VRN",
                              ProjectText({.title = c.fileTitle})));
    }
    std::string badPlan = ProjectText({.plan = 9});
    files.push_back(Write("plan, \"9\".VRN", badPlan));
    files.push_back((root / "missing.VRN").string());
    const std::vector<Record> records = Summary(files, 1);
    ASSERT_EQ(records.size(), files.size() + 1);
    EXPECT_EQ(records[0], Record(vornexa::kSummaryColumns.begin(), vornexa::kSummaryColumns.end()));
    for (size_t i = 0; i < std::size(titles); ++i) {
        SCOPED_TRACE(titles[i].title);
        ASSERT_EQ(records[i + 1].size(), vornexa::kSummaryColumns.size());
        EXPECT_EQ(Cell(records[i + 1], "file"), files[i]);
        EXPECT_EQ(Cell(records[i + 1], "title"), titles[i].title);
        EXPECT_EQ(Cell(records[i + 1], "error"), "");
    }
    const std::string errors[] = {"Invalid file format\nLine 7 (plan type): '9' is outside 0 to 1",
                                  "Error occurred: File not found (53)"};
    for (size_t i = 0; i < std::size(errors); ++i) {
        Record expected(vornexa::kSummaryColumns.size());
        expected.front() = files[std::size(titles) + i];
        expected.back() = errors[i];
        EXPECT_EQ(records[std::size(titles) + 1 + i], expected);
    }
    EXPECT_EQ(err, "");
}

TEST_F(SummaryTest, SummaryNumbersAgreeWithTheReport) {
    const Layout layouts[] = {
        {},
        {.sigmaH = "335", .entries = "10", .right = "100.4", .left = "279.5", .tolerance = "20"},
        {.plan = 1, .sigmaH = "65"},
        {.plan = 1, .sigmaH = "300", .longType = 1, .headgate = "10", .tolerance = "12.5"},
        {.sigmaH = "22.5", .units = 1, .depth = "304.8", .modulus = "13.8"},
    };
    const std::regex number(
        "\n(?:Angle of )?(Entries|Left Cross Cut|Right Cross Cut|Headgate Angle) to SigmaH"
        "\\.+(\\d+) |"
        "(Entry|Left Cross Cut|Right Cross Cut) Orientation: (\\w+)|"
        "(Entry|Left Cross Cut|Right Cross Cut) Orientation over the Band: (?:\\w+ to )?(\\w+)|"
        "Stress Level: ([\\d.]+)% (\\w+)|Level Range\\.+[\\d.]+ to ([\\d.]+)%|"
        "State over the Band: ([\\w ]+)\r|Tolerance\\.+\\+/- ([\\d.]+) ");
    const std::map<std::string, std::string> prefix = {
        {"Entries", "entries"},       {"Entry", "entries"},           {"Left Cross Cut", "left"},
        {"Right Cross Cut", "right"}, {"Headgate Angle", "headgate"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(ProjectText(layout));
        const std::string file = Write("p.VRN", ProjectText(layout));
        ASSERT_EQ(Run({"--report", file}), 0) << err;
        std::map<std::string, std::string> printed;
        for (std::sregex_iterator it(out.begin(), out.end(), number), end; it != end; ++it) {
            const std::smatch& m = *it;
            for (const auto& [group, suffix] :
                 {std::pair{1, "_angle"}, {3, "_class"}, {5, "_worst"}}) {
                if (m[group].matched) {
                    printed[prefix.at(m[group]) + suffix] = m[group + 1];
                }
            }
            for (const auto& [group, column] : {std::pair{7, "headgate_pct"},
                                                {8, "headgate_state"},
                                                {9, "headgate_worst_pct"},
                                                {10, "headgate_worst_state"},
                                                {11, "tolerance"}}) {
                if (m[group].matched) {
                    printed[column] = m[group];
                }
            }
        }
        ASSERT_EQ(Run({"--stress", file}), 0);
        printed["stress"] = out.substr(out.find('\t') + 1, out.size() - out.find('\t') - 2);
        const std::vector<Record> records = Summary({file});
        ASSERT_EQ(records.size(), 2u);
        for (const auto& [column, text] : printed) {
            EXPECT_EQ(Cell(records[1], column), text) << column;
        }
        const size_t banded = layout.tolerance.empty() ? 0 : 1;
        EXPECT_EQ(printed.size(), layout.plan == 0 ? 7 + 4 * banded : 4 + 3 * banded);
    }
}

TEST_F(SummaryTest, JsonHoldsTheSameRowsAsObjectsInColumnOrder) {
    const std::string files[] = {
        Write("d.VRN", ProjectText({.title = "Ünïcode, \"q\"", .tolerance = "20"})),
        Write("l.VRN", ProjectText({.plan = 1, .sigmaH = "22.5"})),
        Write("bad.VRN", "NOT_A_PROJECT\r\n"),
    };
    ASSERT_EQ(Run({"--summary", files[0], files[1], files[2], "--format", "csv"}), 1);
    const std::vector<Record> csv = ParseCsv(out);
    ASSERT_EQ(Run({"--summary", "--format", "json", files[0], files[1], files[2]}), 1);
    const nlohmann::ordered_json rows = nlohmann::ordered_json::parse(out);
    ASSERT_TRUE(rows.is_array());
    ASSERT_EQ(rows.size(), 3u);
    for (size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE(files[r]);
        size_t column = 0;
        for (const auto& [key, value] : rows[r].items()) {
            ASSERT_LT(column, vornexa::kSummaryColumns.size());
            EXPECT_EQ(key, vornexa::kSummaryColumns[column]);
            const std::string& cell = csv[r + 1][column++];
            if (cell.empty()) {
                EXPECT_TRUE(value.is_null()) << key;
            } else if (value.is_number()) {
                EXPECT_EQ(value.get<double>(), std::stod(cell)) << key;
            } else {
                EXPECT_EQ(value, cell) << key;
            }
        }
        EXPECT_EQ(column, vornexa::kSummaryColumns.size());
    }
    EXPECT_TRUE(rows[0]["entries_angle"].is_number_integer());
    EXPECT_TRUE(rows[1]["headgate_pct"].is_number_float());
    EXPECT_EQ(rows[1]["sigmah"], 22.5);
    EXPECT_EQ(rows[2]["error"], "Invalid file format");
}

TEST_F(SummaryTest, RefusesABadFormatOrNoFiles) {
    const std::string file = Write("d.VRN", ProjectText({}));
    const std::vector<std::string> cases[] = {
        {"--summary", file, "--format", "xml"},
        {"--summary", file, "--format"},
        {"--summary", "--format", "json"},
        {"--summary"},
    };
    for (const std::vector<std::string>& args : cases) {
        SCOPED_TRACE(args.back());
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(out, "");
        EXPECT_NE(err, "");
    }
}

}  // namespace
