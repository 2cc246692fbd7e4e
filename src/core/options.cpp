#include "core/options.h"

#include <cmath>
#include <limits>

#include "core/app_state.h"
#include "util/ini_file.h"
#include "util/numbers.h"
#include "util/settings.h"

namespace vornexa {
namespace {

constexpr std::string_view kOptions = "VORNOptions";
constexpr std::string_view kGraph = "Graph";

// An azimuth beyond single precision would poison every angle computed from it.
float ReadIniReal(const IniFile& ini, std::string_view section, std::string_view key,
                  std::string_view fallback) {
    const double value = LeadingNumber(ReadIniValue(ini, section, key, fallback));
    return std::abs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value) : 0.0f;
}

}  // namespace

void ReadAnalysisOptions(const IniFile& ini, AnalysisOptions& o) {
    const std::string_view k = kOptions;
    o.OutputStrUnits = ReadIniInt(ini, k, "OutputStrUnits", 0, 1, "0");
    o.OutputStrGradUnits = ReadIniInt(ini, k, "OutputStrGradUnits", 0, 1, "0");
    o.ShowInputScreenOnLoad = ReadIniInt(ini, k, "ShowInputScreenOnLoad", 0, 1, "1");
    o.OpenViewWithLoad = ReadIniInt(ini, k, "OpenViewWithLoad", 0, 1, "1");
    o.AutoPositionView = ReadIniInt(ini, k, "AutoPositionView", 0, 1, "1");
    o.EnableStressGraph = ReadIniInt(ini, k, "EnableStressGraph", 0, 1, "1");
    o.EnableGraphToolbar = ReadIniInt(ini, k, "EnableGraphToolbar", 0, 1, "1");
    o.AutoPositionStress = ReadIniInt(ini, k, "AutoPositionStress", 0, 1, "1");
    o.PrintModuleHeader = ReadIniInt(ini, k, "PrintModuleHeader", 0, 1, "1");
    o.DefaultRegionType = ReadIniInt(ini, k, "DefaultRegionType", 0, 3, "1");
    o.DefaultAzimSigmaH = ReadIniReal(ini, k, "DefaultAzimSigmaH", "1");
    o.DefaultAzimEntries = ReadIniReal(ini, k, "DefaultAzimEntries", "1");
    o.DefaultAzimRightCross = ReadIniReal(ini, k, "DefaultAzimRightCross", "1");
    o.DefaultAzimLeftCross = ReadIniReal(ini, k, "DefaultAzimLeftCross", "1");
    o.DefaultAzimHeadGate = ReadIniReal(ini, k, "DefaultAzimHeadGate", "1");
}

void WriteAnalysisOptions(IniFile& ini, const AnalysisOptions& o) {
    const std::string_view k = kOptions;
    WriteIniValue(ini, k, "OutputStrUnits", o.OutputStrUnits);
    WriteIniValue(ini, k, "OutputStrGradUnits", o.OutputStrGradUnits);
    WriteIniValue(ini, k, "ShowInputScreenOnLoad", o.ShowInputScreenOnLoad);
    WriteIniValue(ini, k, "OpenViewWithLoad", o.OpenViewWithLoad);
    WriteIniValue(ini, k, "AutoPositionView", o.AutoPositionView);
    WriteIniValue(ini, k, "EnableStressGraph", o.EnableStressGraph);
    WriteIniValue(ini, k, "EnableGraphToolbar", o.EnableGraphToolbar);
    WriteIniValue(ini, k, "AutoPositionStress", o.AutoPositionStress);
    WriteIniValue(ini, k, "PrintModuleHeader", o.PrintModuleHeader);
    WriteIniValue(ini, k, "DefaultRegionType", o.DefaultRegionType);
    WriteIniValue(ini, k, "DefaultAzimSigmaH", o.DefaultAzimSigmaH);
    WriteIniValue(ini, k, "DefaultAzimEntries", o.DefaultAzimEntries);
    WriteIniValue(ini, k, "DefaultAzimRightCross", o.DefaultAzimRightCross);
    WriteIniValue(ini, k, "DefaultAzimLeftCross", o.DefaultAzimLeftCross);
    WriteIniValue(ini, k, "DefaultAzimHeadGate", o.DefaultAzimHeadGate);
}

void ReadGraphSettings(const IniFile& ini, GraphSettings& g) {
    const std::string_view k = kGraph;
    g.GraphSetParams = ReadIniInt(ini, k, "GraphSetParams", 0, 1);
    g.GridStyle = ReadIniInt(ini, k, "GridStyle", 0, 3);
    g.GraphStyle = ReadIniInt(ini, k, "GraphStyle", 1, 3);
    g.CurveLegend = ReadIniInt(ini, k, "CurveLegend", 0, 1);
    g.SymbolSize = ReadIniInt(ini, k, "SymbolSize", 3, 20);
    g.GraphUnits = ReadIniInt(ini, k, "GraphUnits", 0, 1);
    g.GraphTitle = ReadIniValue(ini, k, "GraphTitle");
    g.XAxisTitle0 = ReadIniValue(ini, k, "XAxisTitle0");
    g.YAxisTitle0 = ReadIniValue(ini, k, "YAxisTitle0");
}

void WriteGraphSettings(IniFile& ini, const GraphSettings& g) {
    const std::string_view k = kGraph;
    WriteIniValue(ini, k, "GraphSetParams", g.GraphSetParams);
    WriteIniValue(ini, k, "GridStyle", g.GridStyle);
    WriteIniValue(ini, k, "GraphStyle", g.GraphStyle);
    WriteIniValue(ini, k, "CurveLegend", g.CurveLegend);
    WriteIniValue(ini, k, "SymbolSize", g.SymbolSize);
    WriteIniValue(ini, k, "GraphUnits", g.GraphUnits);
    WriteIniValue(ini, k, "GraphTitle", g.GraphTitle);
    WriteIniValue(ini, k, "XAxisTitle0", g.XAxisTitle0);
    WriteIniValue(ini, k, "YAxisTitle0", g.YAxisTitle0);
}

void ReadOptionsAndGraph(AppState& state, const IniFile& ini) {
    for (int selector : {2, 3, 4}) {
        ReadSettingsSection(ini, selector, state.settings, state.folders.data, state.defaultFont);
    }
    ReadGraphSettings(ini, state.graph);
    ReadAnalysisOptions(ini, state.options);
    state.messages.log.enabled = state.settings.DisplayHistoryWin == 1;
    state.messages.log.maxSize = static_cast<size_t>(state.settings.MaxDisplaySize);
}

bool SaveDefaultSettings(AppState& state, int selector) {
    if (selector < 1 || selector > 6) {
        return false;
    }
    state.messages.LogMessage("Saving default settings to file: " + state.iniPath);
    IniFile ini = IniFile::Load(state.iniPath);
    for (int section : {2, 3, 4}) {
        if (selector == 1 || selector == section) {
            WriteSettingsSection(ini, section, state.settings);
        }
    }
    if (selector == 1 || selector == 5) {
        WriteGraphSettings(ini, state.graph);
    }
    if (selector == 1 || selector == 6) {
        WriteAnalysisOptions(ini, state.options);
    }
    return ini.Save(state.iniPath);
}

}  // namespace vornexa
