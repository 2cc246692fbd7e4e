#include "analysis/report.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "test_support.h"

namespace vornexa {
namespace {

std::string Dots(size_t n) {
    return std::string(n, '.');
}

TEST(ResultsText, DevelopmentExample) {
    Parms work;
    work.AzimSigmaH = 0;
    work.AzimEntries = 30;
    work.AzimLeftCross = 120;
    work.AzimRightCross = 200;
    const std::string expected = "Angle of Entries to SigmaH" + Dots(24) +
                                 "30 (degrees)\r\n"
                                 "Entry Orientation: Moderate Conditions\r\n"
                                 "\r\n"
                                 "Angle of Left Cross Cut to SigmaH" +
                                 Dots(17) +
                                 "120 (degrees)\r\n"
                                 "Left Cross Cut Orientation: Difficult Conditions\r\n"
                                 "\r\n"
                                 "Angle of Right Cross Cut to SigmaH" +
                                 Dots(16) +
                                 "200 (degrees)\r\n"
                                 "Right Cross Cut Orientation: Good Conditions\r\n"
                                 "\r\n"
                                 "Close this window and Click on View to view graphs. ";
    EXPECT_EQ(ResultsText(work, work), expected);
}

TEST(ResultsText, LongwallExample) {
    Parms work;
    work.PlanType = 1;
    work.AzimSigmaH = 65;
    work.AzimHeadGate = 0;
    const std::string expected = "Headgate Angle to SigmaH" + Dots(26) +
                                 "65 (degrees)\r\n"
                                 "\r\n"
                                 "Stress Level: 99.51% Concentration\r\n"
                                 "\r\n"
                                 "Close this window and Click on View to view graphs. ";
    EXPECT_EQ(ResultsText(work, work), expected);
    work.LongType = 1;
    EXPECT_NE(ResultsText(work, work).find("Headgate Angle to SigmaH" + Dots(26) + "115 (degrees)"),
              std::string::npos);
    EXPECT_NE(ResultsText(work, work).find("Stress Level: 48.26% Relief\r\n"), std::string::npos);
}

TEST(ResultsText, PrintsTheRoundedDifferenceAndClassesTheFoldedAngle) {
    struct Case {
        float entries;
        const char* printed;
        const char* condition;
    };
    const Case cases[] = {{29.6f, "30", "Good"},     {59.5f, "60", "Moderate"},
                          {120, "120", "Difficult"}, {330, "330", "Moderate"},
                          {29.5f, "30", "Good"},     {0.4f, "0", "Good"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        Parms work;
        work.AzimEntries = c.entries;
        const std::string text = ResultsText(work, work);
        EXPECT_EQ(text.substr(50, text.find(' ', 50) - 50), c.printed);
        EXPECT_NE(text.find(std::string("Entry Orientation: ") + c.condition + " Conditions"),
                  std::string::npos);
    }
}

class ReportHeader : public testing::Test {
  protected:
    test::RecordingPresenter presenter;
    AppState state{presenter};
};

TEST_F(ReportHeader, DevelopmentWithModuleHeader) {
    state.project.CurrentFile = "/data/mine.VRN";
    state.project.ProjTitle = "Panel 4";
    state.project.ProjDesc = "North mains\r\n\r\nsecond line\r\n";
    state.project.ProjParms.AzimEntries = 22.5f;
    LoadOutBuf0(state);
    const std::string expected =
        "VORN module build: 1.0.00\r\n"
        "Project File: /data/mine.VRN\r\n"
        "\r\n"
        "Input Units:  (ft) (psi)\r\n"
        "\r\n"
        "[PROJECT TITLE]\r\nPanel 4\r\n\r\n"
        "[PROJECT DESCRIPTION]\r\nNorth mains\r\nsecond line\r\n\r\n"
        "[PARAMETERS]\r\n"
        "Plan Type" +
        Dots(41) +
        "Development\r\n"
        "Azimuth of Entries" +
        Dots(32) +
        "22.5 (degrees)\r\n"
        "Azimuth of Right Cross Cut" +
        Dots(24) +
        "90 (degrees)\r\n"
        "Azimuth of Left Cross Cut" +
        Dots(25) +
        "270 (degrees)\r\n"
        "\r\n";
    EXPECT_EQ(state.outBuf[0], expected);
    EXPECT_EQ(state.project.ProjDesc, "North mains\r\nsecond line");
}

TEST_F(ReportHeader, LongwallMetricWithoutModuleHeader) {
    state.options.PrintModuleHeader = 0;
    state.project.CurrentUnits = 1;
    state.project.ProjParms.PlanType = 1;
    state.project.ProjParms.LongType = 1;
    state.project.ProjParms.AzimHeadGate = 335;
    LoadOutBuf0(state);
    const std::string expected =
        "[PROJECT TITLE]\r\n\r\n\r\n"
        "[PROJECT DESCRIPTION]\r\n\r\n\r\n"
        "[PARAMETERS]\r\n"
        "Plan Type" +
        Dots(41) +
        "Longwall\r\n"
        "Longwall Mining Sequence" +
        Dots(26) +
        "Right to Left\r\n"
        "Azimuth of Headgate" +
        Dots(31) +
        "335 (degrees)\r\n"
        "\r\n";
    EXPECT_EQ(state.outBuf[0], expected);
}

TEST_F(ReportHeader, MetricUnitsLineAndWrappedLongPath) {
    state.project.CurrentUnits = 1;
    const std::string path = "/" + std::string(38, 'a') + " " + std::string(41, 'b');
    ASSERT_EQ(path.size(), 81u);
    state.project.CurrentFile = path;
    LoadOutBuf0(state);
    const std::string expected = "Project File: /" + std::string(38, 'a') + "\r\n" +
                                 std::string(41, 'b') + "\r\n\r\nInput Units:  (m) (MPa)\r\n";
    EXPECT_NE(state.outBuf[0].find(expected), std::string::npos) << state.outBuf[0];
}

TEST_F(ReportHeader, BuildReportUsesProjectForHeaderAndWorkForResults) {
    state.project.ProjParms.PlanType = 0;
    state.workParms.PlanType = 1;
    state.workParms.AzimSigmaH = 65;
    BuildReport(state);
    EXPECT_NE(state.outBuf[0].find("Development"), std::string::npos);
    EXPECT_EQ(state.outBuf[1].rfind("Headgate Angle to SigmaH", 0), 0u);
    EXPECT_EQ(state.viewParms.AzimSigmaH, 65);
}

}  // namespace
}  // namespace vornexa
