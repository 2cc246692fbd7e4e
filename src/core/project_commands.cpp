#include "core/project_commands.h"

#include "core/app_state.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr double kFeetPerMetre = 3.280839895013123;
constexpr double kPsiPerMpa = 145.0377;

// Rounded to one decimal through the "0.0" text, as the conversion is defined.
float RoundToTenth(double value) {
    return static_cast<float>(LeadingNumber(FormatFixed(value, 1)));
}

}  // namespace

void FileNew(AppState& state, bool setUntitled, bool resetUnits) {
    ProjectRecord& p = state.project;
    if (resetUnits) {
        p.CurrentUnits = state.settings.DefaultUnits;
    }
    if (setUntitled) {
        p.CurrentFile = "Untitled";
    }
    p.IsSaved = true;
    p.IsEmpty = true;
    p.UnitsLocked = false;
    for (size_t i = 1; i < state.outBuf.size(); ++i) {
        state.outBuf[i].clear();
    }
    p.ProjParms = NewProjectParms(state.options);
    p.StressRegion = 0;
    p.DepthCover = 1000;
    p.RockModulus = 2.0f;
    p.ProjTitle.clear();
    p.ProjDesc.clear();
    state.messages.LogMessage("File initialized. Use Edit-Project Parameters to enter data");
}

bool ConvertProjectUnits(AppState& state, int target) {
    ProjectRecord& p = state.project;
    std::string prefix;
    if (target == 1) {
        p.DepthCover = static_cast<float>(p.DepthCover / kFeetPerMetre);
        p.RockModulus = RoundToTenth(1000.0 * p.RockModulus / kPsiPerMpa);
        prefix = "Metric_";
    } else {
        p.DepthCover = static_cast<float>(p.DepthCover * kFeetPerMetre);
        p.RockModulus = RoundToTenth(p.RockModulus * kPsiPerMpa / 1000.0);
        prefix = "English_";
    }
    const size_t slash = p.CurrentFile.rfind(kSeparator);
    p.CurrentFile =
        prefix + (slash == std::string::npos ? p.CurrentFile : p.CurrentFile.substr(slash + 1));
    p.CurrentUnits = static_cast<int16_t>(target);
    p.IsSaved = false;
    return true;
}

}  // namespace vornexa
