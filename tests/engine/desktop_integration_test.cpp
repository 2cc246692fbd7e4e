#include "core/desktop_integration.h"

#include <gtest/gtest.h>

namespace vornexa {
namespace {

struct QuoteCase {
    const char* argument;
    const char* quoted;
};

TEST(DesktopIntegrationTest, ExecArgumentsAreQuotedOnlyWhenTheyMustBe) {
    const QuoteCase cases[] = {
        {"/usr/bin/vornexa", "/usr/bin/vornexa"},
        {"/opt/v-1.0/bin/vornexa_2+x=y,z", "/opt/v-1.0/bin/vornexa_2+x=y,z"},
        {"/opt/my tools/vornexa", "\"/opt/my tools/vornexa\""},
        {"/opt/tab\there", "\"/opt/tab\there\""},
        {"/opt/say \"hi\"/v", "\"/opt/say \\\"hi\\\"/v\""},
        {"/opt/it's/v", "\"/opt/it's/v\""},
        {"/opt/back\\slash/v", "\"/opt/back\\\\slash/v\""},
        {"/opt/$HOME/v", "\"/opt/\\$HOME/v\""},
        {"/opt/`id`/v", "\"/opt/\\`id\\`/v\""},
        {"/opt/a;b&c|d/v", "\"/opt/a;b&c|d/v\""},
        {"/opt/$(touch pwned)/v", "\"/opt/\\$(touch pwned)/v\""},
        {"/opt/<in>~*?#/v", "\"/opt/<in>~*?#/v\""},
        {"/opt/100%/v", "/opt/100%%/v"},
        {"/opt/100 %f/v", "\"/opt/100 %%f/v\""},
        {"", "\"\""},
    };
    for (const QuoteCase& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(QuoteExecArgument(c.argument), c.quoted);
    }
}

TEST(DesktopIntegrationTest, ExecCommandPassesTheFileAsTheOnlyArgument) {
    EXPECT_EQ(ExecCommand("/usr/bin/vornexa"), "/usr/bin/vornexa %f");
    EXPECT_EQ(ExecCommand("/opt/my tools/vornexa"), "\"/opt/my tools/vornexa\" %f");
}

TEST(DesktopIntegrationTest, EntryValuesEscapeBackslashesAndControls) {
    const QuoteCase cases[] = {
        {"plain %f", "plain %f"},
        {"\"/a \\\"q\\\"\" %f", "\"/a \\\\\"q\\\\\"\" %f"},
        {"\"/a\\\\b\"", "\"/a\\\\\\\\b\""},
        {"line\nbreak\ttab\rreturn", "line\\nbreak\\ttab\\rreturn"},
    };
    for (const QuoteCase& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(EscapeEntryValue(c.argument), c.quoted);
    }
}

TEST(DesktopIntegrationTest, MessagesAndLogLine) {
    EXPECT_EQ(AssociationQuestion("VRN"),
              "This operation may break an existing association of file extension VRN with "
              "other programs on this computer. Proceed?");
    EXPECT_EQ(AssociationDoneMessage("VRN", "/usr/bin/vornexa %f"),
              "The file association for VRN has been made to /usr/bin/vornexa %f");
    EXPECT_EQ(AssociationLogLine("/usr/bin/", "vornexa", "VRN"), "/usr/bin/ vornexa VRN");
}

struct GlobCase {
    const char* extension;
    std::vector<std::string> globs;
};

TEST(DesktopIntegrationTest, MimePackageHoldsEachCaseOfTheExtensionOnce) {
    const GlobCase cases[] = {
        {"VRN", {"*.VRN", "*.vrn"}},
        {"vrn", {"*.vrn", "*.VRN"}},
        {"Vrn", {"*.Vrn", "*.VRN", "*.vrn"}},
        {"V&<\"", {"*.V&amp;&lt;&quot;", "*.v&amp;&lt;&quot;"}},
    };
    for (const GlobCase& c : cases) {
        SCOPED_TRACE(c.extension);
        const std::string xml = MimePackageXml(c.extension);
        size_t globs = 0;
        for (size_t at = xml.find("<glob "); at != std::string::npos;
             at = xml.find("<glob ", at + 1)) {
            ++globs;
        }
        EXPECT_EQ(globs, c.globs.size());
        for (const std::string& glob : c.globs) {
            EXPECT_NE(xml.find("<glob pattern=\"" + glob + "\"/>"), std::string::npos) << glob;
        }
        EXPECT_NE(xml.find("<mime-type type=\"application/x-vornexa-project\">"),
                  std::string::npos);
        EXPECT_EQ(xml.rfind("</mime-info>\n"), xml.size() - 13);
    }
}

TEST(DesktopIntegrationTest, DesktopEntryOpensTheTypeWithTheProgram) {
    const std::string entry = DesktopEntryText("\"/opt/a\\\\b\" %f");
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    for (const char* line :
         {"\nType=Application\n", "\nName=Vornexa\n", "\nExec=\"/opt/a\\\\\\\\b\" %f\n",
          "\nIcon=vornexa\n", "\nMimeType=application/x-vornexa-project;\n",
          "\nCategories=Science;Engineering;\n", "\nComment="}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }
}

struct DataHomeCase {
    const char* xdg;
    const char* home;
    std::optional<std::string> expected;
};

TEST(DesktopIntegrationTest, DataHomeIgnoresRelativeOrMissingFolders) {
    const DataHomeCase cases[] = {
        {"/x/data", "/home/u", "/x/data"},
        {"/x/data/", "/home/u", "/x/data"},
        {nullptr, "/home/u", "/home/u/.local/share"},
        {"", "/home/u/", "/home/u/.local/share"},
        {"relative/data", "/home/u", "/home/u/.local/share"},
        {nullptr, "/", "/.local/share"},
        {nullptr, nullptr, std::nullopt},
        {"relative", "also/relative", std::nullopt},
    };
    for (const DataHomeCase& c : cases) {
        SCOPED_TRACE(std::string(c.xdg ? c.xdg : "(unset)") + " " + (c.home ? c.home : "(unset)"));
        EXPECT_EQ(DataHome(c.xdg, c.home), c.expected);
    }
}

TEST(DesktopIntegrationTest, FilesAndCommandsStayUnderTheDataHome) {
    const AssociationFiles files = AssociationPaths("/home/u/.local/share");
    EXPECT_EQ(files.mimeFolder, "/home/u/.local/share/mime");
    EXPECT_EQ(files.mimePackage, "/home/u/.local/share/mime/packages/vornexa-mime.xml");
    EXPECT_EQ(files.desktopEntry, "/home/u/.local/share/applications/vornexa.desktop");

    const std::vector<ProgramCall> calls = AssociationCommands(files);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].program, "update-mime-database");
    EXPECT_EQ(calls[0].arguments, std::vector<std::string>{"/home/u/.local/share/mime"});
    EXPECT_EQ(calls[1].program, "xdg-mime");
    EXPECT_EQ(calls[1].arguments, (std::vector<std::string>{"default", "vornexa.desktop",
                                                            "application/x-vornexa-project"}));
}

}  // namespace
}  // namespace vornexa
