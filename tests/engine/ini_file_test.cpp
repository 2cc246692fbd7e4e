#include "util/ini_file.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vornexa {
namespace {

constexpr std::string_view kSample =
    "; settings of the program\n"
    "stray=before any section\n"
    "[Settings]\n"
    "  DefaultUnits =  1  \n"
    "Empty=\n"
    "; a comment with key=value\n"
    "Tabbed\t=\tx y\t\n"
    "Twice=first\n"
    "Twice=second\n"
    "\n"
    "[ other ]\n"
    "DefaultUnits=7\n"
    "[NoEnd\n"
    "Key=open header\n";

TEST(IniFileGet, MatchesNamesWithoutCaseAndTrimsBlanks) {
    const IniFile ini = IniFile::Parse(kSample);
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"Settings", "DefaultUnits", "1"},
        {"SETTINGS", "defaultunits", "1"},
        {"settings", "Empty", ""},
        {"Settings", "Tabbed", "x y"},
        {"Settings", "Twice", "first"},
        {"Other", "DefaultUnits", "7"},
        {"NoEnd", "key", "open header"},
        {"Settings", "Missing", std::nullopt},
        {"Missing", "DefaultUnits", std::nullopt},
        {"", "stray", std::nullopt},
        {"Settings", "; a comment with key", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.Get(c.section, c.key), c.value);
    }
}

TEST(IniFileGet, CutsValuesAt254Characters) {
    const std::string ascii(300, 'a');
    std::string accented;
    for (int i = 0; i < 300; ++i) {
        accented += "\xC3\xA9";
    }
    const IniFile ini = IniFile::Parse("[S]\nA=" + ascii + "\nE=" + accented + "\n");
    EXPECT_EQ(ini.Get("S", "A"), ascii.substr(0, 254));
    EXPECT_EQ(ini.Get("S", "E"), accented.substr(0, 2 * 254));
}

TEST(IniFileParse, AcceptsLfAndCrLfAndWritesCrLf) {
    const IniFile lf = IniFile::Parse("[S]\nA=1\n\n;c\nB=2");
    const IniFile crlf = IniFile::Parse("[S]\r\nA=1\r\n\r\n;c\r\nB=2\r\n");
    const IniFile cr = IniFile::Parse("[S]\rA=1\r\r;c\nB=2\r");
    for (const IniFile* ini : {&lf, &crlf, &cr}) {
        EXPECT_EQ(ini->Get("S", "A"), "1");
        EXPECT_EQ(ini->Get("S", "B"), "2");
        EXPECT_EQ(ini->Serialize(), "[S]\r\nA=1\r\n\r\n;c\r\nB=2\r\n");
    }
    EXPECT_EQ(IniFile::Parse("").Serialize(), "");
}

TEST(IniFileSet, ChangesOnlyWhatItMust) {
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        const char* expected;
    };
    const char* before = ";top\r\n[A]\r\nx=1\r\n;note\r\ny = 2\r\n\r\n[B]\r\n\r\n[C]\r\nz=3\r\n";
    const Case cases[] = {
        {"replaced in place", "a", "Y", "20",
         ";top\r\n[A]\r\nx=1\r\n;note\r\nY=20\r\n\r\n[B]\r\n\r\n[C]\r\nz=3\r\n"},
        {"appended after the last key of its section", "A", "w", "4",
         ";top\r\n[A]\r\nx=1\r\n;note\r\ny = 2\r\nw=4\r\n\r\n[B]\r\n\r\n[C]\r\nz=3\r\n"},
        {"first key of an empty section", "b", "v", "5",
         ";top\r\n[A]\r\nx=1\r\n;note\r\ny = 2\r\n\r\n[B]\r\nv=5\r\n\r\n[C]\r\nz=3\r\n"},
        {"new section at the end", "D", "u", "6",
         ";top\r\n[A]\r\nx=1\r\n;note\r\ny = 2\r\n\r\n[B]\r\n\r\n[C]\r\nz=3\r\n[D]\r\nu=6\r\n"},
        {"a line break cannot start new lines", "C", "z", "9\r\n[Version]\r\nINIFileVersion=1",
         ";top\r\n[A]\r\nx=1\r\n;note\r\ny = 2\r\n\r\n[B]\r\n\r\n[C]\r\nz=9\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini = IniFile::Parse(before);
        ini.Set(c.section, c.key, c.value);
        EXPECT_EQ(ini.Serialize(), c.expected);
    }
}

TEST(IniFileSet, KeysSetInARowKeepTheirOrder) {
    IniFile ini;
    ini.Set("S", "one", "1");
    ini.Set("T", "x", "");
    ini.Set("S", "two", "2");
    ini.Set("S", "one", "11");
    EXPECT_EQ(ini.Serialize(), "[S]\r\none=11\r\ntwo=2\r\n[T]\r\nx=\r\n");
    EXPECT_EQ(ini.Get("T", "x"), "");
}

TEST(IniFileFile, SavesAndLoadsWithTheFileEncoding) {
    test::TempFolder dir;
    struct Case {
        const char* value;
        std::string bytes;
    };
    const Case cases[] = {
        {"M\xC3\xBCller", "[S]\r\nName=M\xFCller\r\n"},
        {"\xCE\xA9", "[S]\r\nName=\xCE\xA9\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string path = dir.file("VORN.INI");
        IniFile ini;
        ini.Set("S", "Name", c.value);
        ASSERT_TRUE(ini.Save(path));
        EXPECT_EQ(test::ReadAll(path), c.bytes);
        EXPECT_EQ(IniFile::Load(path).Get("s", "name"), c.value);
    }
}

TEST(IniFileFile, MissingOrUnwritableFilesFailQuietly) {
    test::TempFolder dir;
    EXPECT_EQ(IniFile::Load(dir.file("none.ini")).Serialize(), "");
    EXPECT_EQ(IniFile::Load(dir.path().string()).Serialize(), "");
    IniFile ini;
    ini.Set("S", "k", "v");
    EXPECT_FALSE(ini.Save(dir.file("no/such/folder.ini")));
    EXPECT_FALSE(ini.Save(dir.path().string()));
}

TEST(IniFileParse, OddBytesStayVerbatim) {
    const std::string text = std::string("[S]\r\nk=a\0b\r\n", 12) + "[\r\n=\r\n]x=y\r\nr=1\r\n";
    const IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.Serialize(), text);
    EXPECT_EQ(ini.Get("S", "k"), std::string("a\0b", 3));
    EXPECT_EQ(ini.Get("", "r"), "1");
    EXPECT_EQ(ini.Get("", "]x"), "y");
    EXPECT_EQ(IniFile::Parse(ini.Serialize()).Serialize(), text);
}

}  // namespace
}  // namespace vornexa
