#include "analysis/orientation.h"

#include <cmath>

namespace vornexa {

float AzimuthDifference(float opening, float sigmaH) {
    return static_cast<float>(std::fabs(static_cast<double>(opening) - sigmaH));
}

float OpeningAngle(float opening, float sigmaH) {
    float d = AzimuthDifference(opening, sigmaH);
    for (int fold = 0; fold < 2 && d > 120; ++fold) {
        d = static_cast<float>(std::fabs(static_cast<double>(d) - 180.0));
    }
    return d;
}

Orientation ClassifyOrientation(float angle) {
    if (angle < 30) {
        return Orientation::Good;
    }
    return angle < 60 ? Orientation::Moderate : Orientation::Difficult;
}

float HeadgateAngle(const Parms& view) {
    const double difference = view.LongType == 1
                                  ? static_cast<double>(view.AzimHeadGate) - view.AzimSigmaH
                                  : static_cast<double>(view.AzimSigmaH) - view.AzimHeadGate;
    float d = static_cast<float>(difference);
    if (d < -180) {
        d = d + 360.0f;
        d = d + 180.0f;
    }
    if (d < 0) {
        d = d + 180.0f;
    }
    return d;
}

StressKind StressState(float angle) {
    const bool relief = (angle > 90 && angle < 180) || (angle > 270 && angle < 360);
    return relief ? StressKind::Relief : StressKind::Concentration;
}

const char* StressWord(StressKind kind) {
    return kind == StressKind::Relief ? "Relief" : "Concentration";
}

float HeadgateStressPct(float angle) {
    constexpr double k = 3.14159265358979 / 180;
    return static_cast<float>((std::sin((2.0 * angle - 48.0) * k) / 2.0 + 0.5) * 100.0);
}

void UpdateViewParms(const Parms& work, Parms& view) {
    const int16_t region = view.RegionType;
    view = work;
    view.RegionType = region;
}

}  // namespace vornexa
