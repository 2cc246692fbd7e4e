#include "util/settings.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "test_support.h"
#include "util/ini_file.h"

namespace vornexa {

static void PrintTo(const RecentFile& f, std::ostream* out) {
    *out << "{" << f.LastFile << ", " << f.LastFileMode << ", " << f.LastFileLong << ", "
         << f.caption << "}";
}

namespace {

constexpr const char* kData = "/data/MyQELTA/";
constexpr const char* kFont = "Arial";

SettingsRecord ReadSections(const std::string& text) {
    const IniFile ini = IniFile::Parse(text);
    SettingsRecord s = StartSettings(kData, kFont);
    for (int selector : {2, 3, 4}) {
        ReadSettingsSection(ini, selector, s, kData, kFont);
    }
    return s;
}

TEST(ClampToRange, OutOfRangeGivesMinThenRoundsHalfToEven) {
    struct Case {
        double value, min, max;
        int16_t result;
        double stored;
    };
    const Case cases[] = {
        {20000, 4096, 16384, 4096, 4096},
        {16384, 4096, 16384, 16384, 16384},
        {30, 7, 24, 7, 7},
        {9.5, 7, 24, 10, 9.5},
        {10.5, 7, 24, 10, 10.5},
        {24.4, 7, 24, 7, 7},
        {24.6, 7, 24, 7, 7},
        {1, -1, 0, -1, -1},
        {-2, -1, 0, -1, -1},
        {0, -1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in " << c.min << ".." << c.max);
        double value = c.value;
        EXPECT_EQ(ClampToRange(value, c.min, c.max), c.result);
        EXPECT_EQ(value, c.stored);
    }
    double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ClampToRange(nan, 3, 20), 3);
}

TEST(ReadSettings, NumbersFollowTheRangeRule) {
    struct Case {
        const char* line;
        int16_t SettingsRecord::*field;
        int16_t expected;
    };
    const Case cases[] = {
        {"MaxDisplaySize=20000", &SettingsRecord::MaxDisplaySize, 4096},
        {"MaxDisplaySize=16384", &SettingsRecord::MaxDisplaySize, 16384},
        {"MaxDisplaySize=70000", &SettingsRecord::MaxDisplaySize, 4096},
        {"", &SettingsRecord::MaxDisplaySize, 4096},
        {"DisplayFontBold=1", &SettingsRecord::DisplayFontBold, -1},
        {"DisplayFontBold=-1", &SettingsRecord::DisplayFontBold, -1},
        {"DisplayFontItalic=bold", &SettingsRecord::DisplayFontItalic, 0},
        {"DefaultUnits=1 (metric)", &SettingsRecord::DefaultUnits, 1},
        {"DefaultUnits=0.5", &SettingsRecord::DefaultUnits, 0},
        {"DefaultUnits=1.5", &SettingsRecord::DefaultUnits, 0},
        {"DefaultUnits=-40000", &SettingsRecord::DefaultUnits, 0},
        {"KeepFileNames=", &SettingsRecord::KeepFileNames, 0},
        {"", &SettingsRecord::ShowDisclaim, 0},
        {"", &SettingsRecord::CopyExampleFiles, 1},
        {"CopyExampleFiles=", &SettingsRecord::CopyExampleFiles, 1},
        {"CopyExampleFiles=0", &SettingsRecord::CopyExampleFiles, 0},
        {"CopyExampleFiles=2", &SettingsRecord::CopyExampleFiles, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const SettingsRecord s = ReadSections(std::string("[Settings]\n") + c.line + "\n");
        EXPECT_EQ(s.*c.field, c.expected);
    }
}

TEST(ReadSettings, FontSizesCompareBeforeRounding) {
    struct Case {
        const char* text;
        float expected;
    };
    const Case cases[] = {{"30", 7},  {"9.5", 10}, {"10.5", 10}, {"23.5", 24}, {"24.4", 7},
                          {"6.9", 7}, {"7.4", 7},  {"", 7},      {"12pt", 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const SettingsRecord s = ReadSections(std::string("[Settings]\nDisplayFontSize=") + c.text +
                                              "\n[TextBrowse]\nBrowseFontSize=" + c.text + "\n");
        EXPECT_EQ(s.DisplayFontSize, c.expected);
        EXPECT_EQ(s.BrowseFontSize, c.expected);
    }
}

TEST(ReadSettings, TextsAndTheirFallBacks) {
    struct Case {
        const char* lines;
        std::string SettingsRecord::*field;
        std::string expected;
    };
    const Case cases[] = {
        {"FileExtension=0", &SettingsRecord::FileExtension, "VRN"},
        {"FileExtension=", &SettingsRecord::FileExtension, ""},
        {"FileExtension=prj", &SettingsRecord::FileExtension, "prj"},
        {"", &SettingsRecord::ExternalEditor, ""},
        {"ExternalEditor=gedit", &SettingsRecord::ExternalEditor, "gedit"},
        {"DisplayFontName=", &SettingsRecord::DisplayFontName, kFont},
        {"DisplayFontName=Liberation Mono", &SettingsRecord::DisplayFontName, "Liberation Mono"},
        {"", &SettingsRecord::BrowseFontName, kFont},
        {"DataPath=", &SettingsRecord::DataPath, kData},
        {"DataPath=0", &SettingsRecord::DataPath, kData},
        {"DataPath=/no/such/folder", &SettingsRecord::DataPath, kData},
        {"DataPath=  /  ", &SettingsRecord::DataPath, "/"},
        {"DataPath=/tmp", &SettingsRecord::DataPath, "/tmp/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const SettingsRecord s = ReadSections(std::string("[Settings]\n") + c.lines + "\n");
        EXPECT_EQ(s.*c.field, c.expected);
    }
}

TEST(ReadFileMenu, LoadsSlotsUpToMaxLastFiles) {
    const std::string entries =
        "LastFile1=a.VRN\nLastFileMode1=1.5\nLastFileLong1=/p/a.VRN\n"
        "LastFile2=b.VRN\nLastFileMode2=1\nLastFileLong2=/q/b.VRN\n"
        "LastFile3=c.VRN\nLastFileMode3=1\nLastFileLong3=/r/c.VRN\n";
    const std::string keep = "[Settings]\nKeepFileNames=1\n";
    const SettingsRecord two = ReadSections(keep + "[FileMenu]\nMaxLastFiles=2\n" + entries);
    EXPECT_EQ(two.MaxLastFiles, 2);
    EXPECT_EQ(two.recent[1], (RecentFile{"a.VRN", 2, "/p/a.VRN", "/p/a.VRN"}));
    EXPECT_EQ(two.recent[2], (RecentFile{"b.VRN", 1, "/q/b.VRN", "/q/b.VRN"}));
    EXPECT_EQ(two.recent[3], RecentFile{});

    const SettingsRecord seven = ReadSections(keep + "[FileMenu]\nMaxLastFiles=7\n" + entries);
    EXPECT_EQ(seven.MaxLastFiles, 0);
    EXPECT_EQ(seven.recent[1], RecentFile{});

    const SettingsRecord shortNames = ReadSections(
        "[Settings]\nKeepFileNames=1\nShortRecentFiles=1\n[FileMenu]\nMaxLastFiles=1\n" + entries);
    EXPECT_EQ(shortNames.recent[1].caption, "a.VRN");
    EXPECT_EQ(RecentFileCaption(shortNames, 1), "a.VRN");
    EXPECT_EQ(RecentFileCaption(shortNames, 2), "");

    const SettingsRecord hidden = ReadSections("[FileMenu]\nMaxLastFiles=2\n" + entries);
    EXPECT_EQ(hidden.recent[1], (RecentFile{"a.VRN", 2, "/p/a.VRN", ""}));
    EXPECT_EQ(RecentFileCaption(hidden, 1), "");
}

TEST(WriteSettings, KeysInTableOrder) {
    IniFile ini;
    SettingsRecord s = StartSettings(kData, kFont);
    WriteSettingsSection(ini, 4, s);
    WriteSettingsSection(ini, 9, s);
    EXPECT_EQ(ini.Serialize(),
              "[TextBrowse]\r\nBrowseFontName=Arial\r\nBrowseFontSize=10\r\nBrowseFontBold=0\r\n"
              "BrowseFontItalic=0\r\nBrowseDefaultFilter=\r\nBrowseUseNotepad=0\r\n");

    IniFile settings;
    WriteSettingsSection(settings, 2, s);
    const std::string text = settings.Serialize();
    const char* order[] = {
        "DefaultUnits=0",          "DisplayHistoryWin=1",     "MaxDisplaySize=2048",
        "DisplayFontName=Arial",   "DisplayFontSize=10",      "DisplayFontBold=0",
        "DisplayFontItalic=0",     "KeepFileNames=1",         "ShowDisclaim=1",
        "MaxMainMenu=0",           "EnableMainMenuToolbar=1", "ShortRecentFiles=0",
        "LoadLastInputFile=0",     "RemindAnnualUpdates=1",   "CopyExampleFiles=1",
        "DataPath=/data/MyQELTA/", "FileExtension=VRN"};
    size_t position = 0;
    for (const char* line : order) {
        SCOPED_TRACE(line);
        const size_t found = text.find(std::string("\r\n") + line + "\r\n", position);
        ASSERT_NE(found, std::string::npos);
        position = found + 1;
    }
    EXPECT_NE(text.find("\r\nExternalEditor=", position), std::string::npos);
}

TEST(WriteFileMenu, ClampsMaxLastFilesAfterWritingIt) {
    IniFile ini = IniFile::Parse("[FileMenu]\r\nLastFile3=old.VRN\r\n");
    SettingsRecord s = StartSettings(kData, kFont);
    s.MaxLastFiles = 7;
    s.recent[1] = {"a.VRN", 1, "/p/a.VRN", "/p/a.VRN"};
    WriteSettingsSection(ini, 3, s);
    EXPECT_EQ(s.MaxLastFiles, 0);
    EXPECT_EQ(ini.Serialize(), "[FileMenu]\r\nLastFile3=old.VRN\r\nMaxLastFiles=7\r\n");

    s.MaxLastFiles = 1;
    WriteSettingsSection(ini, 3, s);
    EXPECT_EQ(ini.Get("FileMenu", "LastFile1"), "a.VRN");
    EXPECT_EQ(ini.Get("FileMenu", "LastFileMode1"), "1");
    EXPECT_EQ(ini.Get("FileMenu", "LastFileLong1"), "/p/a.VRN");
    EXPECT_EQ(ini.Get("FileMenu", "LastFile3"), "old.VRN");
}

TEST(SettingsRecordFile, WholeRecordSurvivesWriteAndRead) {
    test::TempFolder dir;
    const std::string folder = dir.path().string() + "/";
    SettingsRecord s = StartSettings(kData, kFont);
    s.DefaultUnits = 1;
    s.DisplayHistoryWin = 1;
    s.MaxDisplaySize = 8000;
    s.DisplayFontName = "Courier New";
    s.DisplayFontSize = 12;
    s.DisplayFontBold = -1;
    s.DisplayFontItalic = -1;
    s.KeepFileNames = 1;
    s.ShowDisclaim = 0;
    s.MaxMainMenu = 1;
    s.EnableMainMenuToolbar = 0;
    s.ShortRecentFiles = 1;
    s.LoadLastInputFile = 1;
    s.RemindAnnualUpdates = 0;
    s.CopyExampleFiles = 0;
    s.DataPath = folder;
    s.FileExtension = "prj";
    s.ExternalEditor = "gedit --new-window";
    s.MaxLastFiles = 2;
    s.recent[1] = {"a b.prj", 1, folder + "a b.prj", "a b.prj"};
    s.recent[2] = {"M\xC3\xBCller.prj", 1, "/x/M\xC3\xBCller.prj", "M\xC3\xBCller.prj"};
    s.BrowseFontName = "System";
    s.BrowseFontSize = 24;
    s.BrowseFontBold = -1;
    s.BrowseFontItalic = 0;
    s.BrowseDefaultFilter = "*.txt";
    s.BrowseUseNotepad = 1;

    IniFile ini;
    for (int selector : {2, 3, 4}) {
        WriteSettingsSection(ini, selector, s);
    }
    ASSERT_TRUE(ini.Save(dir.file("VORN.INI")));
    const IniFile loaded = IniFile::Load(dir.file("VORN.INI"));
    SettingsRecord back = StartSettings("/elsewhere/", "Terminal");
    for (int selector : {2, 3, 4}) {
        ReadSettingsSection(loaded, selector, back, "/elsewhere/", "Terminal");
    }
    EXPECT_EQ(back, s);
}

TEST(DefaultDisplayFont, PrefersTheListedFontsInTheirOrder) {
    struct Case {
        std::vector<std::string> installed;
        std::string expected;
    };
    const Case cases[] = {
        {{"DejaVu Sans", "terminal", "COURIER NEW", "arial"}, "arial"},
        {{"Terminal", "System"}, "System"},
        {{"DejaVu Sans", "Liberation Mono"}, "DejaVu Sans"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(DefaultDisplayFont(c.installed), c.expected);
    }
}

class RecentFilesTest : public testing::Test {
  protected:
    SettingsRecord s = StartSettings(kData, kFont);

    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (int i = 1; i <= s.MaxLastFiles; ++i) {
            paths.push_back(s.recent[static_cast<size_t>(i)].LastFileLong);
        }
        return paths;
    }
};

TEST_F(RecentFilesTest, NewFilesGoOnTopAndTheFifthDropsTheOldest) {
    const std::vector<std::string> files = {"/p/a.VRN", "/p/b.VRN", "/p/c.VRN", "/p/d.VRN",
                                            "/p/e.VRN"};
    for (const std::string& f : files) {
        EXPECT_TRUE(AddToRecentFiles(s, f));
    }
    EXPECT_EQ(s.MaxLastFiles, 4);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/p/e.VRN", "/p/d.VRN", "/p/c.VRN", "/p/b.VRN"}));
    EXPECT_EQ(s.recent[1], (RecentFile{"e.VRN", 1, "/p/e.VRN", "/p/e.VRN"}));
}

TEST_F(RecentFilesTest, KnownFileSwapsWithTheTopWithoutWriting) {
    for (const char* f : {"/p/a.VRN", "/p/b.VRN", "/p/c.VRN", "/p/d.VRN"}) {
        AddToRecentFiles(s, f);
    }
    EXPECT_FALSE(AddToRecentFiles(s, "/p/b.VRN"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/p/b.VRN", "/p/c.VRN", "/p/d.VRN", "/p/a.VRN"}));
    EXPECT_FALSE(AddToRecentFiles(s, "/p/b.VRN"));
    EXPECT_EQ(s.MaxLastFiles, 4);
}

TEST_F(RecentFilesTest, ShortNamesMatchByFileName) {
    s.ShortRecentFiles = 1;
    EXPECT_TRUE(AddToRecentFiles(s, "/p/a.VRN"));
    EXPECT_TRUE(AddToRecentFiles(s, "/p/b.VRN"));
    EXPECT_EQ(s.recent[1].caption, "b.VRN");
    EXPECT_FALSE(AddToRecentFiles(s, "/other/a.VRN"));
    EXPECT_EQ(s.MaxLastFiles, 2);
    EXPECT_EQ(s.recent[1], (RecentFile{"a.VRN", 1, "/other/a.VRN", "a.VRN"}));
}

TEST_F(RecentFilesTest, NothingHappensWhenFileNamesAreNotKept) {
    s.KeepFileNames = 0;
    const SettingsRecord before = s;
    EXPECT_FALSE(AddToRecentFiles(s, "/p/a.VRN"));
    EXPECT_EQ(s, before);
}

TEST_F(RecentFilesTest, ListReadFromTheFileIsMatchedByItsCaptions) {
    s = ReadSections(
        "[Settings]\nKeepFileNames=1\n[FileMenu]\nMaxLastFiles=2\nLastFile1=a.VRN\nLastFileMode1="
        "1\nLastFileLong1=/p/a.VRN\n"
        "LastFile2=b.VRN\nLastFileMode2=1\nLastFileLong2=/p/b.VRN\n");
    EXPECT_FALSE(AddToRecentFiles(s, "/p/b.VRN"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/p/b.VRN", "/p/a.VRN"}));
    EXPECT_TRUE(AddToRecentFiles(s, "/p/c.VRN"));
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/p/c.VRN", "/p/b.VRN", "/p/a.VRN"}));
}

}  // namespace
}  // namespace vornexa
