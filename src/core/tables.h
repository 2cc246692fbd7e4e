#pragma once

#include <array>
#include <string_view>

#include "core/version.h"

// Identity constants and constant tables of the program.
namespace vornexa {

inline constexpr std::string_view kHelpFileName = "VORN.CHM";
inline constexpr std::string_view kPdfHelpFileName = "VORN.pdf";
inline constexpr std::string_view kRevisionDate = "050817";
inline constexpr std::string_view kDefaultFileExt = "VRN";
inline constexpr std::string_view kIniFileName = "VORN.INI";

inline constexpr std::array<std::string_view, 2> kPlanTypeNames = {"Development", "Longwall"};
inline constexpr std::array<std::string_view, 2> kSequenceNames = {"Left to Right",
                                                                   "Right to Left"};

struct SigmaHRegion {
    std::string_view name;
    std::string_view defaultAzimuth;
};
inline constexpr std::array<SigmaHRegion, 4> kSigmaHRegions = {{
    {"User Defined", "0"},
    {"Eastern", "65"},
    {"Central", "80"},
    {"West (Utah)", "335"},
}};

struct StressRegionRow {
    std::string_view name;
    std::string_view gradient;  // psi per foot of depth
};
inline constexpr std::array<StressRegionRow, 5> kStressRegions = {{
    {"Eastern US", "1.64"},
    {"Western US", "0.78"},
    {"UK/Germany", "0.71"},
    {"NSW Australia", "1.84"},
    {"Qld Australia", "1.36"},
}};

// Slot 1 is the older format, slot 2 the current one that is always written.
inline constexpr std::array<std::string_view, 3> kVersionTags = {"", "VORN_200", "VORN_201"};
inline constexpr int kCurVersionIndex = 2;
inline constexpr int kFormatLevelCurrent = 52;
inline constexpr int kFormatLevelOld = 51;

inline constexpr std::array<std::string_view, 2> kUnitSystemNames = {"ft, psi", "m, MPa"};

enum UnitQuantity : int {
    kUnitLength = 0,
    kUnitStress = 1,
    kUnitModulus = 14,
};
inline constexpr std::array<std::array<std::string_view, 2>, 15> kUnitLabels = {{
    {" (ft)", " (m)"},
    {" (psi)", " (MPa)"},
    {" (pcf)", " (kN/m3)"},
    {" (in)", " (cm)"},
    {" (psf)", " (kPa)"},
    {" (lbs)", " (kN)"},
    {" (tons)", " (tn)"},
    {" (ft)", " (cm)"},
    {" (ksi)", " (MPa)"},
    {" (tons)", " (MN)"},
    {" (tons/ft)", " (MN/m)"},
    {" (in)", " (mm)"},
    {" (tons)", " (kN)"},
    {" (tons/ft)", " (kN/m)"},
    {" (million psi)", " (GPa)"},
}};

// The unit label of a quantity; any unit system other than 0 is Metric.
constexpr std::string_view UnitLabel(int quantity, int units) {
    return kUnitLabels[static_cast<size_t>(quantity)][units == 0 ? 0 : 1];
}

struct RefDoc {
    std::string_view fileName;
    std::string_view title;
};

// The reference documents of the Resource Files window, installed with the help.
inline constexpr std::array<RefDoc, 5> kReferenceDocuments = {{
    {"method_note.pdf", "Method Note"},
    {"development_example.pdf", "Worked Development Example"},
    {"longwall_example.pdf", "Worked Longwall Example"},
    {"file_reference.pdf", "Project and Settings File Reference"},
    {"unit_tables.pdf", "Unit Conversion Tables"},
}};

}  // namespace vornexa
