#include "core/project_file.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <random>

#include "core/app_state.h"
#include "core/project_commands.h"
#include "test_support.h"
#include "util/text.h"

namespace vornexa {
namespace {

const char* const kNewProjectFile =
    "VORN_201\r\n 0 \r\n\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 0 \r\n 0 \r\n0\r\n0\r\n"
    "90\r\n270\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n";

class ProjectFileTest : public testing::Test {
  protected:
    ProjectFileTest() { FileNew(state, true, true); }

    std::string Save(const std::string& name = "p.VRN") {
        state.project.CurrentFile = dir.file(name);
        EXPECT_TRUE(FileSave(state));
        return test::ReadAll(state.project.CurrentFile);
    }
    bool Open(const std::string& bytes, const std::string& name = "in.VRN") {
        test::WriteAll(dir.file(name), bytes);
        state.project.CurrentFile = dir.file(name);
        return FileOpen(state);
    }
    // The new project's file with line `index` (0-based) replaced.
    static std::string WithLine(size_t index, const std::string& text) {
        std::vector<std::string> lines = SplitLines(kNewProjectFile);
        lines[index] = text;
        std::string out;
        for (const std::string& l : lines) {
            out += l + "\r\n";
        }
        return out;
    }

    test::TempFolder dir;
    test::RecordingPresenter presenter;
    AppState state{presenter};
};

TEST_F(ProjectFileTest, NewProjectSavesTheEighteenLinesByteForByte) {
    EXPECT_EQ(Save(), kNewProjectFile);
    EXPECT_TRUE(state.project.IsSaved);
}

TEST_F(ProjectFileTest, FieldForms) {
    state.project.ProjParms.AzimSigmaH = 22.5f;
    state.project.ProjParms.PlanType = 1;
    state.project.DepthCover = 304.8f;
    state.project.RockModulus = 13.8f;
    state.project.ProjParms.ShowStress = -1;
    const std::vector<std::string> lines = SplitLines(Save());
    EXPECT_EQ(lines[6], " 1 ");
    EXPECT_EQ(lines[8], "22.5");
    EXPECT_EQ(lines[14], "-1 ");
    EXPECT_EQ(lines[16], " 304.8 ");
    EXPECT_EQ(lines[17], " 13.8 ");
}

TEST_F(ProjectFileTest, DescriptionIsReflowedOnSave) {
    const std::string blankAt52 = std::string(51, 'a') + " " + std::string(23, 'b');
    state.project.ProjDesc = "\r\n\r\n\r\n" + blankAt52 + "\r\n" + std::string(75, 'c') + "\r\n";
    const std::string saved = Save();
    const std::string block = "##StartDesc##\r\n" + std::string(51, 'a') + " \r\n" +
                              std::string(23, 'b') + "\r\n" + std::string(60, 'c') + "\r\n" +
                              std::string(15, 'c') + "\r\n##EndDesc##\r\n";
    EXPECT_NE(saved.find(block), std::string::npos) << saved;
}

TEST_F(ProjectFileTest, OnlyBlankLinesSaveAsAnEmptyDescription) {
    state.project.ProjDesc = "  \r\n\r\n   \r\n";
    EXPECT_EQ(Save(), kNewProjectFile);
    EXPECT_EQ(state.project.ProjDesc, "");
}

TEST_F(ProjectFileTest, OpenReadsEveryFieldAndMarksTheProject) {
    const std::string text =
        "VORN_201\r\n 1 \r\nPanel 7\r\n##StartDesc##\r\nfirst\r\n\r\n  second  \r\n##EndDesc##\r\n"
        " 1 \r\n 3 \r\n335\r\n10.5\r\n100\r\n280\r\n 1 \r\n12.25\r\n 0 \r\n 4 \r\n 304.8 \r\n 13.8 "
        "\r\n";
    ASSERT_TRUE(Open(text));
    const ProjectRecord& p = state.project;
    EXPECT_EQ(p.CurrentUnits, 1);
    EXPECT_EQ(p.ProjTitle, "Panel 7");
    EXPECT_EQ(p.ProjDesc, "first\r\n  second  \r\n");
    EXPECT_EQ(p.ProjParms.PlanType, 1);
    EXPECT_EQ(p.ProjParms.RegionType, 3);
    EXPECT_EQ(p.ProjParms.AzimSigmaH, 335.0f);
    EXPECT_EQ(p.ProjParms.AzimEntries, 10.5f);
    EXPECT_EQ(p.ProjParms.AzimRightCross, 100.0f);
    EXPECT_EQ(p.ProjParms.AzimLeftCross, 280.0f);
    EXPECT_EQ(p.ProjParms.LongType, 1);
    EXPECT_EQ(p.ProjParms.AzimHeadGate, 12.25f);
    EXPECT_EQ(p.ProjParms.ShowStress, 0);
    EXPECT_EQ(p.StressRegion, 4);
    EXPECT_EQ(p.DepthCover, 304.8f);
    EXPECT_EQ(p.RockModulus, 13.8f);
    EXPECT_EQ(p.FileFormatLevel, 52);
    EXPECT_TRUE(p.IsSaved);
    EXPECT_TRUE(p.UnitsLocked);
    EXPECT_FALSE(p.IsEmpty);
}

TEST_F(ProjectFileTest, OldFormatLoadsDefaultsAndSavesTheNewForm) {
    std::string old = kNewProjectFile;
    old.replace(0, 8, "VORN_200");
    old = old.substr(0, old.find(" 0 \r\n 1000 "));
    old.replace(old.find("\r\n 1 \r\n") + 2, 3, " 0 ");
    state.project.DepthCover = 5;
    ASSERT_TRUE(Open(old));
    EXPECT_EQ(state.project.FileFormatLevel, 51);
    EXPECT_EQ(state.project.DepthCover, 1000.0f);
    EXPECT_EQ(state.project.RockModulus, 2.0f);
    EXPECT_EQ(state.project.StressRegion, 0);
    EXPECT_EQ(state.project.ProjParms.ShowStress, 0);
    std::string upgraded = kNewProjectFile;
    upgraded.replace(upgraded.find("\r\n 1 \r\n") + 2, 3, " 0 ");
    EXPECT_EQ(Save(), upgraded);
}

TEST_F(ProjectFileTest, OldMetricFileTakesTheMetricNewProjectValues) {
    std::string old = WithLine(1, " 1 ").replace(0, 8, "VORN_200");
    ASSERT_TRUE(Open(old.substr(0, old.find(" 0 \r\n 1000 "))));
    EXPECT_EQ(state.project.DepthCover, 304.8f);
    EXPECT_EQ(state.project.RockModulus, 13.8f);
}

TEST_F(ProjectFileTest, FormatCheck) {
    struct Case {
        std::string firstLine;
        bool accepted;
    };
    const Case cases[] = {{"VORN_201", true},  {"   VORN_201", true}, {"VORN_201,extra", true},
                          {"vorn_201", false}, {"VORN_202", false},   {"VORN_201 x", false},
                          {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstLine);
        presenter.shown.clear();
        state.project.ProjTitle = "kept";
        EXPECT_EQ(Open(WithLine(0, c.firstLine)), c.accepted);
        if (!c.accepted) {
            ASSERT_EQ(presenter.shown.size(), 1u);
            EXPECT_EQ(presenter.shown[0].text, "Invalid file format");
            EXPECT_EQ(state.project.ProjTitle, "kept");
            EXPECT_EQ(state.project.CurrentFile, dir.file("in.VRN"));
        }
    }
}

TEST_F(ProjectFileTest, UnitSystemOutsideItsRangeReadsAsEnglish) {
    for (const char* units : {" 5 ", "-1 ", " 1e9 "}) {
        ASSERT_TRUE(Open(WithLine(1, units))) << units;
        EXPECT_EQ(state.project.CurrentUnits, 0) << units;
    }
}

TEST_F(ProjectFileTest, NumbersEndAtBlankOrCommaAndSkipTheRest) {
    ASSERT_TRUE(Open(WithLine(8, "\t 45.5, ignored")));
    EXPECT_EQ(state.project.ProjParms.AzimSigmaH, 45.5f);
    ASSERT_TRUE(Open(WithLine(9, "400 ignored")));
    EXPECT_EQ(state.project.ProjParms.AzimEntries, 400.0f) << "range is checked later";
}

TEST_F(ProjectFileTest, TypedRegionSavedAsMinusOneReadsBack) {
    ASSERT_TRUE(Open(WithLine(7, "-1 ")));
    EXPECT_EQ(state.project.ProjParms.RegionType, -1);
}

TEST_F(ProjectFileTest, RejectsValuesTheProgramCannotUseAndNamesLineAndValue) {
    struct Case {
        size_t line;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {6, " 2 ", "Line 7 (plan type): '2' is outside 0 to 1"},
        {7, " 4 ", "Line 8 (SigmaH region): '4' is outside -1 to 3"},
        {7, "-2 ", "Line 8 (SigmaH region): '-2' is outside -1 to 3"},
        {12, " 7 ", "Line 13 (longwall mining sequence): '7' is outside 0 to 1"},
        {15, " 5 ", "Line 16 (stress region): '5' is outside 0 to 4"},
        {8, "abc", "Line 9 (azimuth of SigmaH): 'abc' is not a number"},
        {8, "12abc", "Line 9 (azimuth of SigmaH): '12abc' is not a number"},
        {9, "nan", "Line 10 (azimuth of entries): 'nan' is not a number"},
        {10, "1e999", "Line 11 (azimuth of right crosscut): '1e999' is not a number"},
        {11, "1e39", "Line 12 (azimuth of left crosscut): '1e39' is too large"},
        {13, "", "Line 14 (azimuth of headgate) holds no number"},
        {14, " 40000 ",
         "Line 15 (show stress graph): '40000' is outside the range of a 16-bit integer"},
        {16, " inf ", "Line 17 (depth of cover): 'inf' is not a number"},
        {1, "x", "Line 2 (unit system): 'x' is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        presenter.shown.clear();
        EXPECT_FALSE(Open(WithLine(c.line, c.text)));
        ASSERT_EQ(presenter.shown.size(), 1u);
        EXPECT_EQ(presenter.shown[0].text, "Invalid file format\r\n" + c.message);
        EXPECT_TRUE(state.project.IsEmpty);
        EXPECT_EQ(state.project.ProjParms, NewProjectParms(state.options));
        EXPECT_EQ(state.project.DepthCover, 1000.0f);
    }
}

TEST_F(ProjectFileTest, ToleranceLineFollowsTheLastItemOnlyWhenSet) {
    state.project.ProjParms.SigmaHTolerance = 12.5f;
    const std::string saved = Save();
    EXPECT_EQ(saved, std::string(kNewProjectFile) + "SigmaHTolerance=12.5\r\n");
    state.project.ProjParms.SigmaHTolerance = 3;
    ASSERT_TRUE(Open(saved));
    EXPECT_EQ(state.project.ProjParms.SigmaHTolerance, 12.5f);
    state.options.DefaultSigmaHTolerance = 15;
    ASSERT_TRUE(Open(kNewProjectFile));
    EXPECT_EQ(state.project.ProjParms.SigmaHTolerance, 0.0f) << "no line: the exact azimuth";
    const std::string old = std::string(kNewProjectFile).replace(0, 8, "VORN_200");
    ASSERT_TRUE(Open(old.substr(0, old.find(" 0 \r\n 1000 "))));
    EXPECT_EQ(state.project.ProjParms.SigmaHTolerance, 0.0f) << "nor in the older format";
    ASSERT_TRUE(Open(std::string(kNewProjectFile) + "SigmaHTolerance=90\r\n"));
    EXPECT_EQ(state.project.ProjParms.SigmaHTolerance, 90.0f);
    ASSERT_TRUE(Open(std::string(kNewProjectFile) + "Notes of another program\r\n"))
        << "a line that is not ours stays ignored, as before";
}

TEST_F(ProjectFileTest, RejectsAMalformedToleranceLineAndNamesIt) {
    struct Case {
        std::string line;
        std::string message;
    };
    const Case cases[] = {
        {"SigmaHTolerance=abc", "Line 19 (SigmaH tolerance): 'abc' is not a number"},
        {"SigmaHTolerance=12.5x", "Line 19 (SigmaH tolerance): '12.5x' is not a number"},
        {"SigmaHTolerance=", "Line 19 (SigmaH tolerance) holds no number"},
        {"SigmaHTolerance=nan", "Line 19 (SigmaH tolerance): 'nan' is not a number"},
        {"SigmaHTolerance=90.5", "Line 19 (SigmaH tolerance): '90.5' is outside 0 to 90"},
        {"SigmaHTolerance=-1", "Line 19 (SigmaH tolerance): '-1' is outside 0 to 90"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        presenter.shown.clear();
        EXPECT_FALSE(Open(std::string(kNewProjectFile) + c.line + "\r\n"));
        ASSERT_EQ(presenter.shown.size(), 1u);
        EXPECT_EQ(presenter.shown[0].text, "Invalid file format\r\n" + c.message);
    }
}

TEST_F(ProjectFileTest, FileEndingEarlyRaisesInputPastEndAndKeepsTheOpenProject) {
    const std::string full = kNewProjectFile;
    for (const std::string& cut :
         {full.substr(0, full.find("##EndDesc##")), full.substr(0, full.rfind(" 2 "))}) {
        state.project.ProjTitle = "old";
        try {
            Open("VORN_201\r\n 1 \r\ntitle\r\n" + cut.substr(cut.find("##StartDesc##")));
            FAIL() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), err::kInputPastEnd);
            EXPECT_EQ(e.description(), "Input past end of file");
        }
        EXPECT_EQ(state.project.ProjTitle, "old");
        EXPECT_EQ(state.project.CurrentUnits, 0);
    }
}

TEST_F(ProjectFileTest, MissingFileRaisesFileNotFound) {
    state.project.CurrentFile = dir.file("missing.VRN");
    try {
        FileOpen(state);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), err::kFileNotFound);
    }
}

