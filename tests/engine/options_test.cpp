#include "core/options.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "test_support.h"
#include "util/ini_file.h"

namespace vornexa {
namespace {

AnalysisOptions ReadOptions(const std::string& lines) {
    AnalysisOptions options;
    ReadAnalysisOptions(IniFile::Parse("[VORNOptions]\n" + lines), options);
    return options;
}

GraphSettings ReadGraph(const std::string& lines) {
    GraphSettings graph;
    ReadGraphSettings(IniFile::Parse("[Graph]\n" + lines), graph);
    return graph;
}

TEST(ReadAnalysisOptions, MissingKeysReadAsTheirOwnValues) {
    AnalysisOptions expected;
    expected.EnableGraphToolbar = 1;
    expected.DefaultRegionType = 1;
    expected.DefaultAzimSigmaH = 1;
    expected.DefaultAzimEntries = 1;
    expected.DefaultAzimRightCross = 1;
    expected.DefaultAzimLeftCross = 1;
    expected.DefaultAzimHeadGate = 1;
    EXPECT_EQ(ReadOptions(""), expected);
    EXPECT_EQ(ReadOptions("DefaultAzimRightCross=\nEnableGraphToolbar=\n"), expected);
}

TEST(ReadAnalysisOptions, IntsFollowTheRangeRule) {
    struct Case {
        const char* line;
        int16_t AnalysisOptions::*field;
        int16_t expected;
    };
    const Case cases[] = {
        {"DefaultRegionType=3", &AnalysisOptions::DefaultRegionType, 3},
        {"DefaultRegionType=4", &AnalysisOptions::DefaultRegionType, 0},
        {"DefaultRegionType=-1", &AnalysisOptions::DefaultRegionType, 0},
        {"DefaultRegionType=2.5", &AnalysisOptions::DefaultRegionType, 2},
        {"DefaultRegionType=99999", &AnalysisOptions::DefaultRegionType, 0},
        {"ShowInputScreenOnLoad=2", &AnalysisOptions::ShowInputScreenOnLoad, 0},
        {"ShowInputScreenOnLoad=yes", &AnalysisOptions::ShowInputScreenOnLoad, 0},
        {"OpenViewWithLoad=0", &AnalysisOptions::OpenViewWithLoad, 0},
        {"EnableGraphToolbar=0", &AnalysisOptions::EnableGraphToolbar, 0},
        {"KeepCrossCutAngles=1", &AnalysisOptions::KeepCrossCutAngles, 1},
        {"KeepCrossCutAngles=2", &AnalysisOptions::KeepCrossCutAngles, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ReadOptions(std::string(c.line) + "\n").*c.field, c.expected);
    }
}

TEST(ReadAnalysisOptions, RealsTakeTheLeadingNumber) {
    struct Case {
        const char* text;
        float expected;
    };
    const Case cases[] = {{"90", 90},    {"45.5", 45.5f}, {"335 deg", 335}, {"abc", 0},
                          {"-1E1", -10}, {"1D2", 100},    {"1e39", 0},      {"-1e300", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadOptions(std::string("DefaultAzimRightCross=") + c.text + "\n")
                      .DefaultAzimRightCross,
                  c.expected);
    }
}

// A tolerance outside 0..90 would reach every new project's analysis.
TEST(ReadAnalysisOptions, ToleranceOutsideItsRangeReadsAsNone) {
    struct Case {
        const char* line;
        float expected;
    };
    const Case cases[] = {{"DefaultSigmaHTolerance=22.5", 22.5f}, {"DefaultSigmaHTolerance=90", 90},
                          {"DefaultSigmaHTolerance=90.01", 0},    {"DefaultSigmaHTolerance=-1", 0},
                          {"DefaultSigmaHTolerance=1e39", 0},     {"DefaultSigmaHTolerance=", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ReadOptions(std::string(c.line) + "\n").DefaultSigmaHTolerance, c.expected);
    }
}

TEST(ReadGraphSettings, WithoutTheSection) {
    GraphSettings expected;
    expected.GridStyle = 0;
    expected.GraphStyle = 1;
    expected.CurveLegend = 0;
    expected.SymbolSize = 3;
    expected.GraphTitle = expected.XAxisTitle0 = expected.YAxisTitle0 = "";
    EXPECT_EQ(ReadGraph(""), expected);
}

TEST(ReadGraphSettings, IntsFollowTheRangeRule) {
    struct Case {
        const char* line;
        int16_t GraphSettings::*field;
        int16_t expected;
    };
    const Case cases[] = {
        {"SymbolSize=25", &GraphSettings::SymbolSize, 3},
        {"SymbolSize=20", &GraphSettings::SymbolSize, 20},
        {"GraphStyle=0", &GraphSettings::GraphStyle, 1},
        {"GraphStyle=3", &GraphSettings::GraphStyle, 3},
        {"GridStyle=2", &GraphSettings::GridStyle, 2},
        {"GridStyle=-40000", &GraphSettings::GridStyle, 0},
        {"GraphUnits=1", &GraphSettings::GraphUnits, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ReadGraph(std::string(c.line) + "\n").*c.field, c.expected);
    }
}

TEST(OptionsFile, WrittenInTableOrderAndReadBack) {
    IniFile ini;
    WriteGraphSettings(ini, GraphSettings{});
    EXPECT_EQ(ini.Serialize(),
              "[Graph]\r\nGraphSetParams=0\r\nGridStyle=3\r\nGraphStyle=1\r\nCurveLegend=1\r\n"
              "SymbolSize=3\r\nGraphUnits=0\r\n"
              "GraphTitle=Stress Concentration / Stress Relief\r\n"
              "XAxisTitle0=Angle with Maximum Horizontal Stress\r\n"
              "YAxisTitle0=Headgate Stress (% of maximum)\r\n");

    AnalysisOptions options;
    options.OutputStrUnits = 1;
    options.ShowInputScreenOnLoad = 0;
    options.EnableGraphToolbar = 1;
    options.DefaultRegionType = 3;
    options.DefaultAzimSigmaH = 335;
    options.DefaultAzimEntries = 12.5f;
    options.DefaultAzimRightCross = 0.1f;
    options.DefaultAzimHeadGate = 359.75f;
    options.DefaultSigmaHTolerance = 12.5f;
    options.KeepCrossCutAngles = 1;
    GraphSettings graph;
    graph.GridStyle = 0;
    graph.SymbolSize = 20;
    graph.GraphTitle = "Headgate \xE2\x80\x93 stress";
    WriteAnalysisOptions(ini, options);
    WriteGraphSettings(ini, graph);
    EXPECT_EQ(ini.Get("VORNOptions", "DefaultAzimEntries"), "12.5");
    EXPECT_EQ(ini.Get("VORNOptions", "DefaultAzimRightCross"), "0.1");
    EXPECT_EQ(ini.Get("VORNOptions", "DefaultSigmaHTolerance"), "12.5");
    EXPECT_EQ(ini.Get("VORNOptions", "KeepCrossCutAngles"), "1");

    AnalysisOptions optionsBack;
    GraphSettings graphBack;
    ReadAnalysisOptions(ini, optionsBack);
    ReadGraphSettings(ini, graphBack);
    EXPECT_EQ(optionsBack, options);
    EXPECT_EQ(graphBack, graph);
}

class SaveDefaultSettingsTest : public testing::Test {
  protected:
    test::TempFolder dir;
    test::RecordingPresenter presenter;
    AppState state{presenter};

