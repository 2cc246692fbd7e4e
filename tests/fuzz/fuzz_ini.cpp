#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/options.h"
#include "util/encoding.h"
#include "util/ini_file.h"
#include "util/numbers.h"
#include "util/settings.h"

namespace {

using namespace vornexa;

constexpr const char* kDataFolder = "/nonexistent-vornexa-data/";
constexpr const char* kFont = "Arial";

struct Values {
    SettingsRecord settings = StartSettings(kDataFolder, kFont);
    AnalysisOptions options;
    GraphSettings graph;

    bool operator==(const Values&) const = default;
};

Values ReadValues(const IniFile& ini) {
    Values v;
    for (int selector : {2, 3, 4}) {
        ReadSettingsSection(ini, selector, v.settings, kDataFolder, kFont);
    }
    ReadAnalysisOptions(ini, v.options);
    ReadGraphSettings(ini, v.graph);
    return v;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text =
        DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    const IniFile ini = IniFile::Parse(text);
    const Values values = ReadValues(ini);

    const std::string serialized = ini.Serialize();
    const IniFile again = IniFile::Parse(serialized);
    Require(ReadValues(again) == values);
    Require(again.Serialize() == serialized);

    // Writing onto whatever structure the text has must land where reading finds it.
    IniFile written = again;
    Values copy = values;
    WriteSettingsSection(written, 3, copy.settings);
    WriteAnalysisOptions(written, values.options);
    WriteGraphSettings(written, values.graph);
    Require(written.Get("FileMenu", "MaxLastFiles") == NumberToText(values.settings.MaxLastFiles));
    Require(written.Get("VORNOptions", "DefaultRegionType") ==
            NumberToText(values.options.DefaultRegionType));
    Require(written.Get("Graph", "GraphTitle") == values.graph.GraphTitle);
    Require(ReadValues(IniFile::Parse(written.Serialize())).graph == values.graph);
    return 0;
}
