#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

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

}  // namespace
