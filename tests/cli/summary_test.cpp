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
#include <tuple>
#include <utility>

#include "cli/summary_row.h"

namespace {

namespace fs = std::filesystem;

// A project from its title and its lines after the description, given blank separated:
// plan type, region, SigmaH, entries, right, left, sequence, headgate, show graph, stress
// region, depth, modulus, then the band when there is one.
std::string Project(const std::string& title, const std::string& fields = "0 0 0 30 200 120 0 0",
                    const std::string& stress = "1 0 1000 2", int units = 0) {
    return "VORN_201\r\n" + std::to_string(units) + "\r\n" + title +
           "\r\n##StartDesc##\r\n##EndDesc##\r\n" +
           std::regex_replace(fields + " " + stress, std::regex(" "), "\r\n") + "\r\n";
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
    const std::string a = Write("dir/a.vrn", Project("a"));
    const std::string b = Write("dir/B.VRN", Project("B", "1 0 65 0 90 270 0 0"));
    const std::string c =
        Write("dir/c.Vrn", Project("c", "0 0 0 30 200 120 0 0", "1 0 1000 2 SigmaHTolerance=10"));
    Write("dir/notes.txt", Project("not a project file"));
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
    const std::pair<std::string, std::string> titles[] = {
        // As stored in the file, and as it must come out in UTF-8.
        {"Panel 7, \"North\" mains", "Panel 7, \"North\" mains"},
        {"\"", "\""},
        {" Zone 東京 Шахта ,", " Zone 東京 Шахта ,"},
        {"Caf\xe9 \x93quoted\x94", "Café “quoted”"},
    };
    std::vector<std::string> files;
    for (const auto& [stored, shown] : titles) {
        files.push_back(Write("t" + std::to_string(files.size()) + ".VRN", Project(stored)));
    }
    files.push_back(Write("plan, \"9\".VRN", Project("", "9 0 0 30 200 120 0 0")));
    files.push_back((root / "missing.VRN").string());
    const std::vector<Record> records = Summary(files, 1);
    ASSERT_EQ(records.size(), files.size() + 1);
    EXPECT_EQ(records[0], Record(vornexa::kSummaryColumns.begin(), vornexa::kSummaryColumns.end()));
    for (size_t i = 0; i < std::size(titles); ++i) {
        ASSERT_EQ(records[i + 1].size(), vornexa::kSummaryColumns.size());
        EXPECT_EQ(Cell(records[i + 1], "file"), files[i]);
        EXPECT_EQ(Cell(records[i + 1], "title"), titles[i].second);
        EXPECT_EQ(Cell(records[i + 1], "error"), "");
    }
    const std::string errors[] = {"Invalid file format\nLine 6 (plan type): '9' is outside 0 to 1",
                                  "Error occurred: File not found (53)"};
    for (size_t i = 0; i < std::size(errors); ++i) {
        Record expected(vornexa::kSummaryColumns.size());
        expected.front() = files[std::size(titles) + i];
        expected.back() = errors[i];
        EXPECT_EQ(records[std::size(titles) + 1 + i], expected) << "nothing else in an error row";
    }
    EXPECT_EQ(err, "");
}

TEST_F(SummaryTest, SummaryNumbersAgreeWithTheReport) {
    const std::tuple<std::string, std::string, int, std::string> projects[] = {
        {"0 0 0 30 200 120 0 0", "1 0 1000 2", 0, "English,Development,User Defined"},
        {"0 3 335 10 100.4 279.5 0 0", "1 0 304.8 13.8 SigmaHTolerance=20", 1,
         "Metric,Development,West (Utah)"},
        {"1 1 65 0 90 270 0 0", "1 0 1000 2", 0, "English,Longwall,Eastern"},
        {"1 -1 300 0 90 270 1 10", "1 2 800 3 SigmaHTolerance=12.5", 0, "English,Longwall,"},
    };
    // What the report prints for each column, or nothing when the cell is empty.
    const std::pair<std::string, std::string> printed[] = {
        {"entries_angle", "\nAngle of Entries to SigmaH\\.+(\\d+) "},
        {"entries_class", "Entry Orientation: (\\w+)"},
        {"left_angle", "\nAngle of Left Cross Cut to SigmaH\\.+(\\d+) "},
        {"left_class", "Left Cross Cut Orientation: (\\w+)"},
        {"right_angle", "\nAngle of Right Cross Cut to SigmaH\\.+(\\d+) "},
        {"right_class", "Right Cross Cut Orientation: (\\w+)"},
        {"headgate_angle", "Headgate Angle to SigmaH\\.+(\\d+) "},
        {"headgate_pct", "Stress Level: ([\\d.]+)%"},
        {"headgate_state", "Stress Level: [\\d.]+% (\\w+)"},
        {"tolerance", "SigmaH Tolerance\\.+\\+/- ([\\d.]+) "},
        {"entries_worst", "Entry Orientation over the Band: (?:\\w+ to )?(\\w+)"},
        {"left_worst", "Left Cross Cut Orientation over the Band: (?:\\w+ to )?(\\w+)"},
        {"right_worst", "Right Cross Cut Orientation over the Band: (?:\\w+ to )?(\\w+)"},
        {"headgate_worst_pct", "Level Range\\.+[\\d.]+ to ([\\d.]+)%"},
        {"headgate_worst_state", "State over the Band: ([\\w ]+)\r"},
    };
    for (const auto& [layout, stress, units, words] : projects) {
        SCOPED_TRACE(layout);
        const std::string file = Write("p.VRN", Project("p", layout, stress, units));
        const Record row = Summary({file}).at(1);
        EXPECT_EQ(
            Cell(row, "units") + "," + Cell(row, "plan_type") + "," + Cell(row, "sigmah_region"),
            words);
        ASSERT_EQ(Run({"--stress", file}), 0) << err;
        EXPECT_EQ(out, "Horizontal Stress (" + Cell(row, "stress_unit") + ")\t" +
                           Cell(row, "stress") + "\n");
        ASSERT_EQ(Run({"--report", file}), 0) << err;
        for (const auto& [column, pattern] : printed) {
            std::smatch match;
            std::regex_search(out, match, std::regex(pattern));
            EXPECT_EQ(Cell(row, column), match.empty() ? "" : match.str(1)) << column;
        }
    }
}

TEST_F(SummaryTest, JsonHoldsTheSameRowsAsObjectsInColumnOrder) {
    const std::string files[] = {
        Write("d.VRN",
              Project("Ünïcode, \"q\"", "0 0 0 30 200 120 0 0", "1 0 1000 2 SigmaHTolerance=20")),
        Write("l.VRN", Project("l", "1 0 22.5 0 90 270 0 0")),
        Write("bad.VRN", "NOT_A_PROJECT\r\n"),
    };
    ASSERT_EQ(Run({"--summary", files[0], files[1], files[2], "--format", "csv"}), 1);
    const std::vector<Record> csv = ParseCsv(out);
    ASSERT_EQ(Run({"--summary", "--format", "json", files[0], files[1], files[2]}), 1);
    const nlohmann::ordered_json rows = nlohmann::ordered_json::parse(out);
    ASSERT_EQ(rows.size(), 3u);
    for (size_t r = 0; r < rows.size(); ++r) {
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
    EXPECT_TRUE(rows[1]["headgate_pct"].is_number_float());
    EXPECT_TRUE(rows[1]["headgate_angle"].is_number_integer());
}

TEST_F(SummaryTest, BatchGivesTheSummaryOfTheLayoutsItReadsBack) {
    std::vector<std::string> files = {
        Write("d.VRN",
              Project("d, \"1\"", "0 2 335 10 100.4 279.5 0 0", "1 0 1000 2 SigmaHTolerance=20")),
        Write("l.VRN", Project("l", "1 1 65 0 90 270 1 22.5")),
    };
    const std::vector<Record> summary = Summary(files);
    const std::string layouts = Write("layouts.csv", out + "\r\nx,English,Longwall,400\r\n");
    ASSERT_EQ(Run({"--batch", layouts}), 1) << err;
    const std::vector<Record> batch = ParseCsv(out);
    ASSERT_EQ(batch.size(), 4u);
    for (size_t r = 1; r < summary.size(); ++r) {
        EXPECT_EQ(Cell(batch[r], "file"), layouts + ":" + std::to_string(r + 1));
        EXPECT_EQ(Record(batch[r].begin() + 1, batch[r].end()),
                  Record(summary[r].begin() + 1, summary[r].end()));
    }
    EXPECT_EQ(Cell(batch[3], "file"), layouts + ":5");
    EXPECT_NE(Cell(batch[3], "error"), "");
    ASSERT_EQ(Run({"--batch", "--format", "json", layouts}), 1);
    EXPECT_EQ(nlohmann::json::parse(out).size(), 3u);
    EXPECT_EQ(Run({"--batch", (root / "missing.csv").string()}), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "Error occurred: File not found (53)\n");
    EXPECT_EQ(Run({"--batch", root.string()}), 1) << "a folder is no layouts file";
    EXPECT_EQ(out, "");
}

TEST_F(SummaryTest, RefusesABadFormatOrNoFiles) {
    const std::string file = Write("d.VRN", Project("d"));
    const std::vector<std::string> cases[] = {
        {"--summary", file, "--format", "xml"},
        {"--summary", file, "--format"},
        {"--summary", "--format", "json"},
        {"--summary"},
        {"--batch", file, file},
        {"--batch", file, "--format", "tsv"},
    };
    for (const std::vector<std::string>& args : cases) {
        SCOPED_TRACE(args.back());
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(out, "");
        EXPECT_NE(err, "");
    }
}

}  // namespace
