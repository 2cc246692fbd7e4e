#include <iostream>
#include <string>
#include <vector>

#include "cli/headless.h"
#include "core/startup.h"
#include "platform/documents_folder.h"
#include "ui/app_startup.h"
#include "ui/diagram_export.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vornexa::PlatformInfo platform = vornexa::DesktopPlatformInfo(argv[0]);
    if (const std::optional<int> status = vornexa::RunDiagramCommand(args, platform, std::cerr)) {
        return *status;
    }
    // Headless commands answer before any window system is touched.
    if (const std::optional<int> status =
            vornexa::RunHeadless(args, platform, std::cout, std::cerr)) {
        return *status;
    }
    return vornexa::RunApplication(argc, argv, platform);
}
