// Feeds arbitrary bytes to the project-file reader; whatever it accepts must
// survive a save and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/project_file.h"
#include "util/encoding.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vornexa;
    const std::string text =
        DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    ProjectRecord project;
    if (ReadProjectText(text, project).kind != ProjectReadResult::Kind::Ok) {
        return 0;
    }
    project.ProjDesc = ReflowDescription(project.ProjDesc);
    const std::string saved = DecodeFileText(EncodeFileText(ProjectFileText(project)));
    ProjectRecord again;
    if (ReadProjectText(saved, again).kind != ProjectReadResult::Kind::Ok ||
        !(again.ProjParms == project.ProjParms) || again.StressRegion != project.StressRegion ||
        again.CurrentUnits != project.CurrentUnits) {
        std::abort();
    }
    return 0;
}