    void SetUp() override {
        state.iniPath = dir.file("VORN.INI");
        state.folders.data = dir.path().string() + "/";
        state.settings = StartSettings(state.folders.data, "Arial");
        state.messages.log.enabled = true;
    }
};

TEST_F(SaveDefaultSettingsTest, AllSectionsInOrder) {
    test::WriteAll(state.iniPath, "[Version]\r\nINIFileVersion=050817\r\n");
    ASSERT_TRUE(SaveDefaultSettings(state, 1));
    const std::string text = test::ReadAll(state.iniPath);
    size_t position = 0;
    for (const char* header :
         {"[Version]", "[Settings]", "[FileMenu]", "[TextBrowse]", "[Graph]", "[VORNOptions]"}) {
        SCOPED_TRACE(header);
        const size_t found = text.find(header, position);
        ASSERT_NE(found, std::string::npos);
        position = found;
    }
    EXPECT_EQ(state.messages.log.text(),
              "1. Saving default settings to file: " + state.iniPath + "\r\n");
}

TEST_F(SaveDefaultSettingsTest, OneSectionLeavesTheRestAlone) {
    const std::string before =
        "; kept\r\n[VORNOptions]\r\nDefaultRegionType=2\r\nCustom=1\r\n[Other]\r\nx=y\r\n";
    test::WriteAll(state.iniPath, before);
    state.options.DefaultRegionType = 3;
    ASSERT_TRUE(SaveDefaultSettings(state, 6));
    const IniFile ini = IniFile::Load(state.iniPath);
    EXPECT_EQ(ini.Get("VORNOptions", "DefaultRegionType"), "3");
    EXPECT_EQ(ini.Get("VORNOptions", "Custom"), "1");
    EXPECT_EQ(ini.Get("Other", "x"), "y");
    EXPECT_EQ(ini.Get("Settings", "DefaultUnits"), std::nullopt);
    EXPECT_EQ(test::ReadAll(state.iniPath).substr(0, 9), "; kept\r\n[");

    ASSERT_TRUE(SaveDefaultSettings(state, 3));
    EXPECT_EQ(IniFile::Load(state.iniPath).Get("FileMenu", "MaxLastFiles"), "0");
    EXPECT_EQ(IniFile::Load(state.iniPath).Get("Graph", "GridStyle"), std::nullopt);
}

// The recent files are saved at every exit; an unchanged file must not be
// written again (each write waits for the disk).
TEST_F(SaveDefaultSettingsTest, RewritesTheFileOnlyWhenItsTextChanges) {
    ASSERT_TRUE(SaveDefaultSettings(state, 1));
    const auto inode = [this] {
        struct stat info {};
        ::stat(state.iniPath.c_str(), &info);
        return info.st_ino;
    };
    const struct {
        const char* what;
        int16_t maxLastFiles;
        bool rewritten;
    } cases[] = {{"unchanged", 0, false}, {"changed", 3, true}, {"unchanged again", 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto before = inode();
        state.settings.MaxLastFiles = c.maxLastFiles;
        ASSERT_TRUE(SaveDefaultSettings(state, 3));
        EXPECT_EQ(inode() != before, c.rewritten);
        EXPECT_EQ(IniFile::Load(state.iniPath).Get("FileMenu", "MaxLastFiles"),
                  std::to_string(c.maxLastFiles));
    }
}

TEST_F(SaveDefaultSettingsTest, ReportsAFileThatCannotBeWritten) {
    state.iniPath = dir.file("missing/VORN.INI");
    EXPECT_FALSE(SaveDefaultSettings(state, 1));
    EXPECT_FALSE(SaveDefaultSettings(state, 7));
}

TEST_F(SaveDefaultSettingsTest, ReadingSetsTheHistoryLog) {
    const IniFile ini = IniFile::Parse(
        "[Settings]\nDisplayHistoryWin=1\nMaxDisplaySize=10000\n[Graph]\nGridStyle=2\n"
        "[VORNOptions]\nDefaultRegionType=2\n");
    state.messages.log.enabled = false;
    ReadOptionsAndGraph(state, ini);
    EXPECT_TRUE(state.messages.log.enabled);
    EXPECT_EQ(state.messages.log.maxSize, 10000u);
    EXPECT_EQ(state.graph.GridStyle, 2);
    EXPECT_EQ(state.options.DefaultRegionType, 2);
    EXPECT_EQ(state.settings.DataPath, state.folders.data);

    ReadOptionsAndGraph(state, IniFile());
    EXPECT_FALSE(state.messages.log.enabled);
    EXPECT_EQ(state.messages.log.maxSize, 4096u);
}

}  // namespace
}  // namespace vornexa
