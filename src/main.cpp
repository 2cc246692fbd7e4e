#include <iostream>
#include <string>
#include <vector>

#include "cli/headless.h"
#include "core/startup.h"
#include "platform/documents_folder.h"
#include "platform/module_loader.h"

namespace {

using ModuleMain = int (*)(int, char**, const vornexa::PlatformInfo*);

int RunModule(const char* name, const char* entryName, int argc, char** argv,
              const vornexa::PlatformInfo& platform) {
    std::string error;
    auto entry = reinterpret_cast<ModuleMain>(
        vornexa::ModuleEntry(platform.programFolder + "/", name, entryName, error));
    if (entry == nullptr) {
        std::cerr << error << '\n';
        return 1;
    }
    return entry(argc, argv, &platform);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vornexa::PlatformInfo platform = vornexa::DesktopPlatformInfo(argv[0]);
    if (!args.empty() && (args[0] == "--diagram" || args[0] == "--graph" || args[0] == "--pdf")) {
        return RunModule("libvornexa_export.so", "vornexa_export_main", argc, argv, platform);
    }
    // Headless commands answer before any window system is loaded.
    if (const std::optional<int> status =
            vornexa::RunHeadless(args, platform, std::cout, std::cerr)) {
        return *status;
    }
    return RunModule("libvornexa_gui.so", "vornexa_gui_main", argc, argv, platform);
}
