#include "ui/project/design_report_command.h"

#include <QPageLayout>

#include <filesystem>
#include <optional>
#include <string>

#include "core/app_state.h"
#include "platform/module_loader.h"
#include "ui/context.h"
#include "ui/services/window_support.h"

namespace vornexa {
namespace {

using ReportEntry = bool (*)(const AppState*, const QPageLayout*, const char*, std::string*);

FileDialogRequest PdfRequest(const AppState& state) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::SaveAs;
    const std::filesystem::path project(state.project.CurrentFile);
    request.startFolder =
        project.has_parent_path() ? project.parent_path().string() : state.settings.DataPath;
    request.presetName = project.stem().string() + ".pdf";
    request.extension = "pdf";
    request.exeName = "PDF";
    return request;
}

}  // namespace

void ExportDesignReport(UiContext& context, QWidget* parent, bool pageChosen, bool& cancelled) {
    AppState& state = context.state;
    const std::optional<std::string> path = context.dialogs.ChooseFile(parent, PdfRequest(state));
    if (!path) {
        ReportCancelledDialog(state.messages, cancelled);
        return;
    }
    std::string error;
    const auto entry = reinterpret_cast<ReportEntry>(
        ModuleEntry(state.folders.program, "libvornexa_export.so", "vornexa_design_report", error));
    if (entry == nullptr) {
        state.messages.ShowMessage(error, msg::kExclamation);
        return;
    }
    bool written = false;
    {
        BusyCursor busy;
        const std::optional<QPageLayout> page =
            pageChosen ? std::optional(context.printer.PageLayout()) : std::nullopt;
        written = entry(&state, page ? &*page : nullptr, path->c_str(), &error);
    }
    if (!written) {
        state.messages.ShowMessage("Cannot write the design report to " + *path + ": " + error,
                                   msg::kExclamation);
        return;
    }
    state.messages.LogMessage("Design report written: " + *path);
}

}  // namespace vornexa
