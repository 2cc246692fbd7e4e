#include "stress/stress_estimate.h"

#include "core/tables.h"
#include "util/numbers.h"

namespace vornexa {
namespace {
constexpr double kFeetPerMetre = 3.280839895013123;
constexpr double kPsiPerMpa = 145.0377;
}  // namespace

StressEstimate ComputeStress(int stressRegion, std::string_view depthText,
                             std::string_view modulusText, int units) {
    const double gradient =
        LeadingNumber(kStressRegions.at(static_cast<size_t>(stressRegion)).gradient);
    const double depth = LeadingNumber(depthText);
    const double modulus = LeadingNumber(modulusText);
    const bool english = units == 0;
    const float h = static_cast<float>(english ? depth : depth * kFeetPerMetre);
    const float e = static_cast<float>(english ? modulus : modulus * kPsiPerMpa / 1e3);
    const float sigmaH = static_cast<float>(gradient * h + 410.0 * e - 298.0);
    return {sigmaH, english ? FormatFixed(sigmaH, 0) : FormatFixed(sigmaH / kPsiPerMpa, 1)};
}

std::string StressCaption(int units) {
    return "Horizontal Stress" + std::string(UnitLabel(kUnitStress, units));
}

}  // namespace vornexa
