// The entry of the drawing commands, in a module of its own so that neither the
// headless commands nor the windows load the SVG library.
#include <iostream>

#include "core/startup.h"
#include "ui/diagram_export.h"

extern "C" __attribute__((visibility("default"))) int vornexa_export_main(
    int argc, char** argv, const vornexa::PlatformInfo* platform) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vornexa::RunDiagramCommand(args, *platform, std::cerr).value_or(2);
}
