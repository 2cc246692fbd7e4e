#include "util/settings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
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

std::string UsableDataPath(const std::string& stored, const std::string& dataFolder) {
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

std::string ReadIniValue(const IniFile& ini, std::string_view section, std::string_view key,
                         std::string_view fallback = {}) {
    std::string value = ini.Get(section, key).value_or(std::string());
    return value.empty() ? std::string(fallback) : value;
}

std::string ReadIniPath(const IniFile& ini, std::string_view section, std::string_view key) {
    return ini.Get(section, key, kWholeIniValue).value_or(std::string());
}

int16_t ReadIniInt(const IniFile& ini, std::string_view section, std::string_view key, double min,
                   double max, std::string_view fallback = {}) {
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

// [Settings]; the default font is what an empty font name reads as.
template <typename Keys, typename Record>
void SettingsKeys(const Keys& keys, Record& s, std::string_view defaultFont) {
    keys.Int("DefaultUnits", s.DefaultUnits, 0, 1);
    keys.Int("DisplayHistoryWin", s.DisplayHistoryWin, 0, 1);
    keys.Int("MaxDisplaySize", s.MaxDisplaySize, 4096, 16384);
    keys.Text("DisplayFontName", s.DisplayFontName, defaultFont);
    keys.FontSize("DisplayFontSize", s.DisplayFontSize);
    keys.Int("DisplayFontBold", s.DisplayFontBold, -1, 0);
    keys.Int("DisplayFontItalic", s.DisplayFontItalic, -1, 0);
    keys.Int("KeepFileNames", s.KeepFileNames, 0, 1);
    keys.Int("ShowDisclaim", s.ShowDisclaim, 0, 1);
    keys.Int("MaxMainMenu", s.MaxMainMenu, 0, 1);
    keys.Int("EnableMainMenuToolbar", s.EnableMainMenuToolbar, 0, 1);
    keys.Int("ShortRecentFiles", s.ShortRecentFiles, 0, 1);
    keys.Int("LoadLastInputFile", s.LoadLastInputFile, 0, 1);
    keys.Int("RemindAnnualUpdates", s.RemindAnnualUpdates, 0, 1);
    keys.Int("CopyExampleFiles", s.CopyExampleFiles, 0, 1, "1");
    keys.Path("DataPath", s.DataPath);
    keys.Text("FileExtension", s.FileExtension);
    keys.Path("ExternalEditor", s.ExternalEditor);
}

void ReadSettings(const IniFile& ini, SettingsRecord& s, const std::string& dataFolder,
                  const std::string& defaultFont) {
    SettingsKeys(IniSectionReader(ini, kSettings), s, defaultFont);
    s.DataPath = UsableDataPath(s.DataPath, dataFolder);
    if (s.FileExtension == "0") {
        s.FileExtension = "VRN";
    }
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

template <typename Keys, typename Record>
void TextBrowseKeys(const Keys& keys, Record& s, std::string_view defaultFont) {
    keys.Text("BrowseFontName", s.BrowseFontName, defaultFont);
    keys.FontSize("BrowseFontSize", s.BrowseFontSize);
    keys.Int("BrowseFontBold", s.BrowseFontBold, -1, 0);
    keys.Int("BrowseFontItalic", s.BrowseFontItalic, -1, 0);
    keys.Text("BrowseDefaultFilter", s.BrowseDefaultFilter);
    keys.Int("BrowseUseNotepad", s.BrowseUseNotepad, 0, 1);
}

}  // namespace

int16_t ClampToRange(double& value, double min, double max) {
    if (!(value >= min && value <= max)) {
        value = min;
    }
    return ToInt16(value).value_or(0);
}

void IniSectionReader::Int(std::string_view key, int16_t& value, double min, double max,
                           std::string_view fallback) const {
    value = ReadIniInt(ini_, section_, key, min, max, fallback);
}

void IniSectionReader::Real(std::string_view key, float& value, std::string_view fallback) const {
    const double number = LeadingNumber(ReadIniValue(ini_, section_, key, fallback));
    value =
        std::abs(number) <= std::numeric_limits<float>::max() ? static_cast<float>(number) : 0.0f;
}

void IniSectionReader::Real(std::string_view key, float& value, double min, double max,
                            std::string_view fallback) const {
    Real(key, value, fallback);
    if (!(value >= min && value <= max)) {
        value = static_cast<float>(min);
    }
}

// Font sizes compare with the range before they are rounded.
void IniSectionReader::FontSize(std::string_view key, float& value) const {
    double number = LeadingNumber(ReadIniValue(ini_, section_, key));
    value = ClampToRange(number, 7, 24);
}

void IniSectionReader::Text(std::string_view key, std::string& value,
                            std::string_view fallback) const {
    value = ReadIniValue(ini_, section_, key, fallback);
}

void IniSectionReader::Path(std::string_view key, std::string& value) const {
    value = ReadIniPath(ini_, section_, key);
}

void IniSectionWriter::Int(std::string_view key, int value, double, double,
                           std::string_view) const {
    WriteIniValue(ini_, section_, key, value);
}

void IniSectionWriter::Real(std::string_view key, float value, std::string_view) const {
    WriteIniValue(ini_, section_, key, value);
}

void IniSectionWriter::Real(std::string_view key, float value, double, double,
                            std::string_view) const {
    WriteIniValue(ini_, section_, key, value);
}

void IniSectionWriter::FontSize(std::string_view key, float value) const {
    WriteIniValue(ini_, section_, key, value);
}

void IniSectionWriter::Text(std::string_view key, std::string_view value, std::string_view) const {
    WriteIniValue(ini_, section_, key, value);
}

void IniSectionWriter::Path(std::string_view key, std::string_view value) const {
    WriteIniValue(ini_, section_, key, value);
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
            TextBrowseKeys(IniSectionReader(ini, kTextBrowse), settings, defaultFont);
            break;
        default:
            break;
    }
}

void WriteSettingsSection(IniFile& ini, int selector, SettingsRecord& settings) {
    switch (selector) {
        case 2:
            SettingsKeys(IniSectionWriter(ini, kSettings), std::as_const(settings), {});
            break;
        case 3:
            WriteFileMenu(ini, settings);
            break;
        case 4:
            TextBrowseKeys(IniSectionWriter(ini, kTextBrowse), std::as_const(settings), {});
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
