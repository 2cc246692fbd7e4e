#include "cli/headless.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/startup.h"

namespace vornexa {
namespace {

namespace fs = std::filesystem;

const char* const kDevelopment =
    "VORN_201\r\n 0 \r\nMains\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 0 \r\n 0 \r\n0\r\n30\r\n"
    "200\r\n120\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n";

std::string BadPlanType() {
    std::string text = kDevelopment;
    return text.replace(text.find("##EndDesc##\r\n") + 13, 3, " 9 ");
}

// The development project with SigmaH 335 and a band of +-20 degrees, or the
// same as a Type B longwall with its headgate at 0.
std::string Banded(bool longwall) {
    std::string text = longwall ? BadPlanType().replace(BadPlanType().find(" 9 "), 3, " 1 ")
                                : std::string(kDevelopment);
    text.replace(text.find("0\r\n30\r\n"), 1, "335");
    text.replace(text.find("\r\n 0 \r\n0\r\n 1 "), 5, "\r\n 1 ");
    return text + "SigmaHTolerance=20\r\n";
}

class HeadlessTest : public testing::Test {
  protected:
    HeadlessTest() {
        std::string pattern = (fs::temp_directory_path() / "vornexa-cli-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        fs::create_directories(root / "docs");
        platform.programFolder = (root / "prog").string();
        platform.documents = (root / "docs").string();
        platform.exeBaseName = "vornexa";
    }
    ~HeadlessTest() override { fs::remove_all(root); }

    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = root / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    int Run(const std::vector<std::string>& args) {
        out.str({});
        err.str({});
        return RunHeadless(args, platform, out, err).value_or(-1);
    }

    fs::path root;
    PlatformInfo platform;
    std::ostringstream out, err;
};

TEST_F(HeadlessTest, ReportPrintsHeaderThenResultsWithThePathAsGiven) {
    const std::string path = Write("p.VRN", kDevelopment);
    ASSERT_EQ(Run({"--report", path}), 0) << err.str();
    const std::string report = out.str();
    EXPECT_EQ(report.rfind("VORN module build: 1.0.00\r\nProject File: " + path + "\r\n", 0), 0u);
    EXPECT_NE(report.find("[PROJECT TITLE]\r\nMains\r\n"), std::string::npos);
    EXPECT_NE(report.find("Right Cross Cut" + std::string(24, '.') + "200 (degrees)"),
              std::string::npos);
    EXPECT_NE(report.find("\r\n\r\nAngle of Entries to SigmaH"), std::string::npos);
    EXPECT_NE(report.find("Right Cross Cut Orientation: Good Conditions\r\n"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 30), "Click on View to view graphs. ");
    EXPECT_EQ(err.str(), "");
    EXPECT_FALSE(fs::exists(root / "docs" / "MyQELTA")) << "headless commands write nothing";
}

TEST_F(HeadlessTest, ReportFollowsACurrentSettingsFileOnly) {
    const std::string path = Write("p.VRN", kDevelopment);
    const std::string options = "[VORNOptions]\r\nPrintModuleHeader=0\r\n";
    Write("docs/MyQELTA/VORN.INI", "[Version]\r\nINIFileVersion=050817\r\n" + options);
    ASSERT_EQ(Run({"--report", path}), 0);
    EXPECT_EQ(out.str().rfind("[PROJECT TITLE]", 0), 0u);
    Write("docs/MyQELTA/VORN.INI", "[Version]\r\nINIFileVersion=010101\r\n" + options);
    ASSERT_EQ(Run({"--report", path}), 0);
    EXPECT_EQ(out.str().rfind("VORN module build", 0), 0u);
    EXPECT_NE(fs::file_size(root / "docs" / "MyQELTA" / "VORN.INI"), 0u) << "left as it was";
}

TEST_F(HeadlessTest, ReportFailuresGoToStandardError) {
    std::string outOfRange = kDevelopment;
    outOfRange.replace(outOfRange.find("200\r\n"), 3, "400");
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {Write("range.VRN", outOfRange),
         "Value '400' is outside input range\nValid range is: 0-360\n"},
        {Write("bad.VRN", "NOT_A_PROJECT\r\n"), "Invalid file format\n"},
        {Write("index.VRN", BadPlanType()),
         "Invalid file format\nLine 7 (plan type): '9' is outside 0 to 1\n"},
        {(root / "missing.VRN").string(), "Error occurred: File not found (53)\n"},
        {Write("short.VRN", "VORN_201\r\n 0 \r\n"),
         "Error occurred: Input past end of file (62)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(Run({"--report", c.file}), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), c.message);
    }
}

TEST_F(HeadlessTest, ReportAddsTheBandAfterTheUnchangedText) {
    const std::string band =
        "\r\n\r\n[SIGMAH BAND]\r\n"
        "SigmaH Tolerance..................................+/- 20 (degrees)\r\n"
        "SigmaH Band.......................................315 to 355 (degrees)\r\n\r\n";
    struct Case {
        bool longwall;
        std::string section;
    };
    const Case cases[] = {
        {false, band +
                    "Angle Range of Entries to SigmaH..................35 to 120 (degrees)\r\n"
                    "Entry Orientation over the Band: Moderate to Difficult Conditions\r\n\r\n"
                    "Angle Range of Left Cross Cut to SigmaH...........15 to 55 (degrees)\r\n"
                    "Left Cross Cut Orientation over the Band: Good to Moderate Conditions\r\n"
                    "\r\n"
                    "Angle Range of Right Cross Cut to SigmaH..........25 to 120 (degrees)\r\n"
                    "Right Cross Cut Orientation over the Band: Good to Difficult Conditions\r\n"},
        {true, band + "Headgate Stress Level Range.......................19.22 to 83.46%\r\n"
                      "Stress State over the Band: Concentration\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longwall ? "longwall" : "development");
        std::string exact = Banded(c.longwall);
        exact.erase(exact.find("SigmaHTolerance"));
        ASSERT_EQ(Run({"--report", Write("p.VRN", exact)}), 0);
        const std::string unbanded = out.str();
        ASSERT_EQ(Run({"--report", Write("p.VRN", Banded(c.longwall))}), 0) << err.str();
        EXPECT_EQ(out.str(), unbanded + c.section);
    }
}

TEST_F(HeadlessTest, SweepPrintsTheFindersTableAsCsv) {
    ASSERT_EQ(Run({"--sweep", Write("l.VRN", Banded(true)), "--step", "45"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "azimuth,worst_headgate_pct,state\n0,83.46,Concentration\n45,100.00,Concentration\n"
              "90,80.78,Relief\n135,12.84,Partly Relief\n180,83.46,Concentration\n"
              "225,100.00,Concentration\n270,80.78,Relief\n315,12.84,Partly Relief\n");
    ASSERT_EQ(Run({"--sweep", Write("d.VRN", Banded(false))}), 0) << err.str();
    const std::string csv = out.str();
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 361) << "header and 0 to 359";
    EXPECT_EQ(csv.rfind("azimuth,entries,left_crosscut,right_crosscut,", 0), 0u);
    EXPECT_NE(csv.find("\n30,Difficult,Moderate,Difficult,120,200\n"), std::string::npos)
        << "the crosscuts keep their angles to the entries";
    EXPECT_NE(csv.find("\n270,Difficult,Moderate,Difficult,0,80\n"), std::string::npos)
        << "and stay within 0..360";
}

TEST_F(HeadlessTest, SweepRefusesABadStep) {
    const std::string path = Write("d.VRN", Banded(false));
    for (const char* step : {"0", "-5", "90.5", "abc", "", "nan"}) {
        SCOPED_TRACE(step);
        EXPECT_EQ(Run({"--sweep", path, "--step", step}), 2);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(),
                  "Invalid step '" + std::string(step) +
                      "': give --step DEG, a number of degrees above 0 and at most 90\n");
    }
    EXPECT_EQ(Run({"--sweep", path, "--stop", "5"}), 2) << "an unknown option is no step";
    EXPECT_EQ(Run({"--sweep", path, "--step"}), 2);
    EXPECT_EQ(Run({"--sweep", (root / "missing.VRN").string()}), 1);
}

TEST_F(HeadlessTest, StressPrintsCaptionTabAndValue) {
    ASSERT_EQ(Run({"--stress", Write("p.VRN", kDevelopment)}), 0);
    EXPECT_EQ(out.str(), "Horizontal Stress (psi)\t2162\n");
    std::string metric = kDevelopment;
    metric.replace(metric.find(" 0 "), 3, " 1 ");
    metric.replace(metric.find(" 1000 \r\n 2 "), 11, " 304.8 \r\n 13.8 ");
    ASSERT_EQ(Run({"--stress", Write("m.VRN", metric)}), 0);
    EXPECT_EQ(out.str(), "Horizontal Stress (MPa)\t14.9\n");
}

TEST_F(HeadlessTest, ConvertPrintsEveryUnit) {
    ASSERT_EQ(Run({"--convert", "Load", "1", "kips"}), 0);
    EXPECT_EQ(out.str(),
              "lbsF\t1000\ntonsF (short)\t0.5\nkN\t4.44822048939322\n"
              "MN\t4.44822048939322E-03\nkips\t1\n");
    ASSERT_EQ(Run({"--convert", "load grad", "1", "LBSF/FT"}), 0);
    EXPECT_EQ(out.str().substr(0, 29), "lbsF/in\t8.33333333333333E-02\n");
    EXPECT_EQ(Run({"--convert", "Mass", "1", "kg"}), 2);
    EXPECT_NE(err.str().find("Unknown quantity 'Mass'"), std::string::npos);
    EXPECT_EQ(Run({"--convert", "Load", "1", "tonsF"}), 2);
    EXPECT_NE(err.str().find("\"tonsF (short)\""), std::string::npos);
}

TEST_F(HeadlessTest, UsageVersionAndUnknownCommands) {
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.str(), "Vornexa 1.0.00\n");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("\"tonsF (short)\""), std::string::npos);
    EXPECT_NE(out.str().find("vornexa --sweep FILE [--step DEG]"), std::string::npos);
    EXPECT_EQ(Run({"--report"}), 2);
    EXPECT_EQ(Run({"--frobnicate"}), 2);
    EXPECT_FALSE(RunHeadless({"project.VRN"}, platform, out, err).has_value());
    EXPECT_FALSE(RunHeadless({}, platform, out, err).has_value());
}

TEST_F(HeadlessTest, DiagramExportWritesTheImage) {
    const std::string project = Write("p.VRN", kDevelopment);
    const std::string png = (root / "d.png").string();
    const std::string command =
        std::string(VORNEXA_EXE) + " --diagram '" + project + "' '" + png + "' 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
    EXPECT_TRUE(fs::exists(png));
    const std::string bad = std::string(VORNEXA_EXE) + " --diagram '" + project + "' '" +
                            (root / "d.bmp").string() + "' 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(bad.c_str())), 1);
}

// The executable itself: exit status and standard output of a real process.
TEST(HeadlessExecutable, ExitsWithTheCommandStatus) {
    const auto run = [](const std::string& args, std::string& output) {
        FILE* pipe = ::popen((std::string(VORNEXA_EXE) + " " + args + " 2>/dev/null").c_str(), "r");
        char buf[256];
        output.clear();
        while (size_t n = std::fread(buf, 1, sizeof buf, pipe)) {
            output.append(buf, n);
        }
        return WEXITSTATUS(::pclose(pipe));
    };
    std::string output;
    EXPECT_EQ(run("--version", output), 0);
    EXPECT_EQ(output, "Vornexa 1.0.00\n");
    EXPECT_EQ(run("--convert Length 1 m", output), 0);
    EXPECT_EQ(output, "in\t39.3700787401575\nft\t3.28083989501312\ncm\t100\nm\t1\n");
    EXPECT_EQ(run("--report /nonexistent/x.VRN", output), 1);
    EXPECT_EQ(run("--bogus", output), 2);
    EXPECT_EQ(run("--sweep /nonexistent/x.VRN --step 0", output), 2);
    EXPECT_EQ(output, "");
}

}  // namespace
}  // namespace vornexa
