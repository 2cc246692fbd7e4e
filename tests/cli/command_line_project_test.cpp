#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/tables.h"
#include "util/ini_file.h"

namespace {

namespace fs = std::filesystem;

// The window program, started in a folder of its own with a project on its command
// line, closes once shown; the project it opened heads its recent files.
TEST(CommandLineProjectTest, OpensTheNamedFileByItsFullPath) {
    std::string pattern = (fs::temp_directory_path() / "vornexa-start-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const fs::path ini = root / "Documents" / "MyQELTA" / "VORN.INI";
    fs::create_directories(ini.parent_path());
    fs::create_directories(root / "work");
    std::ofstream(ini) << "[Version]\nINIFileVersion=" << vornexa::kRevisionDate
                       << "\n[Settings]\nShowDisclaim=0\nRemindAnnualUpdates=0\nKeepFileNames=1\n"
                          "[VORNOptions]\nShowInputScreenOnLoad=0\n";
    const std::pair<std::string, std::string> cases[] = {
        {"b.VRN", "b.VRN"}, {"--odd.VRN", "-- --odd.VRN"}, {"say \"hi\".VRN", "'say \"hi\".VRN'"}};
    for (const auto& [file, args] : cases) {
        std::ofstream(root / "work" / file)
            << "VORN_201\n 0 \n\n##StartDesc##\n\n##EndDesc##\n"
               " 0 \n 0 \n0\n0\n90\n270\n 0 \n0\n 1 \n 0 \n 1000 \n 2 \n";
        const std::string command =
            "cd '" + (root / "work").string() + "' && HOME='" + root.string() +
            "' XDG_CONFIG_HOME='" + root.string() +
            "' QT_QPA_PLATFORM=offscreen VORNEXA_QUIT_AFTER_SHOW=1 timeout 60 " + VORNEXA_EXE +
            " " + args + " 2>/dev/null";
        EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 0) << args;
        EXPECT_EQ(vornexa::IniFile::Load(ini.string()).Get("FileMenu", "LastFileLong1"),
                  (root / "work" / file).string())
            << args;
    }
    fs::remove_all(root);
}

}  // namespace
