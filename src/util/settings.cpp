#include "util/settings.h"

#include <algorithm>
#include <array>
#include <utility>

#include "util/files.h"
#include "util/ini_file.h"
#include "util/messages.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr std::string_view kSettings = "Settings";
constexpr std::string_view kFileMenu = "FileMenu";
constexpr std::string_view kTextBrowse = "TextBrowse";

constexpr std::array<std::string_view, 4> kPreferredFonts = {"Arial", "Courier New", "System",
                                                             "Terminal"};

// Checks made while reading settings must not ask or tell the user anything.
class SilentPresenter : public MessagePresenter {
  public:
    int Show(const std::string&, int, const std::string&) override { return msg::kOk; }
};

bool SameFontName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// Font sizes compare with the range before they are rounded.
float ReadFontSize(const IniFile& ini, std::string_view section, std::string_view key) {
    double value = LeadingNumber(ReadIniValue(ini, section, key));
    return ClampToRange(value, 7, 24);
}

std::string ReadDataPath(const IniFile& ini, const std::string& dataFolder) {
    const std::string stored = ReadIniPath(ini, kSettings, "DataPath");
    if (stored.empty() || stored == "0") {
        return dataFolder;
    }
    const std::string path = WithSeparator(stored);
    SilentPresenter presenter;
    Messenger quiet(presenter);
    return ValidPath(quiet, path, true) ? path : dataFolder;
}

std::string SlotKey(std::string_view stem, int slot) {
    return std::string(stem) + NumberToText(slot);
}

void ReadSettings(const IniFile& ini, SettingsRecord& s, const std::string& dataFolder,
                  const std::string& defaultFont) {
    const std::string_view k = kSettings;
    s.DefaultUnits = ReadIniInt(ini, k, "DefaultUnits", 0, 1);
    s.DisplayHistoryWin = ReadIniInt(ini, k, "DisplayHistoryWin", 0, 1);
    s.MaxDisplaySize = ReadIniInt(ini, k, "MaxDisplaySize", 4096, 16384);
    s.DisplayFontName = ReadIniValue(ini, k, "DisplayFontName", defaultFont);
    s.DisplayFontSize = ReadFontSize(ini, k, "DisplayFontSize");
    s.DisplayFontBold = ReadIniInt(ini, k, "DisplayFontBold", -1, 0);
    s.DisplayFontItalic = ReadIniInt(ini, k, "DisplayFontItalic", -1, 0);
    s.KeepFileNames = ReadIniInt(ini, k, "KeepFileNames", 0, 1);
    s.ShowDisclaim = ReadIniInt(ini, k, "ShowDisclaim", 0, 1);
    s.MaxMainMenu = ReadIniInt(ini, k, "MaxMainMenu", 0, 1);
    s.EnableMainMenuToolbar = ReadIniInt(ini, k, "EnableMainMenuToolbar", 0, 1);
    s.ShortRecentFiles = ReadIniInt(ini, k, "ShortRecentFiles", 0, 1);
    s.LoadLastInputFile = ReadIniInt(ini, k, "LoadLastInputFile", 0, 1);
    s.RemindAnnualUpdates = ReadIniInt(ini, k, "RemindAnnualUpdates", 0, 1);
    s.CopyExampleFiles = ReadIniInt(ini, k, "CopyExampleFiles", 0, 1, "1");
    s.DataPath = ReadDataPath(ini, dataFolder);
    s.FileExtension = ReadIniValue(ini, k, "FileExtension");
    if (s.FileExtension == "0") {
        s.FileExtension = "VRN";
    }
    s.ExternalEditor = ReadIniPath(ini, k, "ExternalEditor");
}

