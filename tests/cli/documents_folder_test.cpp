#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    const char* configHome;  // XDG_CONFIG_HOME under the home folder; empty: unset
    const char* userDirs;    // the desktop's user-dirs.dirs ("@" for the home folder); null: none
    bool documentsExists;    // the default Documents folder exists
    const char* expected;    // where the data folder must be made, under the home folder
};

// The desktop's document folder, else its desktop folder, holds the data folder,
// named as the desktop's own file dialogs name them.
const Case kCases[] = {
    {"NoUserDirs", "", nullptr, true, "Documents"},
    {"FromHome", "", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n", true, "Papers"},
    {"AbsoluteWithSeparator", "", "XDG_DOCUMENTS_DIR=\"@/Abs/\"\n", true, "Abs"},
    {"LastOfTwoWins", "",
     "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_DOCUMENTS_DIR=\"$HOME/First\"\n"
     "XDG_DOCUMENTS_DIR=\"$HOME/Second\"\n",
     true, "Second"},
    {"UnquotedCrLf", "", "XDG_DOCUMENTS_DIR=$HOME/Plain\r\n", true, "Plain"},
    {"ConfigHomeSet", "cfg", "XDG_DOCUMENTS_DIR=\"$HOME/Elsewhere\"\n", true, "Elsewhere"},
    {"DesktopWhenNoDocuments", "", "XDG_DESKTOP_DIR=\"$HOME/Desk\"\n", false, "Desk"},
};

class DocumentsFolderTest : public testing::TestWithParam<Case> {
  protected:
    DocumentsFolderTest() {
        std::string pattern = (fs::temp_directory_path() / "vornexa-docs-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
    }
    ~DocumentsFolderTest() override { fs::remove_all(root); }

    fs::path root;
};

TEST_P(DocumentsFolderTest, DataFolderGoesWhereTheDesktopKeepsDocuments) {
    const Case& c = GetParam();
    const fs::path config = root / (*c.configHome != '\0' ? c.configHome : ".config");
    fs::create_directories(config);
    if (c.userDirs != nullptr) {
        std::string text = c.userDirs;
        for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@')) {
            text.replace(at, 1, root.string());
        }
        std::ofstream(config / "user-dirs.dirs", std::ios::binary) << text;
    }
    if (c.documentsExists) {
        fs::create_directories(root / "Documents");
    }
    const fs::path data = root / c.expected / "MyQELTA";
    fs::create_directories(data);
    // Neither the disclaimer nor the reminder waits for a click.
    std::ofstream(data / "VORN.INI", std::ios::binary)
        << "[Version]\r\nINIFileVersion=050817\r\n[Settings]\r\nShowDisclaim=0\r\n"
           "RemindAnnualUpdates=0\r\n";
    const std::string configHome =
        *c.configHome != '\0' ? "XDG_CONFIG_HOME='" + config.string() + "' " : "";
    const std::string line =
        "cd '" + root.string() + "' && env -u XDG_RUNTIME_DIR -u XDG_CONFIG_HOME HOME='" +
        root.string() + "' " + configHome +
        "QT_QPA_PLATFORM=offscreen VORNEXA_QUIT_AFTER_SHOW=1 timeout 20 " VORNEXA_EXE
        " >/dev/null 2>&1";
    ASSERT_EQ(WEXITSTATUS(std::system(line.c_str())), 0);
    EXPECT_TRUE(fs::is_directory(data / "Temp"));
    if (std::string(c.expected) != "Documents") {
        EXPECT_FALSE(fs::exists(root / "Documents" / "MyQELTA"));
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, DocumentsFolderTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
