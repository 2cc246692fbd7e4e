#include "core/startup.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "test_support.h"
#include "util/ini_file.h"

namespace vornexa {
namespace {

namespace fs = std::filesystem;

class StartupTest : public testing::Test {
  protected:
    test::TempFolder dir;
    test::RecordingPresenter presenter;
    AppState state{presenter};
    PlatformInfo platform;

    void SetUp() override {
        fs::create_directory(dir.file("docs"));
        platform.programFolder = dir.file("prog");
        platform.documents = dir.file("docs");
        platform.installedFonts = {"DejaVu Sans", "Courier New"};
        platform.exeBaseName = "vornexa";
    }
    std::string Data() const { return dir.file("docs") + "/MyQELTA/"; }

    // Steps 12 and 13 as the window start-up runs them.
    void Start() {
        InitialiseState(state, platform);
        if (EnsureSettingsFile(state)) {
            ReadSettingsFile(state);
        }
    }
};

TEST_F(StartupTest, InitialStateBeforeAnyFileIsRead) {
    state.project.IsSaved = false;
    InitialiseState(state, platform);
    EXPECT_EQ(state.exeName, "VORNEXA");
    EXPECT_EQ(state.folders.data, Data());
    EXPECT_EQ(state.folders.temp, Data() + "Temp/");
    EXPECT_EQ(state.iniPath, Data() + "VORN.INI");
    EXPECT_EQ(state.defaultFont, "Courier New");
    EXPECT_EQ(state.messages.titles.info, "Message");

    SettingsRecord settings = StartSettings(Data(), "Courier New");
    settings.DisplayHistoryWin = 0;
    EXPECT_EQ(state.settings, settings);
    EXPECT_EQ(state.settings.ExternalEditor, "xdg-open");
    EXPECT_EQ(state.options, AnalysisOptions{});
    EXPECT_EQ(state.graph, GraphSettings{});
    EXPECT_TRUE(state.project.IsSaved);
    EXPECT_TRUE(state.project.IsEmpty);
    EXPECT_EQ(state.project.CurrentUnits, 0);
    EXPECT_EQ(state.project.FileFormatLevel, 0);
    EXPECT_FALSE(state.messages.log.enabled);
}

TEST_F(StartupTest, FirstRunCreatesTheFileAndReadsItBack) {
    Start();
    const IniFile ini = IniFile::Load(state.iniPath);
    EXPECT_EQ(test::ReadAll(state.iniPath).substr(0, 35),
              "[Version]\r\nINIFileVersion=050817\r\n[");
    EXPECT_EQ(ini.Get("Settings", "DisplayHistoryWin"), "0");
    EXPECT_EQ(ini.Get("Settings", "MaxDisplaySize"), "2048");
    EXPECT_EQ(ini.Get("VORNOptions", "DefaultAzimRightCross"), "90");
    EXPECT_EQ(ini.Get("VORNOptions", "DefaultAzimLeftCross"), "270");
    EXPECT_EQ(ini.Get("Graph", "GridStyle"), "3");

    EXPECT_EQ(state.settings.MaxDisplaySize, 4096);
    EXPECT_EQ(state.messages.log.maxSize, 4096u);
    EXPECT_EQ(state.settings.DisplayHistoryWin, 0);
    EXPECT_FALSE(state.messages.log.enabled);
    EXPECT_EQ(state.options, AnalysisOptions{});
    EXPECT_EQ(state.graph, GraphSettings{});
    EXPECT_EQ(state.settings.DataPath, Data());
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(StartupTest, FileOfAnotherVersionIsReplaced) {
    const char* versions[] = {"[Version]\r\nINIFileVersion=040101\r\n", "[Version]\r\n", ""};
    for (const char* version : versions) {
        SCOPED_TRACE(version);
        InitialiseState(state, platform);
        test::WriteAll(state.iniPath, std::string(version) +
                                          "[Settings]\r\nDefaultUnits=1\r\n[FileMenu]\r\n"
                                          "MaxLastFiles=1\r\nLastFile1=a.VRN\r\n");
        Start();
        EXPECT_TRUE(SettingsFileIsCurrent(state.iniPath));
        EXPECT_EQ(state.settings.DefaultUnits, 0);
        EXPECT_EQ(state.settings.MaxLastFiles, 0);
        EXPECT_EQ(IniFile::Load(state.iniPath).Get("FileMenu", "LastFile1"), std::nullopt);
    }
}

TEST_F(StartupTest, CurrentFileIsKeptAsItIs) {
    InitialiseState(state, platform);
    const std::string text =
        "[version]\nIniFileVersion = 050817\n[Settings]\nDefaultUnits=1\nDisplayHistoryWin=1\n";
    test::WriteAll(state.iniPath, text);
    Start();
    EXPECT_EQ(test::ReadAll(state.iniPath), text);
    EXPECT_EQ(state.settings.DefaultUnits, 1);
    EXPECT_TRUE(state.messages.log.enabled);
    EXPECT_EQ(state.options.DefaultAzimRightCross, 1);
}

TEST_F(StartupTest, SettingsThatCannotBeReplacedLeaveTheStartValues) {
    InitialiseState(state, platform);
    fs::create_directory(state.iniPath);
    EXPECT_FALSE(EnsureSettingsFile(state));
    EXPECT_TRUE(fs::is_directory(state.iniPath));

    // A file the system does not let anyone delete, whatever the user's rights.
    if (!fs::is_regular_file("/proc/version")) {
        GTEST_SKIP() << "no /proc";
    }
    state.iniPath = "/proc/version";
    EXPECT_FALSE(EnsureSettingsFile(state));
    EXPECT_EQ(state.settings.MaxDisplaySize, 2048);
}

// Values saved by one run and read by the next: paths whole, other values cut.
TEST_F(StartupTest, LongValuesSurviveARestart) {
    Start();
    std::string folder = Data();
    while (folder.size() <= 300) {
        folder += std::string(60, 'f') + "/";
    }
    fs::create_directories(folder);
    const std::string file = folder + std::string(250, 'n') + ".VRN";
    SettingsRecord& s = state.settings;
    s.DataPath = folder;
    s.ExternalEditor = "\"" + folder + "view\" -x";
    s.BrowseDefaultFilter = std::string(300, 'x');
    AddToRecentFiles(s, file);
    const SettingsRecord saved = s;
    ASSERT_TRUE(SaveDefaultSettings(state, 1));
    Start();
    EXPECT_EQ(s.DataPath, saved.DataPath);
    EXPECT_EQ(s.ExternalEditor, saved.ExternalEditor);
    EXPECT_EQ(s.recent[1], saved.recent[1]);
    EXPECT_EQ(s.BrowseDefaultFilter, saved.BrowseDefaultFilter.substr(0, 254));
}

TEST_F(StartupTest, HeadlessStartWritesNothing) {
    platform.createFolders = false;
    InitialiseState(state, platform);
    EXPECT_EQ(state.folders.data, platform.programFolder + "/");
    EXPECT_FALSE(fs::exists(Data()));
    EXPECT_FALSE(SettingsFileIsCurrent(state.iniPath));
    EXPECT_FALSE(fs::exists(state.iniPath));

    fs::create_directories(Data() + "Temp");
    InitialiseState(state, platform);
    test::WriteAll(state.iniPath, "[Version]\nINIFileVersion=050817\n[VORNOptions]\n");
    ASSERT_TRUE(SettingsFileIsCurrent(state.iniPath));
    ReadSettingsFile(state);
    EXPECT_EQ(state.options.DefaultAzimLeftCross, 1);
}

}  // namespace
}  // namespace vornexa
