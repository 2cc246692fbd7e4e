#include "util/files.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/project_file.h"
#include "test_support.h"
#include "util/encoding.h"

namespace vornexa {
namespace {

namespace fs = std::filesystem;

constexpr int kCannotDropRoot = 77;

// Runs `save` in a child process as a user whom permissions bind (root gives up its
// rights first): 0 when it saved, 1 when it threw.
int SaveAsPlainUser(const std::function<void()>& save) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(kCannotDropRoot);
        }
        try {
            save();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class FilesTest : public testing::Test {
  protected:
    test::TempFolder dir;
    test::RecordingPresenter presenter;
    Messenger messenger{presenter};
};

TEST_F(FilesTest, UserFoldersUnderDocumentsWithoutDoubledSeparator) {
    const std::string docs = dir.path().string();
    const std::string program = dir.file("prog");
    for (const std::string& d : {docs, docs + "/"}) {
        const Folders f = ResolveUserFolders(d, "", program, true);
        EXPECT_EQ(f.data, docs + "/MyQELTA/");
        EXPECT_EQ(f.temp, docs + "/MyQELTA/Temp/");
        EXPECT_EQ(f.program, program + "/");
        EXPECT_TRUE(fs::is_directory(f.temp));
    }
}

TEST_F(FilesTest, UserFoldersFallBack) {
    const std::string program = dir.file("prog");
    const Folders desktop =
        ResolveUserFolders(dir.file("missing"), dir.path().string(), program, true);
    EXPECT_EQ(desktop.data, dir.path().string() + "/MyQELTA/");
    const Folders none = ResolveUserFolders("", "", program, true);
    EXPECT_EQ(none.data, program + "/");
    EXPECT_EQ(none.temp, program + "/");
    fs::create_directory(dir.file("fresh"));
    const Folders readOnly = ResolveUserFolders(dir.file("fresh"), "", program, false);
    EXPECT_EQ(readOnly.data, program + "/") << "nothing is created without create";
    EXPECT_FALSE(fs::exists(dir.file("fresh/MyQELTA")));
}

TEST_F(FilesTest, ReadOnlyDocumentsFolderFallsBackToProgramFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    fs::create_directory(dir.file("ro"));
    ::chmod(dir.file("ro").c_str(), 0555);
    const Folders f = ResolveUserFolders(dir.file("ro"), "", "/opt/vornexa", true);
    EXPECT_EQ(f.data, "/opt/vornexa/");
    EXPECT_EQ(f.temp, "/opt/vornexa/");
}

TEST_F(FilesTest, FileExistsAndValidPath) {
    test::WriteAll(dir.file("a.VRN"), "x");
    EXPECT_TRUE(FileExists(dir.file("a.VRN")));
    EXPECT_TRUE(FileExists(dir.file("*.VRN")));
    EXPECT_FALSE(FileExists(dir.file("*.INI")));
    fs::create_directory(dir.file("z [1]"));
    test::WriteAll(dir.file("z [1]/VORN.pdf"), "x");
    EXPECT_TRUE(FileExists(dir.file("z [1]/*.pdf")));
    EXPECT_FALSE(FileExists(dir.path().string()));
    EXPECT_TRUE(ValidPath(messenger, dir.path().string() + "/", false));
    EXPECT_TRUE(ValidPath(messenger, dir.file("a.VRN"), false));
    EXPECT_FALSE(ValidPath(messenger, dir.file("nope/"), true));
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_FALSE(ValidPath(messenger, dir.file("nope/"), false));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Invalid path: " + dir.file("nope/"));
}

TEST_F(FilesTest, FileNamePart) {
    struct Case {
        std::string path;
        bool strip;
        std::string name;
    };
    const Case cases[] = {
        {"/data/plan.rev.VRN", false, "plan.rev.VRN"},
        {"/data/plan.rev.VRN", true, "plan"},
        {"plan.VRN", true, "plan"},
        {"/data/.hidden", true, ".hidden"},
        {"/data/x.VRN", true, "x"},
        {"Untitled", false, "Untitled"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNamePart(messenger, c.path, c.strip), c.name) << c.path;
    }
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(FileNamePart(messenger, "/data/", false), "");
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Error in filename: /data/");
}

TEST_F(FilesTest, CopyTextFileEndsWithALineEnd) {
    test::WriteAll(dir.file("src.txt"), "one\r\ntwo");
    ASSERT_TRUE(CopyTextFile(messenger, dir.file("src.txt"), dir.file("dst.txt")));
    EXPECT_EQ(test::ReadAll(dir.file("dst.txt")), "one\r\ntwo\r\n");
    test::WriteAll(dir.file("lf.txt"), "a\nb\n");
    ASSERT_TRUE(CopyTextFile(messenger, dir.file("lf.txt"), dir.file("dst.txt")));
    EXPECT_EQ(test::ReadAll(dir.file("dst.txt")), "a\nb\n");
    EXPECT_FALSE(CopyTextFile(messenger, dir.file("none.txt"), dir.file("dst.txt")));
    EXPECT_EQ(presenter.shown.back().text, "Requested File not found: " + dir.file("none.txt"));
    EXPECT_FALSE(CopyTextFile(messenger, dir.file("src.txt"), dir.file("no/dst.txt")));
    EXPECT_EQ(presenter.shown.back().text,
              "File I/O problem with TMP file: " + dir.file("no/dst.txt"));
}

TEST_F(FilesTest, AtomicWriteKeepsModeAndWritesThroughLinks) {
    test::WriteAll(dir.file("target"), "old");
    ::chmod(dir.file("target").c_str(), 0640);
    fs::create_symlink(dir.file("target"), dir.file("link"));
    AtomicWriteFile(dir.file("link"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.file("link")));
    EXPECT_EQ(test::ReadAll(dir.file("target")), "new");
    EXPECT_EQ(fs::status(dir.file("target")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FilesTest, AtomicWriteRefusesAReadOnlyFile) {
    test::WriteAll(dir.file("ro.VRN"), "keep");
    ::chmod(dir.file("ro.VRN").c_str(), 0444);
    if (::access(dir.file("ro.VRN").c_str(), W_OK) == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    EXPECT_THROW(AtomicWriteFile(dir.file("ro.VRN"), "new"), AppError);
    EXPECT_EQ(test::ReadAll(dir.file("ro.VRN")), "keep");
}

// A project saved into a folder that takes no new files.
TEST_F(FilesTest, SavingInAReadOnlyFolderOverwritesAWritableFile) {
    AppState state(presenter);
    state.project.CurrentFile = dir.file("ro/plan.VRN");
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_exec);
    for (const mode_t mode : {0666, 0444}) {
        fs::create_directory(dir.file("ro"));
        test::WriteAll(state.project.CurrentFile, "old");
        ::chmod(state.project.CurrentFile.c_str(), mode);
        ::chmod(dir.file("ro").c_str(), 0555);
        const int result = SaveAsPlainUser([&] { FileSave(state); });
        ::chmod(dir.file("ro").c_str(), 0755);
        if (result == kCannotDropRoot) {
            GTEST_SKIP() << "running as root, with no plain user to save as";
        }
        EXPECT_EQ(result, mode == 0666 ? 0 : 1);
        EXPECT_EQ(test::ReadAll(state.project.CurrentFile) != "old", result == 0);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("ro")), fs::directory_iterator()),
                  1);
        fs::remove_all(dir.file("ro"));
    }
}

TEST(Encoding, DecodesWindows1252AndKeepsUtf8) {
    EXPECT_EQ(DecodeFileText("caf\xE9 \x80"), "café €");
    EXPECT_EQ(DecodeFileText("café"), "café");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFVORN_201"), "VORN_201");
    EXPECT_EQ(DecodeFileText("\x81"), "\xC2\x81") << "unassigned bytes keep their code";
}

TEST(Encoding, EncodesWindows1252OnlyWhenEverythingFits) {
    EXPECT_EQ(EncodeFileText("café €"), "caf\xE9 \x80");
    EXPECT_EQ(EncodeFileText("Шахта"), "Шахта");
    // These bytes in Windows-1252 would read back as UTF-8 "é".
    EXPECT_EQ(EncodeFileText("Ã©"), "Ã©");
    for (const char* text : {"plain", "café €", "Шахта", "Ã©", "Ÿ…‰"}) {
        EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text) << text;
    }
}

TEST_F(FilesTest, DocumentsBesideTheProgramOrInstalledUnderShare) {
    const std::string bin = dir.file("bin");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(DocumentFolder(bin), bin + "/");
    std::filesystem::create_directories(dir.file("share/vornexa"));
    EXPECT_EQ(DocumentFolder(bin + "/"), dir.file("share/vornexa") + "/");
}

}  // namespace
}  // namespace vornexa
