#pragma once

#include <string>
#include <string_view>

namespace vornexa {

// The estimate of the maximum horizontal stress from region, depth and modulus.
struct StressEstimate {
    float sigmaHPsi;      // always in psi
    std::string display;  // the text of the stress box in the project's units
};

// depthText and modulusText are read by the leading-number rule; units 0 is
// English (ft, million psi), anything else Metric (m, GPa).
StressEstimate ComputeStress(int stressRegion, std::string_view depthText,
                             std::string_view modulusText, int units);

// "Horizontal Stress" followed by the stress unit label of the unit system.
std::string StressCaption(int units);

}  // namespace vornexa
