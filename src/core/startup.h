#pragma once

#include <string>
#include <vector>

namespace vornexa {

struct AppState;

// What start-up needs to know about the machine it runs on.
struct PlatformInfo {
    std::string programFolder;
    std::string documents;
    std::string desktop;
    std::vector<std::string> installedFonts;
    std::string exeBaseName;
    bool createFolders = true;
};

// Identity, folders, paths and the start values of settings, graph and options.
void InitialiseState(AppState& state, const PlatformInfo& platform);

// Makes sure a settings file of the current version is at state.iniPath, replacing one
// of another version with the start values. False when none could be put in place
// (for example a read-only folder); the start values then stay in effect.
bool EnsureSettingsFile(AppState& state);

// True when the file carries the version this program writes.
bool SettingsFileIsCurrent(const std::string& iniPath);

// Reads every section of the settings file into the state.
void ReadSettingsFile(AppState& state);

}  // namespace vornexa
