#include "core/options.h"

#include "core/app_state.h"
#include "util/ini_file.h"
#include "util/settings.h"

namespace vornexa {
namespace {

constexpr std::string_view kOptions = "VORNOptions";
constexpr std::string_view kGraph = "Graph";

template <typename Keys, typename Options>
void AnalysisOptionKeys(const Keys& keys, Options& o) {
    keys.Int("OutputStrUnits", o.OutputStrUnits, 0, 1, "0");
    keys.Int("OutputStrGradUnits", o.OutputStrGradUnits, 0, 1, "0");
    keys.Int("ShowInputScreenOnLoad", o.ShowInputScreenOnLoad, 0, 1, "1");
    keys.Int("OpenViewWithLoad", o.OpenViewWithLoad, 0, 1, "1");
    keys.Int("AutoPositionView", o.AutoPositionView, 0, 1, "1");
    keys.Int("EnableStressGraph", o.EnableStressGraph, 0, 1, "1");
    keys.Int("EnableGraphToolbar", o.EnableGraphToolbar, 0, 1, "1");
    keys.Int("AutoPositionStress", o.AutoPositionStress, 0, 1, "1");
    keys.Int("PrintModuleHeader", o.PrintModuleHeader, 0, 1, "1");
    keys.Int("DefaultRegionType", o.DefaultRegionType, 0, 3, "1");
    // An azimuth beyond single precision would poison every angle computed from it.
    keys.Real("DefaultAzimSigmaH", o.DefaultAzimSigmaH, "1");
    keys.Real("DefaultAzimEntries", o.DefaultAzimEntries, "1");
    keys.Real("DefaultAzimRightCross", o.DefaultAzimRightCross, "1");
    keys.Real("DefaultAzimLeftCross", o.DefaultAzimLeftCross, "1");
    keys.Real("DefaultAzimHeadGate", o.DefaultAzimHeadGate, "1");
    keys.Real("DefaultSigmaHTolerance", o.DefaultSigmaHTolerance, 0, 90, "0");
    keys.Int("KeepCrossCutAngles", o.KeepCrossCutAngles, 0, 1, "0");
}

template <typename Keys, typename Graph>
void GraphKeys(const Keys& keys, Graph& g) {
    keys.Int("GraphSetParams", g.GraphSetParams, 0, 1);
    keys.Int("GridStyle", g.GridStyle, 0, 3);
    keys.Int("GraphStyle", g.GraphStyle, 1, 3);
    keys.Int("CurveLegend", g.CurveLegend, 0, 1);
    keys.Int("SymbolSize", g.SymbolSize, 3, 20);
    keys.Int("GraphUnits", g.GraphUnits, 0, 1);
    keys.Text("GraphTitle", g.GraphTitle);
    keys.Text("XAxisTitle0", g.XAxisTitle0);
    keys.Text("YAxisTitle0", g.YAxisTitle0);
}

}  // namespace

void ReadAnalysisOptions(const IniFile& ini, AnalysisOptions& options) {
    AnalysisOptionKeys(IniSectionReader(ini, kOptions), options);
}

void WriteAnalysisOptions(IniFile& ini, const AnalysisOptions& options) {
    AnalysisOptionKeys(IniSectionWriter(ini, kOptions), options);
}

void ReadGraphSettings(const IniFile& ini, GraphSettings& graph) {
    GraphKeys(IniSectionReader(ini, kGraph), graph);
}

void WriteGraphSettings(IniFile& ini, const GraphSettings& graph) {
    GraphKeys(IniSectionWriter(ini, kGraph), graph);
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

// The options hold for this run either way; the user must know they are not kept.
void SaveAnalysisOptions(AppState& state) {
    if (!SaveDefaultSettings(state, 6)) {
        state.messages.ShowMessage("The options could not be saved to file: " + state.iniPath,
                                   msg::kExclamation, state.messages.titles.error);
    }
}

}  // namespace vornexa
