#pragma once

#include <cstdint>
#include <string>

namespace vornexa {

struct AnalysisOptions;

// The layout record; the project's own copy, the dialog's working copy and the
// drawing snapshot share this type.
struct Parms {
    int16_t PlanType = 0;
    int16_t RegionType = 0;
    float AzimSigmaH = 0;
    float AzimEntries = 0;
    float AzimRightCross = 90;
    float AzimLeftCross = 270;
    int16_t LongType = 0;
    float AzimHeadGate = 0;
    int16_t ShowStress = 1;
    // Half the width of the band of SigmaH azimuths the layout must hold for,
    // 0 to 90 degrees; 0 is the exact azimuth alone.
    float SigmaHTolerance = 0;

    bool operator==(const Parms&) const = default;
};

inline constexpr int16_t kPlanDevelopment = 0;
inline constexpr int16_t kPlanLongwall = 1;

// The one open project.
struct ProjectRecord {
    Parms ProjParms;
    int16_t StressRegion = 0;
    float DepthCover = 1000;
    float RockModulus = 2.0f;
    std::string ProjTitle;
    std::string ProjDesc;  // every line ends with CR LF
    int16_t CurrentUnits = 0;
    std::string CurrentFile = "Untitled";
    std::string PrevFile;
    bool IsSaved = true;
    bool IsEmpty = true;
    bool UnitsLocked = false;
    int16_t FileFormatLevel = 0;
};

// The new-project layout from the analysis options.
Parms NewProjectParms(const AnalysisOptions& options);

}  // namespace vornexa
