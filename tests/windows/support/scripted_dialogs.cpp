#include "support/scripted_dialogs.h"

namespace vornexa::test {

std::optional<std::string> ScriptedDialogs::ChooseFile(QWidget*, const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = files.front();
    files.pop_front();
    return answer;
}

bool ScriptedDialogs::ChoosePrinter(QWidget*, QPrinter& printer, bool setupOnly) {
    ++(setupOnly ? setupDialogs : printerDialogs);
    bool ok = true;
    if (!printerAnswers.empty()) {
        ok = printerAnswers.front();
        printerAnswers.pop_front();
    }
    if (ok && !pdfPath.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdfPath));
    }
    return ok;
}

std::optional<std::string> ScriptedDialogs::ChooseProgram(QWidget*) {
    ++programDialogs;
    if (programs.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = programs.front();
    programs.pop_front();
    return answer;
}

FontChoice ScriptedDialogs::ChooseFont(QWidget*, const FontChoice& preset) {
    fontPresets.push_back(preset);
    if (fonts.empty()) {
        return preset;
    }
    const std::optional<FontChoice> answer = fonts.front();
    fonts.pop_front();
    return answer.value_or(preset);
}

bool ScriptedDialogs::ChooseFolder(QWidget*, AppState&, std::string& chosenPath) {
    folderPresets.push_back(chosenPath);
    if (folders.empty()) {
        return false;
    }
    const std::optional<std::string> answer = folders.front();
    folders.pop_front();
    if (!answer || answer->empty()) {
        return false;
    }
    chosenPath = *answer;
    return true;
}

}  // namespace vornexa::test
