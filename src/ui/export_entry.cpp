// The entry of the drawing commands, in a module of its own so that neither the
// headless commands nor the windows load the SVG library.
#include <QApplication>

#include <iostream>
#include <memory>

#include "core/startup.h"
#include "ui/diagram_export.h"
#include "ui/graph_export.h"

extern "C" __attribute__((visibility("default"))) int vornexa_export_main(
    int argc, char** argv, const vornexa::PlatformInfo* platform) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Text needs a font database and the chart is a graphics widget, so both need
    // a widget application; no window is opened.
    std::unique_ptr<QApplication> app;
    if (QApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int appArgc = 1;
        static char name[] = "vornexa";
        static char* appArgv[] = {name, nullptr};
        app = std::make_unique<QApplication>(appArgc, appArgv);
    }
    if (const std::optional<int> status = vornexa::RunGraphCommand(args, *platform, std::cerr)) {
        return *status;
    }
    return vornexa::RunDiagramCommand(args, *platform, std::cerr).value_or(2);
}
