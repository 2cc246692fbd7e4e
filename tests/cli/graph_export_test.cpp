#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Type B, SigmaH 300, headgate 10: headgate angle 250.
const char* const kLongwall =
    "VORN_201\r\n 0 \r\nPanel\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 1 \r\n 0 \r\n300\r\n30\r\n"
    "200\r\n120\r\n 1 \r\n10\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n";
const char* const kDevelopment =
    "VORN_201\r\n 0 \r\nMains\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 0 \r\n 0 \r\n0\r\n30\r\n"
    "200\r\n120\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n";

class GraphExportTest : public testing::Test {
  protected:
    GraphExportTest() {
        std::string pattern = (fs::temp_directory_path() / "vornexa-graph-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        fs::create_directory(root / "tmp");
    }
    ~GraphExportTest() override { fs::remove_all(root); }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(root / name, std::ios::binary) << text;
        return (root / name).string();
    }
    std::string Out(const std::string& name) const { return (root / name).string(); }

    // Runs the program with its own home, so no user settings are read, its own
    // temporary folder and no runtime folder, as from a cron job; keeps standard error.
    int Run(const std::string& args, const std::string& command = "--graph") {
        const std::string line = "env -u XDG_RUNTIME_DIR HOME='" + root.string() + "' TMPDIR='" +
                                 (root / "tmp").string() + "' " + VORNEXA_EXE + " " + command +
                                 " " + args + " 2>&1 >/dev/null";
        FILE* pipe = ::popen(line.c_str(), "r");
        err.clear();
        char buf[256];
        while (size_t n = std::fread(buf, 1, sizeof buf, pipe)) {
            err.append(buf, n);
        }
        return WEXITSTATUS(::pclose(pipe));
    }

    fs::path root;
    std::string err;
};

