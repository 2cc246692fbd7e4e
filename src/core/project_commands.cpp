#include "core/project_commands.h"

#include <optional>

#include "core/app_state.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr double kFeetPerMetre = 3.280839895013123;
constexpr double kPsiPerMpa = 145.0377;

// Rounded to one decimal through the "0.0" text, as the conversion is defined.
double RoundToTenth(double value) {
    return LeadingNumber(FormatFixed(value, 1));
}

struct StressInputs {
    float depthCover;
    float rockModulus;
};

// Depth of cover and rock modulus in unit system `target`; nullopt when a value
// would leave the single-precision range.
std::optional<StressInputs> ConvertedStressInputs(float depthCover, float rockModulus, int target) {
    const bool metric = target == 1;
    const std::optional<float> depth =
        ToSingle(metric ? depthCover / kFeetPerMetre : depthCover * kFeetPerMetre);
    const std::optional<float> modulus = ToSingle(RoundToTenth(
        metric ? 1000.0 * rockModulus / kPsiPerMpa : rockModulus * kPsiPerMpa / 1000.0));
    if (!depth || !modulus) {
        return std::nullopt;
    }
    return StressInputs{*depth, *modulus};
}

}  // namespace

void SetNewProjectStress(ProjectRecord& project) {
    // 1000 ft and 2 million psi, or what the unit conversion makes of them.
    const StressInputs stress = project.CurrentUnits == 1
                                    ? ConvertedStressInputs(1000, 2.0f, 1).value()
                                    : StressInputs{1000, 2.0f};
    project.StressRegion = 0;
    project.DepthCover = stress.depthCover;
    project.RockModulus = stress.rockModulus;
}

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
    SetNewProjectStress(p);
    p.ProjTitle.clear();
    p.ProjDesc.clear();
    state.messages.LogMessage("File initialized. Use Edit-Project Parameters to enter data");
}

bool ConvertProjectUnits(AppState& state, int target) {
    ProjectRecord& p = state.project;
    const std::optional<StressInputs> converted =
        ConvertedStressInputs(p.DepthCover, p.RockModulus, target);
    if (!converted) {
        return false;
    }
    p.DepthCover = converted->depthCover;
    p.RockModulus = converted->rockModulus;
    const std::string prefix = target == 1 ? "Metric_" : "English_";
    const size_t slash = p.CurrentFile.rfind(kSeparator);
    p.CurrentFile =
        prefix + (slash == std::string::npos ? p.CurrentFile : p.CurrentFile.substr(slash + 1));
    p.CurrentUnits = static_cast<int16_t>(target);
    p.IsSaved = false;
    return true;
}

}  // namespace vornexa