TEST_F(ProjectFileTest, LfOnlyAndMissingStartMarkerRead) {
    std::string lf;
    for (const std::string& l : SplitLines(kNewProjectFile)) {
        lf += l + "\n";
    }
    ASSERT_TRUE(Open(lf));
    std::string noMarker = WithLine(3, "description without marker");
    noMarker.erase(noMarker.find("\r\n\r\n##EndDesc##"), 2);
    ASSERT_TRUE(Open(noMarker));
    EXPECT_EQ(state.project.ProjDesc, "description without marker\r\n");
}

TEST_F(ProjectFileTest, TextOutsideWindows1252IsSavedAsUtf8AndReadBack) {
    state.project.ProjTitle = "Flöz Zollverein";
    EXPECT_NE(Save("latin.VRN").find("Fl\xF6z"), std::string::npos) << "Windows-1252 byte";
    state.project.ProjTitle = "Шахта №5 — 採掘";
    EXPECT_NE(Save("utf8.VRN").find("Шахта"), std::string::npos);
    for (const char* name : {"latin.VRN", "utf8.VRN"}) {
        state.project.CurrentFile = dir.file(name);
        ASSERT_TRUE(FileOpen(state));
    }
    EXPECT_EQ(state.project.ProjTitle, "Шахта №5 — 採掘");
    ASSERT_TRUE(Open(WithLine(2, "Ger\x9Fte \x80 100")));
    EXPECT_EQ(state.project.ProjTitle, "Ger\xC5\xB8te \xE2\x82\xAC 100");
}

