#include "ui/services/file_association.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/app_state.h"
#include "core/desktop_integration.h"
#include "ui/services/desktop_services.h"
#include "ui/services/window_support.h"
#include "util/files.h"

namespace vornexa {
namespace {

std::string ProgramFileName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}

// The desktop starts the program from anywhere: the path must not be relative.
std::string ProgramPath(const std::string& folder, const std::string& name) {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(folder + name, ec);
    return ec ? folder + name : path.string();
}

// Our files are regular files in the user's folder: a link there is replaced, never
// followed to a file that may belong to someone else.
std::optional<std::string> WriteFile(const std::string& path, const std::string& text) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) {
        return "the folder of " + path + " could not be created (" + ec.message() + ")";
    }
    try {
        AtomicWriteFile(path, text, LinkPolicy::Replace);
    } catch (const AppError& error) {
        return path + " could not be written (" + error.description() + ")";
    }
    return std::nullopt;
}

std::optional<std::string> Run(DesktopService& desktop, const ProgramCall& call) {
    std::string command = call.program;
    for (const std::string& argument : call.arguments) {
        command += " " + argument;
    }
    const int code = desktop.RunProgram(call.program, call.arguments);
    if (code < 0) {
        return "\"" + command + "\" could not be run";
    }
    if (code != 0) {
        return "\"" + command + "\" failed with exit code " + std::to_string(code);
    }
    return std::nullopt;
}

// What failed, or nothing when the association is made. Each step needs the
// one before, so the first failure ends it.
std::optional<std::string> RegisterExtension(DesktopService& desktop, const std::string& extension,
                                             const std::string& execCommand) {
    const std::optional<std::string> dataHome =
        DataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!dataHome) {
        return std::string("no home folder is set");
    }
    const AssociationFiles files = AssociationPaths(*dataHome);
    if (auto failure = WriteFile(files.mimePackage, MimePackageXml(extension))) {
        return failure;
    }
    if (auto failure = WriteFile(files.desktopEntry, DesktopEntryText(execCommand))) {
        return failure;
    }
    for (const ProgramCall& call : AssociationCommands(files)) {
        if (auto failure = Run(desktop, call)) {
            return failure;
        }
    }
    return std::nullopt;
}

}  // namespace

void CreateFileAssociation(AppState& state, DesktopService& desktop) {
    Messenger& messages = state.messages;
    const std::string extension = state.settings.FileExtension;
    if (const std::optional<std::string> refusal = ExtensionRefusal(extension)) {
        messages.ShowMessage(*refusal, msg::kExclamation, messages.titles.error);
        return;
    }
    if (messages.ShowMessage(AssociationQuestion(extension), msg::kYesNo) != msg::kYes) {
        return;
    }
    const std::string program = ProgramFileName();
    const std::string exec = ExecCommand(ProgramPath(state.folders.program, program));
    std::optional<std::string> failure;
    {
        BusyCursor busy;
        failure = RegisterExtension(desktop, extension, exec);
    }
    if (failure) {
        messages.ShowMessage(
            "The file association for " + extension + " could not be made: " + *failure,
            msg::kExclamation, messages.titles.error);
    } else {
        messages.ShowMessage(AssociationDoneMessage(extension, EscapeEntryValue(exec)));
    }
    messages.LogMessage(AssociationLogLine(state.folders.program, program, extension));
}

}  // namespace vornexa
