#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/orientation.h"
#include "analysis/report.h"
#include "core/app_state.h"
#include "core/project_commands.h"
#include "core/project_file.h"
#include "stress/stress_estimate.h"
#include "test_support.h"
#include "util/numbers.h"
#include "util/unit_conversion.h"

#ifndef VORNEXA_DOCS_DIR
#error "VORNEXA_DOCS_DIR must name the docs folder of the source tree"
#endif

// The numbers in the reference documents are checked against what the program computes.
namespace vornexa {
namespace {

std::string Document(const std::string& stem) {
    return test::ReadAll(std::string(VORNEXA_DOCS_DIR) + "/reference/" + stem + ".html");
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The text of every <pre> block as a reader sees it.
std::vector<std::string> PreBlocks(const std::string& html) {
    std::vector<std::string> blocks;
    for (size_t at = html.find("<pre>"); at != std::string::npos; at = html.find("<pre>", at)) {
        at += 5;
        const size_t end = html.find("</pre>", at);
        std::string block = html.substr(at, end - at);
        if (!block.empty() && block.front() == '\n') {
            block.erase(0, 1);
        }
        ReplaceAll(block, "&middot;", " ");
        ReplaceAll(block, "&lt;", "<");
        ReplaceAll(block, "&gt;", ">");
        ReplaceAll(block, "&amp;", "&");
        blocks.push_back(block);
        at = end;
    }
    return blocks;
}

// Program output with its CR LF line ends as the document's line breaks, ending in one.
std::string AsDocumentLines(std::string text) {
    ReplaceAll(text, "\r\n", "\n");
    return text.ends_with('\n') ? text : text + "\n";
}

bool HasBlock(const std::string& html, const std::string& text) {
    for (const std::string& block : PreBlocks(html)) {
        if (block == text) {
            return true;
        }
    }
    return false;
}

std::string Row(const std::vector<std::string>& cells) {
    std::string row = "<tr>";
    for (const std::string& cell : cells) {
        row += "<td>" + cell + "</td>";
    }
    return row + "</tr>";
}

std::string Results(const Parms& work) {
    Parms view;
    UpdateViewParms(work, view);
    return ResultsText(work, view);
}

struct DevelopmentCase {
    float sigmaH, entries, rightCross, leftCross;
};

TEST(ReferenceDocumentsTest, DevelopmentExampleShowsTheReportOfEachLayout) {
    const std::string html = Document("development_example");
    const DevelopmentCase cases[] = {{65, 80, 170, 350}, {65, 50, 110, 290}};
    for (const DevelopmentCase& c : cases) {
        SCOPED_TRACE(c.entries);
        Parms work;
        work.PlanType = kPlanDevelopment;
        work.AzimSigmaH = c.sigmaH;
        work.AzimEntries = c.entries;
        work.AzimRightCross = c.rightCross;
        work.AzimLeftCross = c.leftCross;
        EXPECT_TRUE(HasBlock(html, AsDocumentLines(Results(work))));
        EXPECT_NE(html.find(Row({"Entries", NumberToText(c.entries)})), std::string::npos);
        EXPECT_NE(html.find(Row({"Right crosscut", NumberToText(c.rightCross)})),
                  std::string::npos);
        EXPECT_NE(html.find(Row({"Left crosscut", NumberToText(c.leftCross)})), std::string::npos);
    }
}

TEST(ReferenceDocumentsTest, LongwallExampleShowsTheReportOfEachSequence) {
    const std::string html = Document("longwall_example");
    for (const int16_t longType : {int16_t{0}, int16_t{1}}) {
        SCOPED_TRACE(longType);
        const Parms work = test::LongwallLayout(longType, 80, 335);
        EXPECT_TRUE(HasBlock(html, AsDocumentLines(Results(work))));
        Parms view;
        UpdateViewParms(work, view);
        const float angle = HeadgateAngle(view);
        const std::string point =
            "(" + FormatFixed(angle, 0) + ", " + FormatFixed(HeadgateStressPct(angle), 2) + ")";
        EXPECT_NE(html.find(point), std::string::npos) << point;
    }
}

struct StressCase {
    int units;
    int region;
    const char* depth;
    const char* modulus;
    std::vector<std::string> cells;  // region, depth, modulus as the document writes them
    const char* unit;
};

TEST(ReferenceDocumentsTest, LongwallExampleStressEstimatesAreTheProgramsOwn) {
    const std::string html = Document("longwall_example");
    const StressCase cases[] = {
        {0, 0, "1000", "2", {"ft, psi", "Eastern US", "1000 ft", "2 million psi"}, " psi"},
        {0, 1, "1000", "2", {"ft, psi", "Western US", "1000 ft", "2 million psi"}, " psi"},
        {1, 0, "304.8", "13.8", {"m, MPa", "Eastern US", "304.8 m", "13.8 GPa"}, " MPa"},
    };
    for (const StressCase& c : cases) {
        std::vector<std::string> cells = c.cells;
        cells.push_back(ComputeStress(c.region, c.depth, c.modulus, c.units).display + c.unit);
        EXPECT_NE(html.find(Row(cells)), std::string::npos) << Row(cells);
    }
}

TEST(ReferenceDocumentsTest, MethodNoteCurveTableMatchesTheHeadgateFunctions) {
    const std::string html = Document("method_note");
    for (const int angle : {0, 24, 45, 69, 90, 100, 114, 135, 159, 180}) {
        const float a = static_cast<float>(angle);
        const char* state = StressState(a) == StressKind::Relief ? "Relief" : "Concentration";
        const std::string row =
            Row({std::to_string(angle), FormatFixed(HeadgateStressPct(a), 2), state});
        EXPECT_NE(html.find(row), std::string::npos) << row;
    }
    const std::string estimate = "1.64 &times; 1000 + 410 &times; 2 &minus; 298 = " +
                                 ComputeStress(0, "1000", "2", 0).display + " psi";
    EXPECT_NE(html.find(estimate), std::string::npos) << estimate;
}

TEST(ReferenceDocumentsTest, FileReferenceShowsANewProjectFileLineByLine) {
    test::RecordingPresenter presenter;
    AppState state(presenter);
    FileNew(state, true, true);
    EXPECT_TRUE(
        HasBlock(Document("file_reference"), AsDocumentLines(ProjectFileText(state.project))));
}

TEST(ReferenceDocumentsTest, UnitTablesGiveOneOfEachUnitAsTheConverterShowsIt) {
    const std::string html = Document("unit_tables");
    for (int q = 0; q < kQuantityCount; ++q) {
        const QuantityInfo& info = Info(static_cast<Quantity>(q));
        for (size_t from = 0; from < info.units.size(); ++from) {
            std::string row = "<tr><th>1 " + std::string(info.units[from]) + "</th>";
            for (const std::string& cell : ConvertAll(static_cast<Quantity>(q), int(from), "1")) {
                row += "<td>" + cell + "</td>";
            }
            row += "</tr>";
            EXPECT_NE(html.find(row), std::string::npos) << row;
        }
    }
}

TEST(ReferenceDocumentsTest, UnitTablesRoundTripIsWhatTheFileConversionGives) {
    const std::string html = Document("unit_tables");
    test::RecordingPresenter presenter;
    AppState state(presenter);
    FileNew(state, true, true);
    state.project.CurrentFile = "/home/user/mines/panel7.VRN";
    const auto step = [&](const char* length, const char* modulus) {
        return "<td>" + FormatSingle(state.project.DepthCover) + length + "</td><td>" +
               FormatSingle(state.project.RockModulus) + modulus;
    };
    ASSERT_TRUE(ConvertProjectUnits(state, 1));
    const std::string metric = step(" m", " GPa</td><td>") + state.project.CurrentFile + "</td>";
    EXPECT_NE(html.find(metric), std::string::npos) << metric;
    ASSERT_TRUE(ConvertProjectUnits(state, 0));
    const std::string english = step(" ft", " million psi");
    EXPECT_NE(html.find(english), std::string::npos) << english;
    EXPECT_NE(html.find("<td>" + state.project.CurrentFile + "</td>"), std::string::npos);
}

}  // namespace
}  // namespace vornexa
