#include "core/startup.h"

#include <filesystem>

#include "core/app_state.h"
#include "core/tables.h"
#include "util/ini_file.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr std::string_view kVersionSection = "Version";
constexpr std::string_view kVersionKey = "INIFileVersion";

bool CreateSettingsFile(AppState& state) {
    IniFile ini;
    ini.Set(kVersionSection, kVersionKey, kRevisionDate);
    return ini.Save(state.iniPath) && SaveDefaultSettings(state, 1);
}

}  // namespace

void InitialiseState(AppState& state, const PlatformInfo& platform) {
    if (!platform.exeBaseName.empty()) {
        state.exeName = ToUpperAscii(platform.exeBaseName);
    }
    state.folders = ResolveUserFolders(platform.documents, platform.desktop, platform.programFolder,
                                       platform.createFolders);
    state.defaultFont = DefaultDisplayFont(platform.installedFonts);
    state.settings = StartSettings(state.folders.data, state.defaultFont);
    state.project.CurrentUnits = 0;
    state.project.IsSaved = true;
    state.project.IsEmpty = true;
    state.project.FileFormatLevel = 0;
    state.settings.DisplayHistoryWin = 0;
    state.messages.log.enabled = false;

    state.graph = GraphSettings{};
    state.graph.GraphUnits = state.project.CurrentUnits;
    state.options = AnalysisOptions{};
    state.settings.FileExtension = kDefaultFileExt;

    state.iniPath = state.folders.data + std::string(kIniFileName);
    state.messages.titles.info = "Message";
}

bool EnsureSettingsFile(AppState& state) {
    namespace fs = std::filesystem;
    // A file that cannot be replaced gets one more try, never an endless loop.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::error_code ec;
        if (!fs::exists(state.iniPath, ec) && !ec) {
            return CreateSettingsFile(state);
        }
        if (SettingsFileIsCurrent(state.iniPath)) {
            return true;
        }
        // Only a file is ours to delete, never a folder of that name.
        if (!fs::is_regular_file(state.iniPath, ec)) {
            return false;
        }
        fs::remove(state.iniPath, ec);
    }
    return false;
}

bool SettingsFileIsCurrent(const std::string& iniPath) {
    return IniFile::Load(iniPath).Get(kVersionSection, kVersionKey) == kRevisionDate;
}

void ReadSettingsFile(AppState& state) {
    ReadOptionsAndGraph(state, IniFile::Load(state.iniPath));
}

}  // namespace vornexa