TEST_F(ProjectFileTest, LinesThatWouldBreakTheLayoutAreKeptInside) {
    state.project.ProjTitle = "two\r\nlines";
    state.project.ProjDesc = "##EndDesc##\r\nafter";
    Save();
    ASSERT_TRUE(FileOpen(state));
    EXPECT_EQ(state.project.ProjTitle, "two  lines");
    EXPECT_EQ(state.project.ProjDesc, "##EndDesc## \r\nafter\r\n");
}

// A file-size limit makes the write itself fail, for root too.
TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFileIntact) {
    const std::string before = Save();
    state.project.ProjDesc = std::string(500, 'x');
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    int number = 0;
    try {
        FileSave(state);
    } catch (const AppError& e) {
        number = e.number();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(number, err::kDiskFull);
    EXPECT_EQ(test::ReadAll(state.project.CurrentFile), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the temporary file is removed";
}

TEST_F(ProjectFileTest, AValueThatWouldNotReadBackIsNeverSaved) {
    const std::string before = Save();
    state.project.ProjDesc = "\r\n\r\nkept as typed";
    state.project.IsSaved = false;
    state.project.DepthCover = std::numeric_limits<float>::infinity();
    try {
        FileSave(state);
        ADD_FAILURE() << "saved";
    } catch (const AppError& e) {
        EXPECT_EQ(e.description(),
                  "Project not saved. Line 17 (depth of cover): 'Infinity' is not a number");
    }
    EXPECT_EQ(test::ReadAll(state.project.CurrentFile), before);
    EXPECT_FALSE(state.project.IsSaved);
    EXPECT_EQ(state.project.ProjDesc, "\r\n\r\nkept as typed");
}

TEST_F(ProjectFileTest, ReadOnlyFolderAndFileRefuseTheSave) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    const std::string before = Save();
    ASSERT_EQ(::chmod(state.project.CurrentFile.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    EXPECT_THROW(FileSave(state), AppError);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(test::ReadAll(state.project.CurrentFile), before);
}

TEST_F(ProjectFileTest, SaveIntoMissingFolderRaisesPathNotFound) {
    state.project.CurrentFile = dir.file("no/such/folder.VRN");
    try {
        FileSave(state);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), err::kPathNotFound);
    }
}

TEST_F(ProjectFileTest, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
    Save();
    state.project.ProjTitle = "second";
    Save();
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "p.VRN");
    }
    EXPECT_EQ(files, 1u);
    EXPECT_NE(test::ReadAll(dir.file("p.VRN")).find("second"), std::string::npos);
}

