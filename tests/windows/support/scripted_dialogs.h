#pragma once

#include <QPrinter>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/context.h"

namespace vornexa::test {

// Answers file and printer dialogs from a script and records what was asked.
class ScriptedDialogs : public DialogService {
  public:
    std::optional<std::string> ChooseFile(QWidget* parent,
                                          const FileDialogRequest& request) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) override;
    std::optional<std::string> ChooseProgram(QWidget* parent) override;
    FontChoice ChooseFont(QWidget* parent, const FontChoice& preset) override;
    bool ChooseFolder(QWidget* parent, AppState& state, std::string& chosenPath) override;

    // Next answers of the file dialog; nullopt cancels. Empty script: cancel.
    std::deque<std::optional<std::string>> files;
    std::vector<FileDialogRequest> fileRequests;
    // Next answers of the printer dialog; empty script: OK.
    std::deque<bool> printerAnswers;
    int printerDialogs = 0;
    int setupDialogs = 0;
    // When not empty, an accepted printer dialog sends the output to this PDF file.
    std::string pdfPath;
    // Next answers of the program dialog; empty script: cancel.
    std::deque<std::optional<std::string>> programs;
    int programDialogs = 0;
    // Next answers of the font dialog; nullopt or an empty script: cancel.
    std::deque<std::optional<FontChoice>> fonts;
    std::vector<FontChoice> fontPresets;
    // Next answers of the folder chooser; nullopt, an empty text or an empty
    // script: cancel. The paths it was opened on are kept in order.
    std::deque<std::optional<std::string>> folders;
    std::vector<std::string> folderPresets;
};

}  // namespace vornexa::test
