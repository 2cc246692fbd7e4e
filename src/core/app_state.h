#pragma once

#include <array>
#include <string>

#include "core/options.h"
#include "core/project.h"
#include "util/files.h"
#include "util/messages.h"
#include "util/settings.h"

namespace vornexa {

inline constexpr int kOutPageMax = 4;

// Everything the program keeps for the run: created by main (or a test) and
// handed to every window and command by reference.
struct AppState {
    explicit AppState(MessagePresenter& presenter) : messages(presenter) {}

    std::string exeName = "VORNEXA";
    Folders folders;
    std::string iniPath;
    std::string defaultFont;

    ProjectRecord project;
    Parms workParms;
    Parms viewParms;
    std::array<std::string, kOutPageMax + 1> outBuf;

    SettingsRecord settings;
    AnalysisOptions options;
    GraphSettings graph;

    Messenger messages;

    // The file option of the file conversion dialog, kept between openings.
    int16_t ConvertFileOption = 0;
};

}  // namespace vornexa