// Random projects saved and read back give the same record.
TEST_F(ProjectFileTest, RoundTripOfRandomProjects) {
    std::mt19937 rng(20261208);
    const auto pick = [&rng](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const auto azimuth = [&]() { return static_cast<float>(pick(0, 360000) / 1000.0); };
    const std::vector<std::string> alphabet = {"a", "b", "Z", " ", " ", "0", "9", ".", ",",
                                               ";", "#", "-", "é", "ü", "€", "Ж", "\t"};
    const auto text = [&](int length) {
        std::string s;
        for (int i = 0; i < length; ++i) {
            s += alphabet[static_cast<size_t>(pick(0, static_cast<int>(alphabet.size()) - 1))];
        }
        return s;
    };
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        ProjectRecord& p = state.project;
        p.CurrentUnits = static_cast<int16_t>(pick(0, 1));
        p.ProjTitle = text(pick(0, 30));
        p.ProjDesc.clear();
        for (int line = pick(0, 4); line > 0; --line) {
            p.ProjDesc += text(pick(0, 90)) + "\r\n";
        }
        p.ProjParms = {static_cast<int16_t>(pick(0, 1)),
                       static_cast<int16_t>(pick(0, 3)),
                       azimuth(),
                       azimuth(),
                       azimuth(),
                       azimuth(),
                       static_cast<int16_t>(pick(0, 1)),
                       azimuth(),
                       static_cast<int16_t>(pick(0, 1)),
                       pick(0, 1) == 0 ? 0.0f : static_cast<float>(pick(1, 90000) / 1000.0)};
        p.StressRegion = static_cast<int16_t>(pick(0, 4));
        p.DepthCover = static_cast<float>(pick(1, 999999) / 100.0);
        p.RockModulus = static_cast<float>(pick(1, 1000) / 10.0);
        Save();
        const ProjectRecord saved = p;
        ASSERT_TRUE(FileOpen(state));
        EXPECT_EQ(p.ProjParms, saved.ProjParms);
        EXPECT_EQ(p.CurrentUnits, saved.CurrentUnits);
        EXPECT_EQ(p.ProjTitle, saved.ProjTitle);
        EXPECT_EQ(ReflowDescription(p.ProjDesc), saved.ProjDesc);
        EXPECT_EQ(p.StressRegion, saved.StressRegion);
        EXPECT_EQ(p.DepthCover, saved.DepthCover);
        EXPECT_EQ(p.RockModulus, saved.RockModulus);
    }
}

}  // namespace
}  // namespace vornexa
