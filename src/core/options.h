#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornexa {

class IniFile;
struct AppState;

// [VORNOptions]: defaults for new projects and the behaviour of the input windows.
struct AnalysisOptions {
    int16_t OutputStrUnits = 0;
    int16_t OutputStrGradUnits = 0;
    int16_t ShowInputScreenOnLoad = 1;
    int16_t OpenViewWithLoad = 1;
    int16_t AutoPositionView = 1;
    int16_t EnableStressGraph = 1;
    int16_t EnableGraphToolbar = 0;
    int16_t AutoPositionStress = 1;
    int16_t PrintModuleHeader = 1;
    int16_t DefaultRegionType = 0;
    float DefaultAzimSigmaH = 0;
    float DefaultAzimEntries = 0;
    float DefaultAzimRightCross = 90;
    float DefaultAzimLeftCross = 270;
    float DefaultAzimHeadGate = 0;
    float DefaultSigmaHTolerance = 0;
    int16_t KeepCrossCutAngles = 0;  // crosscuts turn with the entries in the parameters dialog

    bool operator==(const AnalysisOptions&) const = default;
};

// [Graph]: the appearance of the stress graph.
struct GraphSettings {
    int16_t GraphSetParams = 0;
    int16_t GridStyle = 3;
    int16_t GraphStyle = 1;
    int16_t CurveLegend = 1;
    int16_t SymbolSize = 3;
    int16_t GraphUnits = 0;
    std::string GraphTitle = "Stress Concentration / Stress Relief";
    std::string XAxisTitle0 = "Angle with Maximum Horizontal Stress";
    std::string YAxisTitle0 = "Headgate Stress (% of maximum)";

    bool operator==(const GraphSettings&) const = default;
};

// Fixed data of the stress graph.
inline constexpr std::array<std::string_view, 3> kCurveLabels = {
    "Stress Concentration  ", "Stress Relief  ", "Current Stress Level  "};
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
inline constexpr std::array<Rgb, 6> kCurveColours = {
    {{205, 92, 92}, {0, 0, 255}, {0, 0, 0}, {0, 100, 0}, {4, 0, 0}, {5, 0, 0}}};
inline constexpr int kGraphPointCount = 180;

void ReadAnalysisOptions(const IniFile& ini, AnalysisOptions& options);
void WriteAnalysisOptions(IniFile& ini, const AnalysisOptions& options);
void ReadGraphSettings(const IniFile& ini, GraphSettings& graph);
void WriteGraphSettings(IniFile& ini, const GraphSettings& graph);

// Reads [Settings], [FileMenu], [TextBrowse], then [Graph] and [VORNOptions].
void ReadOptionsAndGraph(AppState& state, const IniFile& ini);

// Writes sections with their current values: 1 all, 2 [Settings], 3 [FileMenu],
// 4 [TextBrowse], 5 [Graph], 6 [VORNOptions]. False when the file could not be written.
bool SaveDefaultSettings(AppState& state, int selector);

// Writes [VORNOptions], with a message when the file could not be written.
void SaveAnalysisOptions(AppState& state);

}  // namespace vornexa
