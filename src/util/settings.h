#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vornexa {

class IniFile;
class Messenger;

inline constexpr int kMaxRecentFiles = 4;

// One entry of the recent-file list (slots 1..4, index 0 unused).
struct RecentFile {
    std::string LastFile;      // file name without folder
    int16_t LastFileMode = 0;  // 1 for entries added by this program
    std::string LastFileLong;  // full path
    std::string caption;       // menu caption: short or full name

    bool operator==(const RecentFile&) const = default;
};

// [Settings], [FileMenu] and [TextBrowse].
// The platform's default text viewer.
#ifdef _WIN32
inline constexpr std::string_view kDefaultExternalEditor = "Notepad.exe";
#else
inline constexpr std::string_view kDefaultExternalEditor = "xdg-open";
#endif

struct SettingsRecord {
    int16_t DefaultUnits = 0;
    int16_t DisplayHistoryWin = 1;
    int16_t MaxDisplaySize = 2048;
    std::string DisplayFontName;
    float DisplayFontSize = 10;
    int16_t DisplayFontBold = 0;
    int16_t DisplayFontItalic = 0;
    int16_t KeepFileNames = 1;
    int16_t ShowDisclaim = 1;
    int16_t MaxMainMenu = 0;
    int16_t EnableMainMenuToolbar = 1;
    int16_t ShortRecentFiles = 0;
    int16_t LoadLastInputFile = 0;
    int16_t RemindAnnualUpdates = 1;
    int16_t CopyExampleFiles = 1;
    std::string DataPath;
    std::string FileExtension = "VRN";
    std::string ExternalEditor;

    int16_t MaxLastFiles = 0;
    std::array<RecentFile, kMaxRecentFiles + 1> recent{};

    std::string BrowseFontName;
    float BrowseFontSize = 10;
    int16_t BrowseFontBold = 0;
    int16_t BrowseFontItalic = 0;
    std::string BrowseDefaultFilter;
    int16_t BrowseUseNotepad = 0;

    bool operator==(const SettingsRecord&) const = default;
};

// The range rule: a value outside [min, max] becomes min; then rounded, halves to even.
int16_t ClampToRange(double& value, double min, double max);

// A section lists its keys once, as calls on a reader or a writer of the same
// shape, so that reading and writing name the same keys in the same order.
// The writer takes the reading rules too and writes the value as it stands.
class IniSectionReader {
  public:
    IniSectionReader(const IniFile& ini, std::string_view section) : ini_(ini), section_(section) {}
    // Leading-number rule, rounded to 16 bits (a number beyond 16 bits counts as out
    // of range), then the range rule. Every key reads `fallback` when missing or empty.
    void Int(std::string_view key, int16_t& value, double min, double max,
             std::string_view fallback = {}) const;
    // Leading-number rule; a value beyond single precision reads as 0.
    void Real(std::string_view key, float& value, std::string_view fallback) const;
    // As above, then the range rule: a value outside min..max reads as min.
    void Real(std::string_view key, float& value, double min, double max,
              std::string_view fallback) const;
    // Leading-number rule, then the range rule from 7 to 24.
    void FontSize(std::string_view key, float& value) const;
    // At most 254 characters.
    void Text(std::string_view key, std::string& value, std::string_view fallback = {}) const;
    // A folder, file or program path, read whole: a cut path names another file.
    void Path(std::string_view key, std::string& value) const;

  private:
    const IniFile& ini_;
    std::string_view section_;
};

class IniSectionWriter {
  public:
    IniSectionWriter(IniFile& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Int(std::string_view key, int value, double, double, std::string_view = {}) const;
    void Real(std::string_view key, float value, std::string_view) const;
    void Real(std::string_view key, float value, double, double, std::string_view) const;
    void FontSize(std::string_view key, float value) const;
    void Text(std::string_view key, std::string_view value, std::string_view = {}) const;
    void Path(std::string_view key, std::string_view value) const;

  private:
    IniFile& ini_;
    std::string_view section_;
};

// The default display font: the first installed of Arial, Courier New, System,
// Terminal (case-insensitive), else the first installed font, else "".
std::string DefaultDisplayFont(const std::vector<std::string>& installedFonts);

// Start values of the settings record for a data folder and a default font.
SettingsRecord StartSettings(const std::string& dataFolder, const std::string& defaultFont);

// selector 2 [Settings], 3 [FileMenu], 4 [TextBrowse]; other selectors do nothing.
// Reading needs the data folder and the default font for its fall-backs.
void ReadSettingsSection(const IniFile& ini, int selector, SettingsRecord& settings,
                         const std::string& dataFolder, const std::string& defaultFont);
void WriteSettingsSection(IniFile& ini, int selector, SettingsRecord& settings);

// Puts `currentFile` at the top of the recent-file list. True when [FileMenu]
// must be written (a new entry), false when nothing changed or the entry only moved.
bool AddToRecentFiles(SettingsRecord& settings, const std::string& currentFile);

// The menu caption of slot i as the list is loaded at start-up; empty when hidden.
std::string RecentFileCaption(const SettingsRecord& settings, int slot);

}  // namespace vornexa
