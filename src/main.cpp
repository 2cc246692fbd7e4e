#include <iostream>
#include <string>
#include <vector>

#include "cli/headless.h"
#include "core/startup.h"
#include "platform/documents_folder.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vornexa::PlatformInfo platform = vornexa::DesktopPlatformInfo(argv[0]);
    if (const std::optional<int> status =
            vornexa::RunHeadless(args, platform, std::cout, std::cerr)) {
        return *status;
    }
    std::cerr << "The main window is not part of this build yet.\n\n" << vornexa::UsageText();
    return 2;
}
