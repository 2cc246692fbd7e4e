#include "core/project_commands.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "test_support.h"

namespace vornexa {
namespace {

class ProjectCommandsTest : public testing::Test {
  protected:
    test::RecordingPresenter presenter;
    AppState state{presenter};
};

TEST_F(ProjectCommandsTest, FileNewTakesTheOptionDefaults) {
    state.settings.DefaultUnits = 1;
    state.options.DefaultRegionType = 2;
    state.options.DefaultAzimRightCross = 45;
    state.options.EnableStressGraph = 0;
    state.project.ProjTitle = "old";
    state.project.IsSaved = false;
    state.outBuf = {"header", "results", "2", "3", "4"};
    state.messages.log.enabled = true;
    FileNew(state, true, true);
    const ProjectRecord& p = state.project;
    EXPECT_EQ(p.CurrentFile, "Untitled");
    EXPECT_EQ(p.CurrentUnits, 1);
    EXPECT_EQ(p.ProjParms.RegionType, 2);
    EXPECT_EQ(p.ProjParms.AzimRightCross, 45.0f);
    EXPECT_EQ(p.ProjParms.AzimLeftCross, 270.0f);
    EXPECT_EQ(p.ProjParms.ShowStress, 0);
    EXPECT_EQ(p.DepthCover, 304.8f);
    EXPECT_EQ(p.RockModulus, 13.8f);
    EXPECT_EQ(p.ProjTitle, "");
    EXPECT_TRUE(p.IsSaved && p.IsEmpty && !p.UnitsLocked);
    EXPECT_EQ(state.outBuf[0], "header");
    EXPECT_EQ(state.outBuf[1], "");
    EXPECT_EQ(state.messages.log.text(),
              "1. File initialized. Use Edit-Project Parameters to enter data\r\n");
}

TEST_F(ProjectCommandsTest, FileNewWithoutFlagsKeepsFileAndUnits) {
    state.project.CurrentFile = "/data/a.VRN";
    state.project.CurrentUnits = 1;
    FileNew(state, false, false);
    EXPECT_EQ(state.project.CurrentFile, "/data/a.VRN");
    EXPECT_EQ(state.project.CurrentUnits, 1);
}

TEST_F(ProjectCommandsTest, ConvertToMetricAndBack) {
    state.project.CurrentFile = "/data/mines/panel.VRN";
    EXPECT_TRUE(ConvertProjectUnits(state, 1));
    EXPECT_EQ(state.project.DepthCover, 304.8f);
    EXPECT_EQ(state.project.RockModulus, 13.8f);
    EXPECT_EQ(state.project.CurrentFile, "Metric_panel.VRN");
    EXPECT_EQ(state.project.CurrentUnits, 1);
    EXPECT_FALSE(state.project.IsSaved);
    EXPECT_TRUE(ConvertProjectUnits(state, 0));
    EXPECT_EQ(state.project.DepthCover, 999.99994f);
    EXPECT_EQ(state.project.RockModulus, 2.0f);
    EXPECT_EQ(state.project.CurrentFile, "English_Metric_panel.VRN");
    EXPECT_EQ(state.project.CurrentUnits, 0);
}

}  // namespace
}  // namespace vornexa
