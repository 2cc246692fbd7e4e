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

}  // namespace vornexa::test
