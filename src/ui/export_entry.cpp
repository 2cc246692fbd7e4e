// The entry of the drawing commands, in a module of its own so that neither the
// headless commands nor the windows load the SVG library.
#include <QApplication>
#include <QDateTime>

#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "core/startup.h"
#include "ui/drawing/design_report_export.h"
#include "ui/drawing/diagram_export.h"
#include "ui/drawing/graph_export.h"

namespace {

// Without XDG_RUNTIME_DIR Qt warns on standard error while it starts. A drawing
// command prints only its own messages, so it lends Qt a private runtime folder
// (mode 0700, as Qt requires) for the run and removes it afterwards.
class PrivateRuntimeFolder {
  public:
    PrivateRuntimeFolder() {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            return;
        }
        std::error_code error;
        std::string pattern =
            (std::filesystem::temp_directory_path(error) / "vornexa-runtime-XXXXXX").string();
        if (!error && ::mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder_));
        }
    }
    ~PrivateRuntimeFolder() {
        if (!folder_.empty()) {
            qunsetenv("XDG_RUNTIME_DIR");
            std::error_code ignored;
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

  private:
    std::string folder_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) int vornexa_export_main(
    int argc, char** argv, const vornexa::PlatformInfo* platform) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Text needs a font database and the chart is a graphics widget, so both need
    // a widget application; no window is opened.
    const PrivateRuntimeFolder runtime;
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
    if (const std::optional<int> status = vornexa::RunPdfCommand(args, *platform, std::cerr)) {
        return *status;
    }
    return vornexa::RunDiagramCommand(args, *platform, std::cerr).value_or(2);
}

// The windows' design report: the page set up for the printer, or none.
extern "C" __attribute__((visibility("default"))) bool vornexa_design_report(
    const vornexa::AppState* state, const QPageLayout* page, const char* path, std::string* error) {
    return vornexa::ExportDesignReport(
        *state, page != nullptr ? std::optional<QPageLayout>(*page) : std::nullopt, path,
        QDateTime::currentDateTime(), *error);
}
