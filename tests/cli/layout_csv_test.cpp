#include "cli/layout_csv.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "core/options.h"
#include "core/project_commands.h"

namespace vornexa {
namespace {

std::vector<SummaryInput> ReadAll(const std::string& text, const AnalysisOptions& options = {}) {
    std::istringstream in(text);
    LayoutReader reader(in, "layouts.csv", options);
    std::vector<SummaryInput> rows;
    for (SummaryInput row; reader.Next(row);) {
        rows.push_back(row);
    }
    return rows;
}

SummaryInput ReadOne(const std::string& text) {
    const std::vector<SummaryInput> rows = ReadAll(text);
    EXPECT_EQ(rows.size(), 1u) << text;
    return rows.empty() ? SummaryInput{} : rows.front();
}

void ExpectSameProject(const ProjectRecord& got, const ProjectRecord& want,
                       const std::string& why) {
    EXPECT_EQ(got.ProjParms, want.ProjParms) << why;
    EXPECT_EQ(got.ProjTitle, want.ProjTitle) << why;
    EXPECT_EQ(got.CurrentUnits, want.CurrentUnits) << why;
    EXPECT_EQ(got.StressRegion, want.StressRegion) << why;
    EXPECT_EQ(got.DepthCover, want.DepthCover) << why;
    EXPECT_EQ(got.RockModulus, want.RockModulus) << why;
}

TEST(LayoutReader, MatchesColumnNamesWithoutCaseBlanksOrUnderscores) {
    const std::string headers[] = {
        "title,units,plan_type,sigmah,sigmah_region,entries,left,right,headgate,type,tolerance,"
        "stress_region,depth,modulus",
        "Title,Units,Plan Type,Sigma H,SigmaH Region,Entries,Left,Right,Head Gate,Type,Tolerance,"
        "Stress Region,Depth,Modulus",
        "TITLE,UNITS,PLANTYPE,SIGMAH,SIGMAHREGION,ENTRIES,LEFT,RIGHT,HEADGATE,TYPE,TOLERANCE,"
        "STRESSREGION,DEPTH,MODULUS",
        "\"Title\", units ,\"plan type\",Sigma_H,Sigma_H_Region,entries,left,right,head_gate,type,"
        "tolerance,Stress_Region,depth,modulus",
    };
    ProjectRecord want;
    want.ProjTitle = "Mains";
    want.CurrentUnits = 1;
    want.ProjParms = {kPlanLongwall, 1, 335, 22.5f, 120, 300, 1, 45, 1, 20};
    want.StressRegion = 2;
    want.DepthCover = 650;
    want.RockModulus = 3.5f;
    for (const std::string& header : headers) {
        const std::string text =
            header +
            "\nMains,Metric,Longwall,335,Eastern,22.5,300,120,45,B,20,UK/Germany,650,3.5\n";
        const SummaryInput row = ReadOne(text);
        EXPECT_EQ(row.error, "") << text;
        EXPECT_EQ(row.file, "layouts.csv:2") << text;
        ExpectSameProject(row.project, want, text);
    }
}

TEST(LayoutReader, ReadsChoiceWordsInAnyCaseOrTheirIndexes) {
    struct Case {
        std::string cells;  // plan_type,type,units,sigmah_region,stress_region,sigmah
        std::array<int16_t, 5> indexes;
        float sigmaH;  // a region stands for its azimuth unless one is typed
    };
    const Case cases[] = {
        {"DEVELOPMENT,right to left,english,west (utah),qld australia,", {0, 1, 0, 3, 4}, 335},
        {"1,b,1,2,1,", {1, 1, 1, 2, 1}, 80},
        {"longwall,A,METRIC,0,0,", {1, 0, 1, 0, 0}, 0},
        {"0,Left To Right,0,eastern,Western US,10", {0, 0, 0, 1, 1}, 10},
    };
    for (const Case& c : cases) {
        const std::string text =
            "plan_type,type,units,sigmah_region,stress_region,sigmah\n" + c.cells;
        const SummaryInput row = ReadOne(text);
        const ProjectRecord& p = row.project;
        EXPECT_EQ(row.error, "") << text;
        EXPECT_EQ((std::array{p.ProjParms.PlanType, p.ProjParms.LongType, p.CurrentUnits,
                              p.ProjParms.RegionType, p.StressRegion}),
                  c.indexes)
            << text;
        EXPECT_EQ(p.ProjParms.AzimSigmaH, c.sigmaH) << text;
    }
}

TEST(LayoutReader, ReadsQuotedCellsAndCrLfOrLfRecordEnds) {
    struct Case {
        std::string text;
        std::string title;
        std::string nextFile;  // the row after the quoted one
    };
    const Case cases[] = {
        {"title,entries\r\nA,10\r\nB,10\r\n", "A", "layouts.csv:3"},
        {"title,entries\n\"Mains, North\",10\nB,10\n", "Mains, North", "layouts.csv:3"},
        {"title,entries\n\"He said \"\"go\"\"\",10\nB,10\n", "He said \"go\"", "layouts.csv:3"},
        {"title,entries\r\n\"two\r\nlines\",10\r\nB,10\r\n", "two\r\nlines", "layouts.csv:4"},
        {"title,entries\n\"two\nlines\",10\nB,10\n", "two\nlines", "layouts.csv:4"},
        {"\"ti,tle\",title,entries\nx,\"\",10\nB,B,10\n", "", "layouts.csv:3"},
    };
    for (const Case& c : cases) {
        const std::vector<SummaryInput> rows = ReadAll(c.text);
        ASSERT_EQ(rows.size(), 2u) << c.text;
        EXPECT_EQ(rows[0].error, "") << c.text;
        EXPECT_EQ(rows[0].project.ProjTitle, c.title) << c.text;
        EXPECT_EQ(rows[0].project.ProjParms.AzimEntries, 10) << c.text;
        EXPECT_EQ(rows[1].file, c.nextFile) << c.text;
    }
}

TEST(LayoutReader, MissingColumnsAndBlankCellsTakeTheOptionsDefaults) {
    AnalysisOptions options;
    options.DefaultRegionType = 1;
    options.DefaultAzimSigmaH = 65;
    options.DefaultAzimEntries = 30;
    options.DefaultAzimLeftCross = 300;
    options.DefaultAzimRightCross = 120;
    options.DefaultAzimHeadGate = 15;
    options.DefaultSigmaHTolerance = 10;
    options.EnableStressGraph = 0;
    const std::string texts[] = {
        "title\nMains\n",
        "title,entries,left,sigmah_region,type\nMains,,  ,\"\",\n",
        "title,entries,left,right,depth\nMains\n",
    };
    ProjectRecord want;
    want.ProjParms = NewProjectParms(options);
    want.ProjTitle = "Mains";
    for (const std::string& text : texts) {
        const std::vector<SummaryInput> rows = ReadAll(text, options);
        ASSERT_EQ(rows.size(), 1u) << text;
        EXPECT_EQ(rows[0].error, "") << text;
        ExpectSameProject(rows[0].project, want, text);
    }
    // A metric layout without stress inputs has the metric new-project ones.
    want.CurrentUnits = 1;
    SetNewProjectStress(want);
    ExpectSameProject(ReadAll("title,units\nMains,Metric\n", options).at(0).project, want,
                      "metric");
}

TEST(LayoutReader, NamesTheColumnAndTheValueOfABadCell) {
    struct Case {
        std::string header;
        std::string cell;
        std::string error;
    };
    const Case cases[] = {
        {"sigmah", "abc", "sigmah: \"abc\" is not a number in 0..360"},
        {"entries", "361", "entries: \"361\" is not a number in 0..360"},
        {"left", "-1", "left: \"-1\" is not a number in 0..360"},
        {"right", "\"1,5\"", "right: \"1,5\" is not a number in 0..360"},
        {"headgate", "45 deg", "headgate: \"45 deg\" is not a number in 0..360"},
        {"tolerance", "91", "tolerance: \"91\" is not a number in 0..90"},
        {"depth", "0", "depth: \"0\" is not a positive number"},
        {"modulus", "-2", "modulus: \"-2\" is not a positive number"},
        {"depth", "1e39", "depth: \"1e39\" is not a positive number"},
        {"Plan Type", "Open", "plan_type: \"Open\" is not one of Development, Longwall, 0, 1"},
        {"plan_type", "2", "plan_type: \"2\" is not one of Development, Longwall, 0, 1"},
        {"type", "C", "type: \"C\" is not one of Left to Right, Right to Left, A, B, 0, 1"},
        {"units", "Imperial", "units: \"Imperial\" is not one of English, Metric, 0, 1"},
        {"sigmah_region", "North",
         "sigmah_region: \"North\" is not one of User Defined, Eastern, Central, West (Utah), "
         "0..3"},
        {"sigmah_region", "1.5",
         "sigmah_region: \"1.5\" is not one of User Defined, Eastern, Central, West (Utah), "
         "0..3"},
        {"stress_region", "5",
         "stress_region: \"5\" is not one of Eastern US, Western US, UK/Germany, NSW Australia, "
         "Qld Australia, 0..4"},
    };
    for (const Case& c : cases) {
        const std::string text = "title," + c.header + "\nbad," + c.cell + "\ngood\n";
        const std::vector<SummaryInput> rows = ReadAll(text);
        ASSERT_EQ(rows.size(), 2u) << text;
        EXPECT_EQ(rows[0].error, c.error) << text;
        EXPECT_EQ(rows[0].file, "layouts.csv:2") << text;
        EXPECT_EQ(rows[1].error, "") << text;
        EXPECT_EQ(rows[1].project.ProjTitle, "good") << text;
    }
}

TEST(LayoutReader, AQuoteLeftOpenSpoilsOnlyTheLastRow) {
    const std::vector<SummaryInput> rows = ReadAll("title\nA\n\"Mains\nB\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].error, "");
    EXPECT_EQ(rows[1].file, "layouts.csv:3");
    EXPECT_EQ(rows[1].error,
              "the quoted cell opened on line 3 is not closed before the end of the file");
}

TEST(LayoutReader, SkipsBlankRecordsAndAByteOrderMark) {
    struct Case {
        std::string text;
        std::vector<std::string> rows;  // file and title
    };
    const Case cases[] = {
        {"", {}},
        {"title,entries\n", {}},
        {"title,entries", {}},
        {"\n\n", {}},
        {"\n\ntitle\n\nA\n\n\nB", {"layouts.csv:5 A", "layouts.csv:8 B"}},
        {"title\r\n,,\r\n  \r\nA\r\n", {"layouts.csv:4 A"}},
        {"\xEF\xBB\xBFtitle\nA\n", {"layouts.csv:2 A"}},
        {"\xEF\xBB\xBF\"title\"\r\nA\r\n", {"layouts.csv:2 A"}},
        // Not a mark: the bytes stay, so the column is unknown.
        {"\xEF\xBBtitle\nA\n", {"layouts.csv:2 "}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> rows;
        for (const SummaryInput& row : ReadAll(c.text)) {
            EXPECT_EQ(row.error, "") << c.text;
            rows.push_back(row.file + " " + row.project.ProjTitle);
        }
        EXPECT_EQ(rows, c.rows) << c.text;
    }
}

TEST(LayoutReader, ReadsASummaryBackIgnoringItsOutputColumns) {
    const std::map<std::string_view, std::string_view> inputs = {
        {"title", "Mains"}, {"units", "English"}, {"plan_type", "Longwall"},
        {"sigmah", "335"},  {"entries", "40"},    {"sigmah_region", "Eastern"},
        {"left", "300"},    {"right", "120"},     {"headgate", "10"},
        {"type", "B"},      {"tolerance", "20"},
    };
    std::string header;
    std::string cells;
    for (std::string_view column : kSummaryColumns) {
        header.append(column).append(",");
        cells.append(inputs.contains(column) ? inputs.at(column) : "Unfavorable").append(",");
    }
    // An unknown column, a repeated one (the first counts) and a cell past the header.
    const SummaryInput row = ReadOne(header + "notes,entries\n" + cells + "x,50,extra\n");
    EXPECT_EQ(row.error, "");
    ProjectRecord want;
    want.ProjTitle = "Mains";
    want.ProjParms = {kPlanLongwall, 1, 335, 40, 120, 300, 1, 10, 1, 20};
    ExpectSameProject(row.project, want, header);
}

}  // namespace
}  // namespace vornexa