void WriteSettings(IniFile& ini, const SettingsRecord& s) {
    const std::string_view k = kSettings;
    WriteIniValue(ini, k, "DefaultUnits", s.DefaultUnits);
    WriteIniValue(ini, k, "DisplayHistoryWin", s.DisplayHistoryWin);
    WriteIniValue(ini, k, "MaxDisplaySize", s.MaxDisplaySize);
    WriteIniValue(ini, k, "DisplayFontName", s.DisplayFontName);
    WriteIniValue(ini, k, "DisplayFontSize", s.DisplayFontSize);
    WriteIniValue(ini, k, "DisplayFontBold", s.DisplayFontBold);
    WriteIniValue(ini, k, "DisplayFontItalic", s.DisplayFontItalic);
    WriteIniValue(ini, k, "KeepFileNames", s.KeepFileNames);
    WriteIniValue(ini, k, "ShowDisclaim", s.ShowDisclaim);
    WriteIniValue(ini, k, "MaxMainMenu", s.MaxMainMenu);
    WriteIniValue(ini, k, "EnableMainMenuToolbar", s.EnableMainMenuToolbar);
    WriteIniValue(ini, k, "ShortRecentFiles", s.ShortRecentFiles);
    WriteIniValue(ini, k, "LoadLastInputFile", s.LoadLastInputFile);
    WriteIniValue(ini, k, "RemindAnnualUpdates", s.RemindAnnualUpdates);
    WriteIniValue(ini, k, "CopyExampleFiles", s.CopyExampleFiles);
    WriteIniValue(ini, k, "DataPath", s.DataPath);
    WriteIniValue(ini, k, "FileExtension", s.FileExtension);
    WriteIniValue(ini, k, "ExternalEditor", s.ExternalEditor);
}

void ReadFileMenu(const IniFile& ini, SettingsRecord& s) {
    s.MaxLastFiles = ReadIniInt(ini, kFileMenu, "MaxLastFiles", 0, kMaxRecentFiles);
    s.recent = {};
    for (int i = 1; i <= s.MaxLastFiles; ++i) {
        RecentFile& slot = s.recent[static_cast<size_t>(i)];
        slot.LastFile = ReadIniPath(ini, kFileMenu, SlotKey("LastFile", i));
        const double mode = LeadingNumber(ReadIniValue(ini, kFileMenu, SlotKey("LastFileMode", i)));
        slot.LastFileMode = ToInt16(mode).value_or(0);
        slot.LastFileLong = ReadIniPath(ini, kFileMenu, SlotKey("LastFileLong", i));
    }
    for (int i = 1; i <= s.MaxLastFiles; ++i) {
        s.recent[static_cast<size_t>(i)].caption = RecentFileCaption(s, i);
    }
}

void WriteFileMenu(IniFile& ini, SettingsRecord& s) {
    WriteIniValue(ini, kFileMenu, "MaxLastFiles", s.MaxLastFiles);
    double count = s.MaxLastFiles;
    s.MaxLastFiles = ClampToRange(count, 0, kMaxRecentFiles);
    for (int i = 1; i <= s.MaxLastFiles; ++i) {
        const RecentFile& slot = s.recent[static_cast<size_t>(i)];
        WriteIniValue(ini, kFileMenu, SlotKey("LastFile", i), slot.LastFile);
        WriteIniValue(ini, kFileMenu, SlotKey("LastFileMode", i), slot.LastFileMode);
        WriteIniValue(ini, kFileMenu, SlotKey("LastFileLong", i), slot.LastFileLong);
    }
}

void ReadTextBrowse(const IniFile& ini, SettingsRecord& s, const std::string& defaultFont) {
    const std::string_view k = kTextBrowse;
    s.BrowseFontName = ReadIniValue(ini, k, "BrowseFontName", defaultFont);
    s.BrowseFontSize = ReadFontSize(ini, k, "BrowseFontSize");
    s.BrowseFontBold = ReadIniInt(ini, k, "BrowseFontBold", -1, 0);
    s.BrowseFontItalic = ReadIniInt(ini, k, "BrowseFontItalic", -1, 0);
    s.BrowseDefaultFilter = ReadIniValue(ini, k, "BrowseDefaultFilter");
    s.BrowseUseNotepad = ReadIniInt(ini, k, "BrowseUseNotepad", 0, 1);
}

void WriteTextBrowse(IniFile& ini, const SettingsRecord& s) {
    const std::string_view k = kTextBrowse;
    WriteIniValue(ini, k, "BrowseFontName", s.BrowseFontName);
    WriteIniValue(ini, k, "BrowseFontSize", s.BrowseFontSize);
    WriteIniValue(ini, k, "BrowseFontBold", s.BrowseFontBold);
    WriteIniValue(ini, k, "BrowseFontItalic", s.BrowseFontItalic);
    WriteIniValue(ini, k, "BrowseDefaultFilter", s.BrowseDefaultFilter);
    WriteIniValue(ini, k, "BrowseUseNotepad", s.BrowseUseNotepad);
}

}  // namespace

int16_t ClampToRange(double& value, double min, double max) {
    if (!(value >= min && value <= max)) {
        value = min;
    }
    return ToInt16(value).value_or(0);
}

