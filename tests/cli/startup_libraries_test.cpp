#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    const char* args;
    const char* loaded;  // a library the command needs: proves the loader's trace is read
    std::vector<const char*> notLoaded;
};

// What each way of starting loads: the main window neither the stress graph nor
// Qt Charts, which wait for the first graph, nor printing, which waits for the
// first print, nor the image format plugins, which the first picture read from a
// file loads; the headless commands no Qt at all.
const Case kCases[] = {
    {"MainWindow",
     "",
     "libvornexa_gui.so",
     {"libvornexa_graph.so", "libQt6Charts", "libvornexa_print.so", "libQt6PrintSupport",
      "/imageformats/"}},
    {"Version", "--version", "libstdc++", {"libvornexa_gui.so", "libQt6Core"}},
};

class StartupLibrariesTest : public testing::TestWithParam<Case> {
  protected:
    StartupLibrariesTest() {
        std::string pattern = (fs::temp_directory_path() / "vornexa-start-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        fs::create_directories(root / "Documents" / "MyQELTA");
        // Neither the disclaimer nor the reminder waits for a click.
        std::ofstream(root / "Documents" / "MyQELTA" / "VORN.INI", std::ios::binary)
            << "[Version]\r\nINIFileVersion=050817\r\n[Settings]\r\nShowDisclaim=0\r\n"
               "RemindAnnualUpdates=0\r\n";
    }
    ~StartupLibrariesTest() override { fs::remove_all(root); }

    // The dynamic loader's trace of every library the program loads.
    std::string LoadTrace(const std::string& args) {
        const std::string line = "cd '" + root.string() + "' && env -u XDG_RUNTIME_DIR HOME='" +
                                 root.string() +
                                 "' QT_QPA_PLATFORM=offscreen VORNEXA_QUIT_AFTER_SHOW=1 "
                                 "LD_DEBUG=files timeout 20 " VORNEXA_EXE " " +
                                 args + " 2>&1 >/dev/null";
        FILE* pipe = ::popen(line.c_str(), "r");
        std::string trace;
        char buf[4096];
        while (size_t n = std::fread(buf, 1, sizeof buf, pipe)) {
            trace.append(buf, n);
        }
        EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), 0) << trace;
        return trace;
    }

    fs::path root;
};

TEST_P(StartupLibrariesTest, LoadsOnlyWhatTheCommandNeeds) {
    const Case& c = GetParam();
    const std::string trace = LoadTrace(c.args);
    EXPECT_NE(trace.find(c.loaded), std::string::npos) << trace;
    for (const char* library : c.notLoaded) {
        EXPECT_EQ(trace.find(library), std::string::npos) << library;
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, StartupLibrariesTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