std::string Head(const std::string& path, size_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

TEST_F(GraphExportTest, PngHasTheExportSize) {
    const std::string project = Write("p.VRN", kLongwall);
    ASSERT_EQ(Run("'" + project + "' '" + Out("g.png") + "'"), 0) << err;
    EXPECT_EQ(err, "");
    const std::string head = Head(Out("g.png"), 24);
    ASSERT_EQ(head.size(), 24u);
    EXPECT_EQ(head.substr(1, 3), "PNG");
    EXPECT_EQ(head.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(head, 16), 640u);
    EXPECT_EQ(BigEndian(head, 20), 480u);
}

TEST_F(GraphExportTest, EveryTypeByItsEndingInAnyCase) {
    const std::string project = Write("p.VRN", kLongwall);
    struct Case {
        const char* name;
        const char* start;
    };
    const Case cases[] = {
        {"g.svg", "<?xml"}, {"g.SVG", "<?xml"},   {"g.pdf", "%PDF"},
        {"g.Pdf", "%PDF"},  {"g.PNG", "\x89PNG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(Out(c.name));
        ASSERT_EQ(Run("'" + project + "' '" + Out(c.name) + "'"), 0) << err;
        EXPECT_EQ(Head(Out(c.name), std::string(c.start).size()), c.start);
    }
    std::ifstream svg(Out("g.svg"));
    const std::string text((std::istreambuf_iterator<char>(svg)), {});
    EXPECT_NE(text.find("Stress Concentration / Stress Relief"), std::string::npos);
}

// Qt's own start-up remarks are not the command's messages; nothing is left behind.
TEST_F(GraphExportTest, DrawingCommandsPrintNothingButTheirOwnMessages) {
    const std::string longwall = Write("p.VRN", kLongwall);
    const std::string development = Write("d.VRN", kDevelopment);
    const struct {
        std::string command, project, out;
    } cases[] = {
        {"--diagram", development, "d.png"},
        {"--diagram", longwall, "l.svg"},
        {"--graph", longwall, "g.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + " " + c.out);
        ASSERT_EQ(Run("'" + c.project + "' '" + Out(c.out) + "'", c.command), 0);
        EXPECT_EQ(err, "");
        EXPECT_TRUE(fs::exists(Out(c.out)));
        EXPECT_TRUE(fs::is_empty(root / "tmp"));
    }
    EXPECT_EQ(Run("'" + development + "' '" + Out("d.bmp") + "'", "--diagram"), 1);
    EXPECT_EQ(err, "Cannot write the diagram to " + Out("d.bmp") +
                       " (the name must end in .png, .svg or .pdf)\n");
}

TEST_F(GraphExportTest, RefusalsAndFailures) {
    const std::string longwall = Write("p.VRN", kLongwall);
    const std::string development = Write("d.VRN", kDevelopment);
    struct Case {
        std::string args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"'" + development + "' '" + Out("d.png") + "'", 1,
         "The stress graph is drawn for longwall projects only: " + development +
             " is a development project\n"},
        {"'" + longwall + "' '" + Out("g.bmp") + "'", 1,
         "Cannot write the stress graph to " + Out("g.bmp") +
             ": the name must end in .png, .svg or .pdf\n"},
        {"'" + longwall + "' '" + Out("missing/g.png") + "'", 1,
         "Cannot write the stress graph to " + Out("missing/g.png") + "\n"},
        {"'" + Out("none.VRN") + "' '" + Out("n.png") + "'", 1,
         "Error occurred: File not found (53)\n"},
        {"'" + longwall + "'", 2,
         "Usage: vornexa --graph FILE OUT (OUT ends in .png, .svg or .pdf)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Run(c.args), c.status);
        EXPECT_EQ(err, c.message);
    }
    EXPECT_FALSE(fs::exists(Out("d.png")));
    EXPECT_FALSE(fs::exists(Out("g.bmp")));
}

// What a command prints on standard output.
std::string Output(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string text;
    char buf[4096];
    while (size_t n = std::fread(buf, 1, sizeof buf, pipe)) {
        text.append(buf, n);
    }
    ::pclose(pipe);
    return text;
}

// SigmaH 0 and a tolerance of 10 degrees when `band`; the title as given.
std::string Project(int planType, const std::string& title, bool band) {
    return "VORN_201\r\n 0 \r\n" + title + "\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n " +
           std::to_string(planType) + " \r\n 0 \r\n0\r\n30\r\n90\r\n270\r\n 0 \r\n65\r\n 1 \r\n" +
           " 0 \r\n 1000 \r\n 2 \r\n" + (band ? "SigmaHTolerance=10\r\n" : "");
}

TEST_F(GraphExportTest, PdfReportHoldsReportPicturesAndSweep) {
    const struct {
        int planType;
        bool band;
        const char* pages;
        std::vector<std::string> lines;
    } cases[] = {
        {0,
         false,
         "2",
         {"Angle of Entries to SigmaH........................30 (degrees)",
          "Stress Design Diagram of Mains 4: SigmaH 0, Entries 30, Left Cross Cut 270,"}},
        {1,
         false,
         "3",
         {"Headgate Angle to SigmaH", "Stress Graph of Mains 4: SigmaH 0, Headgate 65 (degrees),",
          "Angle with Maximum Horizontal Stress"}},
        {1, true, "4", {"[SIGMAH BAND]", "[LAYOUT SWEEP]", "Headgate Azimuths in Relief"}},
        {0, true, "3", {"[LAYOUT SWEEP]", "Entries Azimuths, Best First"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.planType) + (c.band ? " band" : ""));
        const std::string project = Write("p.VRN", Project(c.planType, "Mains 4", c.band));
        ASSERT_EQ(Run("'" + project + "' '" + Out("r.pdf") + "'", "--pdf"), 0) << err;
        EXPECT_EQ(err, "");
        const std::string info = Output("pdfinfo '" + Out("r.pdf") + "'");
        EXPECT_NE(info.find(std::string("Pages:           ") + c.pages + "\n"), std::string::npos)
            << info;
        EXPECT_NE(info.find("Author:          Vornexa\n"), std::string::npos) << info;
        EXPECT_NE(info.find("(letter)"), std::string::npos) << info;
        const std::string text = Output("pdftotext -layout '" + Out("r.pdf") + "' -");
        EXPECT_NE(text.find("VORNEXA, "), std::string::npos);
        EXPECT_NE(text.find("Page: " + std::string(c.pages)), std::string::npos);
        for (const std::string& line : c.lines) {
            EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
        }
    }
}

// The title of any script reaches the document information; an old file is
// replaced by a whole one and nothing is left beside it.
TEST_F(GraphExportTest, PdfReportTitleAndReplacement) {
    const std::string title = "Панель 7 – “Ost”, (1)";
    const std::string project = Write("p.VRN", Project(0, title, false));
    Write("r.pdf", "an older report");
    ASSERT_EQ(Run("'" + project + "' '" + Out("r.pdf") + "'", "--pdf"), 0) << err;
    EXPECT_EQ(Head(Out("r.pdf"), 5), "%PDF-");
    EXPECT_NE(Output("pdfinfo -enc UTF-8 '" + Out("r.pdf") + "'").find("Title:           " + title),
              std::string::npos);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(root)) {
        ++files;
    }
    EXPECT_EQ(files, 3u);  // tmp, the project and the report
}

// The mean column of a colour's topmost run of rows in a P6 picture: in the
// diagram that is the opening's line, above its legend key.
double TopColumn(const std::string& ppm, int r, int g, int b, size_t& count) {
    std::istringstream in(ppm);
    std::string magic;
    size_t width = 0, height = 0, depth = 0;
    in >> magic >> width >> height >> depth;
    in.get();
    const std::string px((std::istreambuf_iterator<char>(in)), {});
    const auto matches = [&](size_t i) {
        const auto near = [&](size_t k, int v) {
            return std::abs(static_cast<unsigned char>(px[i * 3 + k]) - v) < 24;
        };
        return near(0, r) && near(1, g) && near(2, b);
    };
    const size_t pixels = std::min(width * height, px.size() / 3);
    size_t top = pixels;
    for (size_t i = 0; i < pixels && top == pixels; ++i) {
        top = matches(i) ? i / width : top;
    }
    double sum = 0;
    count = 0;
    for (size_t i = top * width; i < pixels && i / width < top + 10; ++i) {
        if (matches(i)) {
            sum += static_cast<double>(i % width);
            ++count;
        }
    }
    return count > 0 ? sum / static_cast<double>(count) : 0;
}

// The diagram page shows the right crosscut (east, purple) right of the left one (west, brown).
TEST_F(GraphExportTest, PdfReportDiagramIsDrawn) {
    const std::string project = Write("p.VRN", Project(0, "Mains", false));
    ASSERT_EQ(Run("'" + project + "' '" + Out("r.pdf") + "'", "--pdf"), 0) << err;
    const std::string ppm = Output("pdftoppm -r 40 -f 2 -l 2 '" + Out("r.pdf") + "'");
    ASSERT_EQ(ppm.substr(0, 2), "P6");
    size_t rightPixels = 0;
    size_t leftPixels = 0;
    const double right = TopColumn(ppm, 178, 0, 238, rightPixels);
    const double left = TopColumn(ppm, 102, 51, 0, leftPixels);
    EXPECT_GT(rightPixels, 100u);
    EXPECT_GT(leftPixels, 100u);
    EXPECT_GT(right, left + 60);
}

TEST_F(GraphExportTest, PdfReportRefusals) {
    const std::string project = Write("p.VRN", Project(0, "Mains", false));
    const struct {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"'" + project + "' '" + Out("r.png") + "'", 2, "Usage: vornexa --pdf FILE OUT.pdf\n"},
        {"'" + project + "'", 2, "Usage: vornexa --pdf FILE OUT.pdf\n"},
        {"'" + Out("none.VRN") + "' '" + Out("r.pdf") + "'", 1,
         "Error occurred: File not found (53)\n"},
        {"'" + project + "' '" + Out("missing/r.pdf") + "'", 1,
         "Cannot write the design report to " + Out("missing/r.pdf") + ": "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Run(c.args, "--pdf"), c.status);
        EXPECT_EQ(err.substr(0, c.message.size()), c.message);
    }
    EXPECT_FALSE(fs::exists(Out("r.pdf")));
    EXPECT_FALSE(fs::exists(Out("r.png")));
}

}  // namespace