std::string ReadIniValue(const IniFile& ini, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    std::string value = ini.Get(section, key).value_or(std::string());
    return value.empty() ? std::string(fallback) : value;
}

std::string ReadIniPath(const IniFile& ini, std::string_view section, std::string_view key) {
    return ini.Get(section, key, kWholeIniValue).value_or(std::string());
}

int16_t ReadIniInt(const IniFile& ini, std::string_view section, std::string_view key, double min,
                   double max, std::string_view fallback) {
    const std::optional<int16_t> rounded =
        ToInt16(LeadingNumber(ReadIniValue(ini, section, key, fallback)));
    double value = rounded ? *rounded : min;
    return ClampToRange(value, min, max);
}

void WriteIniValue(IniFile& ini, std::string_view section, std::string_view key,
                   std::string_view value) {
    ini.Set(section, key, value);
}

void WriteIniValue(IniFile& ini, std::string_view section, std::string_view key, int value) {
    ini.Set(section, key, NumberToText(value));
}

void WriteIniValue(IniFile& ini, std::string_view section, std::string_view key, float value) {
    ini.Set(section, key, NumberToText(value));
}

std::string DefaultDisplayFont(const std::vector<std::string>& installedFonts) {
    for (std::string_view preferred : kPreferredFonts) {
        for (const std::string& font : installedFonts) {
            if (SameFontName(font, preferred)) {
                return font;
            }
        }
    }
    return installedFonts.empty() ? std::string() : installedFonts.front();
}

SettingsRecord StartSettings(const std::string& dataFolder, const std::string& defaultFont) {
    SettingsRecord s;
    s.DisplayFontName = defaultFont;
    s.BrowseFontName = defaultFont;
    s.DataPath = dataFolder;
    s.ExternalEditor = kDefaultExternalEditor;
    return s;
}

void ReadSettingsSection(const IniFile& ini, int selector, SettingsRecord& settings,
                         const std::string& dataFolder, const std::string& defaultFont) {
    switch (selector) {
        case 2:
            ReadSettings(ini, settings, dataFolder, defaultFont);
            break;
        case 3:
            ReadFileMenu(ini, settings);
            break;
        case 4:
            ReadTextBrowse(ini, settings, defaultFont);
            break;
        default:
            break;
    }
}

void WriteSettingsSection(IniFile& ini, int selector, SettingsRecord& settings) {
    switch (selector) {
        case 2:
            WriteSettings(ini, settings);
            break;
        case 3:
            WriteFileMenu(ini, settings);
            break;
        case 4:
            WriteTextBrowse(ini, settings);
            break;
        default:
            break;
    }
}

bool AddToRecentFiles(SettingsRecord& settings, const std::string& currentFile) {
    SilentPresenter presenter;
    Messenger quiet(presenter);
    const std::string name = FileNamePart(quiet, currentFile, false);
    const std::string caption = settings.ShortRecentFiles == 1 ? name : currentFile;
    if (settings.KeepFileNames == 0) {
        return false;
    }
    auto& recent = settings.recent;
    const int count = std::clamp<int>(settings.MaxLastFiles, 0, kMaxRecentFiles);
    for (int i = 1; i <= count; ++i) {
        if (recent[static_cast<size_t>(i)].caption == caption) {
            std::swap(recent[static_cast<size_t>(i)], recent[1]);
            recent[1].LastFileLong = currentFile;
            return false;
        }
    }
    if (settings.MaxLastFiles < kMaxRecentFiles) {
        settings.MaxLastFiles = static_cast<int16_t>(count + 1);
    }
    for (int k = std::min(count + 1, kMaxRecentFiles) - 1; k >= 1; --k) {
        recent[static_cast<size_t>(k + 1)] = recent[static_cast<size_t>(k)];
    }
    recent[1] = RecentFile{name, 1, currentFile, caption};
    return true;
}

std::string RecentFileCaption(const SettingsRecord& settings, int slot) {
    if (settings.KeepFileNames != 1 || slot < 1 || slot > settings.MaxLastFiles ||
        slot > kMaxRecentFiles) {
        return {};
    }
    const RecentFile& entry = settings.recent[static_cast<size_t>(slot)];
    if (entry.LastFile.empty()) {
        return {};
    }
    return settings.ShortRecentFiles == 1 ? entry.LastFile : entry.LastFileLong;
}

}  // namespace vornexa
