#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "analysis/orientation.h"
#include "analysis/report.h"
#include "analysis/sigma_band.h"
#include "core/app_state.h"
#include "core/help_book.h"
#include "core/project_commands.h"
#include "core/project_file.h"
#include "core/tables.h"
#include "stress/stress_estimate.h"
#include "test_support.h"
#include "util/numbers.h"
#include "util/text.h"
#include "util/unit_conversion.h"

#ifndef VORNEXA_DOCS_DIR
#error "engine_tests needs VORNEXA_DOCS_DIR, the folder that holds help/"
#endif

namespace vornexa {
namespace {

const std::string kHelpFolder = std::string(VORNEXA_DOCS_DIR) + "/help/";

std::string Page(const std::string& name) {
    return test::ReadAll(kHelpFolder + name);
}

// Each line of the text, as the page's <pre> block carries it.
void ExpectLinesOnPage(const std::string& text, const std::string& page, const std::string& html) {
    for (const std::string& line : SplitLines(text)) {
        if (!line.empty()) {
            EXPECT_NE(html.find(line), std::string::npos) << page << " lacks: " << line;
        }
    }
}

std::string ClassWord(float angle) {
    switch (ClassifyOrientation(angle)) {
        case Orientation::Good:
            return "good";
        case Orientation::Moderate:
            return "moderate";
        case Orientation::Difficult:
            break;
    }
    return "difficult";
}

std::string StateWord(float angle) {
    return StressState(angle) == StressKind::Relief ? "Relief" : "Concentration";
}

struct DevelopmentExample {
    float sigmaH, entries, rightCross, leftCross;
    bool reportOnPage;
};

TEST(HelpExamples, DevelopmentAnglesAndClassesMatchTheEngine) {
    const std::vector<DevelopmentExample> examples = {
        {65, 80, 170, 350, true},
        {0, 30, 200, 120, true},
        {335, 10, 100, 280, false},
    };
    const std::string html = Page("method_orientation.html");
    for (const DevelopmentExample& e : examples) {
        SCOPED_TRACE(FormatSingle(e.sigmaH) + " / " + FormatSingle(e.entries));
        Parms p;
        p.AzimSigmaH = e.sigmaH;
        p.AzimEntries = e.entries;
        p.AzimRightCross = e.rightCross;
        p.AzimLeftCross = e.leftCross;
        const std::vector<std::pair<std::string, float>> openings = {
            {"entries", e.entries},
            {"left crosscut", e.leftCross},
            {"right crosscut", e.rightCross}};
        for (const auto& [name, azimuth] : openings) {
            const float angle = OpeningAngle(azimuth, e.sigmaH);
            const std::string phrase = "Angle of " + name + " to SigmaH: " + FormatSingle(angle) +
                                       " degrees (" + ClassWord(angle) + ")";
            EXPECT_NE(html.find(phrase), std::string::npos) << phrase;
        }
        if (e.reportOnPage) {
            ExpectLinesOnPage(ResultsText(p, p), "method_orientation.html", html);
        }
    }
}

struct LongwallExample {
    int16_t longType;
    float sigmaH, headgate;
    bool reportOnPage;
};

TEST(HelpExamples, LongwallAngleStressAndStateMatchTheEngine) {
    const std::vector<LongwallExample> examples = {
        {0, 65, 0, true},
        {1, 65, 0, true},
        {0, 80, 335, false},
        {1, 300, 10, false},
    };
    const std::string html = Page("method_longwall.html");
    for (const LongwallExample& e : examples) {
        const Parms p = test::LongwallLayout(e.longType, e.sigmaH, e.headgate);
        const float angle = HeadgateAngle(p);
        const std::string phrase =
            "Headgate angle to SigmaH: " + FormatFixed(angle, 0) + " degrees, stress level " +
            FormatFixed(HeadgateStressPct(angle), 2) + "% (" + StateWord(angle) + ")";
        EXPECT_NE(html.find(phrase), std::string::npos) << phrase;
        if (e.reportOnPage) {
            ExpectLinesOnPage(ResultsText(p, p), "method_longwall.html", html);
        }
    }
}

TEST(HelpExamples, StressCurveTableMatchesTheFormula) {
    const std::string html = Page("method_longwall.html");
    for (int angle : {0, 24, 45, 69, 90, 114, 135, 159, 180}) {
        const auto a = static_cast<float>(angle);
        const std::string row = "<tr><td>" + std::to_string(angle) + "</td><td>" +
                                FormatFixed(HeadgateStressPct(a), 2) + "</td><td>" + StateWord(a) +
                                "</td></tr>";
        EXPECT_NE(html.find(row), std::string::npos) << row;
    }
    const std::string independent = "an angle of 100 degrees is " + StateWord(100) + " at " +
                                    FormatFixed(HeadgateStressPct(100), 2) + " %";
    EXPECT_NE(html.find(independent), std::string::npos) << independent;
}

struct StressExample {
    int region;
    const char* depth;
    const char* modulus;
    int units;
};

TEST(HelpExamples, StressEstimatesMatchTheEngine) {
    const std::vector<StressExample> examples = {
        {0, "1000", "2", 0},
        {0, "304.8", "13.8", 1},
        {3, "400", "30", 1},
        {2, "10", "0.1", 0},
    };
    const std::string html = Page("method_stress_estimate.html");
    for (const StressExample& e : examples) {
        const std::string phrase = StressCaption(e.units) + ": " +
                                   ComputeStress(e.region, e.depth, e.modulus, e.units).display;
        EXPECT_NE(html.find(phrase), std::string::npos) << phrase;
    }
    EXPECT_NE(html.find("Horizontal Stress (psi): 2162"), std::string::npos);
}

TEST(HelpExamples, GradientTableListsEveryStressRegion) {
    const std::string html = Page("method_stress_estimate.html");
    for (const StressRegionRow& row : kStressRegions) {
        const std::string cells = "<tr><td>" + std::string(row.name) + "</td><td>" +
                                  std::string(row.gradient) + "</td></tr>";
        EXPECT_NE(html.find(cells), std::string::npos) << cells;
    }
}

struct ConversionExample {
    Quantity quantity;
    const char* fromUnit;
    const char* value;
};

TEST(HelpExamples, UnitConversionsMatchTheConverter) {
    const std::vector<ConversionExample> examples = {
        {Quantity::Stress, "MPa", "1"},           {Quantity::Length, "ft", "1000"},
        {Quantity::Load, "tonsF (short)", "5"},   {Quantity::LoadGrad, "lbsF/ft", "1000"},
        {Quantity::StressGrad, "psi/ft", "1.64"}, {Quantity::Stress, "psi", "2162"},
    };
    const std::string html = Page("unit_converter.html");
    for (const ConversionExample& e : examples) {
        const int from = FindUnit(e.quantity, e.fromUnit).value();
        const std::vector<std::string> texts = ConvertAll(e.quantity, from, e.value);
        for (size_t i = 0; i < texts.size(); ++i) {
            const std::string phrase = std::string(e.value) + " " + e.fromUnit + " = " + texts[i] +
                                       " " + std::string(Info(e.quantity).units[i]);
            EXPECT_NE(html.find(phrase), std::string::npos) << phrase;
        }
    }
    EXPECT_NE(html.find("1 MPa = 145.037737733751 psi"), std::string::npos);
}

TEST(HelpExamples, ToleranceLineAndItsMessageMatchTheProjectFile) {
    const std::string html = Page("project_file.html");
    ProjectRecord project;
    project.ProjParms.SigmaHTolerance = 12.5f;
    const std::vector<std::string> lines = SplitLines(ProjectFileText(project));
    EXPECT_NE(html.find("<pre>\n" + lines.back() + "\n</pre>"), std::string::npos) << lines.back();
    std::string text = ProjectFileText(project);
    text.replace(text.find("=12.5"), 5, "=95");
    const ProjectReadResult result = ReadProjectText(text, project);
    EXPECT_NE(html.find('"' + result.message + '"'), std::string::npos) << result.message;
}

TEST(HelpExamples, ProjectUnitConversionMatchesTheEngine) {
    test::RecordingPresenter presenter;
    AppState state{presenter};
    state.project.DepthCover = 1000;
    state.project.RockModulus = 2;
    ASSERT_TRUE(ConvertProjectUnits(state, 1));
    const std::string metric = "Depth of cover " + FormatSingle(state.project.DepthCover) +
                               " m, modulus of rock " + FormatSingle(state.project.RockModulus) +
                               " GPa";
    ASSERT_TRUE(ConvertProjectUnits(state, 0));
    const std::string back = "Converting back gives " + FormatSingle(state.project.DepthCover) +
                             " ft and " + FormatSingle(state.project.RockModulus) + " million psi";
    const std::string html = Page("file_conversion.html");
    EXPECT_NE(html.find(metric), std::string::npos) << metric;
    EXPECT_NE(html.find(back), std::string::npos) << back;
}

bool AnchorExists(const std::string& target) {
    const HelpTarget t = SplitHelpTarget(target);
    if (!std::filesystem::exists(kHelpFolder + t.page)) {
        return false;
    }
    return t.anchor.empty() || Page(t.page).find("name=\"" + t.anchor + "\"") != std::string::npos;
}

TEST(HelpBookContent, EveryTargetNamesAnExistingPageAndAnchor) {
    const HelpBook book = LoadHelpBook(kHelpFolder);
    EXPECT_TRUE(book.problems.empty()) << book.problems.front();
    std::vector<std::string> targets;
    for (const HelpContentsEntry& e : book.contents)
        targets.push_back(e.target);
    for (const HelpIndexEntry& e : book.index)
        targets.push_back(e.target);
    for (const HelpContextEntry& e : book.context)
        targets.push_back(e.target);
    for (const std::string& target : targets) {
        EXPECT_TRUE(AnchorExists(target)) << target;
    }
    EXPECT_GE(book.index.size(), 60u);
    EXPECT_EQ(book.StartPage(), "index.html");
}

TEST(HelpBookContent, EveryPageOfTheFolderIsInTheContentsAndStartsWithItsTitle) {
    const HelpBook book = LoadHelpBook(kHelpFolder);
    const std::vector<std::string> pages = book.ContentsPages();
    const std::set<std::string> listed(pages.begin(), pages.end());
    for (const auto& file : std::filesystem::directory_iterator(kHelpFolder)) {
        if (file.path().extension() == ".html") {
            const std::string name = file.path().filename().string();
            EXPECT_TRUE(listed.contains(name)) << name << " is not in the contents";
            const std::string html = Page(name);
            const size_t h1 = html.find("<h1>");
            EXPECT_NE(h1, std::string::npos) << name;
            EXPECT_EQ(html.find("<h2"), html.find("<h2", h1)) << name << ": heading before <h1>";
        }
    }
}

TEST(HelpBookContent, EveryWindowHasAContextPage) {
    const HelpBook book = LoadHelpBook(kHelpFolder);
    const HelpContextEntry* main = book.FindContext(1000);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->window, "frmMain");
    std::set<int> numbers;
    for (const char* window :
         {"frmMain", "frmVORNParm", "frmVORNView", "frmStressPlot", "frmStressParm", "frmVORNOpts",
          "frmVORNDesc", "frmSet", "frmPath", "frmUnits", "frmConvert", "frmTxtBox", "frmPreview",
          "frmTextBrow", "frmUpdate", "frmDisclaimer", "frmResource", "frmHelp"}) {
        const HelpContextEntry* entry = book.FindWindow(window);
        ASSERT_NE(entry, nullptr) << window;
        EXPECT_TRUE(numbers.insert(entry->number).second) << window << " shares its number";
    }
}

std::string ClassRange(const OpeningBand& band) {
    const std::string best = OrientationWord(band.best);
    const std::string worst = OrientationWord(band.worst);
    return best == worst ? best : best + " to " + worst;
}

// The robust classes of the finder page's example: SigmaH 65, class B (20).
TEST(HelpExamples, LayoutFinderBandsMatchTheEngine) {
    const std::string html = Page("method_layout_finder.html");
    const std::vector<std::pair<std::string, float>> openings = {
        {"Entries", 80}, {"Left crosscut", 350}, {"Right crosscut", 170}};
    for (const auto& [name, azimuth] : openings) {
        const OpeningBand band = OpeningBandOf(azimuth, 65, 20);
        const std::string line = name + " at " + FormatSingle(azimuth) + ": angle " +
                                 FormatSingle(band.lowAngle) + " to " +
                                 FormatSingle(band.highAngle) + " degrees, " + ClassRange(band);
        EXPECT_NE(html.find(line), std::string::npos) << "page lacks: " << line;
    }
    Parms p;
    p.AzimSigmaH = 65;
    p.SigmaHTolerance = 20;
    p.AzimEntries = 80;
    p.AzimLeftCross = 350;
    p.AzimRightCross = 170;
    const DevelopmentInterval best = RankDevelopmentIntervals(SweepDevelopment(p, 1, 180)).front();
    const std::string line = "best interval: " + FormatSingle(best.from) + " to " +
                             FormatSingle(best.to) + " degrees, worst class " +
                             OrientationWord(best.worst);
    EXPECT_NE(html.find(line), std::string::npos) << "page lacks: " << line;
}

}  // namespace
}  // namespace vornexa
