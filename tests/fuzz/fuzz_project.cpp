// Feeds arbitrary bytes to the project-file reader; whatever it accepts must be
// saved and read back as the same record, each number as its file text reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/project_file.h"
#include "util/encoding.h"
#include "util/numbers.h"
#include "util/text.h"

namespace {

using namespace vornexa;

// A float after its trip through the seven-digit file text.
float AsWritten(float value) {
    return static_cast<float>(LeadingNumber(NumberToText(value)));
}

Parms ParmsAsWritten(Parms p) {
    for (float* f :
         {&p.AzimSigmaH, &p.AzimEntries, &p.AzimRightCross, &p.AzimLeftCross, &p.AzimHeadGate}) {
        *f = AsWritten(*f);
    }
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text =
        DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    ProjectRecord project;
    if (ReadProjectText(text, project).kind != ProjectReadResult::Kind::Ok) {
        return 0;
    }
    project.ProjDesc = ReflowDescription(project.ProjDesc);
    const std::string saved = DecodeFileText(EncodeFileText(ProjectFileText(project)));
    ProjectRecord again;
    const bool same =
        ReadProjectText(saved, again).kind == ProjectReadResult::Kind::Ok &&
        again.ProjParms == ParmsAsWritten(project.ProjParms) &&
        again.StressRegion == project.StressRegion && again.CurrentUnits == project.CurrentUnits &&
        again.DepthCover == AsWritten(project.DepthCover) &&
        again.RockModulus == AsWritten(project.RockModulus) && again.ProjTitle == project.ProjTitle;
    if (!same) {
        std::abort();
    }
    return 0;
}
