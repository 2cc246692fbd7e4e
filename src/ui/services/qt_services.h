#pragma once

#include <QString>

#include "ui/context.h"
#include "util/messages.h"

class QWidget;

namespace vornexa {

// Message boxes of the program: the styles and answers of the message constants.
class QtMessagePresenter : public MessagePresenter {
  public:
    int Show(const std::string& text, int style, const std::string& title) override;
    // The window the boxes are centred on; none gives the active window.
    void SetParent(QWidget* parent) { parent_ = parent; }

  private:
    QWidget* parent_ = nullptr;
};

// The desktop's file, print, print-setup and font dialogs.
class QtDialogService : public DialogService {
  public:
    explicit QtDialogService(PrinterService& printer) : printer_(printer) {}
    std::optional<std::string> ChooseFile(QWidget* parent,
                                          const FileDialogRequest& request) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) override;
    std::optional<std::string> ChooseProgram(QWidget* parent) override;
    FontChoice ChooseFont(QWidget* parent, const FontChoice& preset) override;
    bool ChooseFolder(QWidget* parent, AppState& state, std::string& chosenPath) override;

  private:
    PrinterService& printer_;
};

// The file-dialog filter: all files, then the project files, matched in either case.
QString ProjectFileFilter(const FileDialogRequest& request);
// The chosen path with ".ext" added when the name carries no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace vornexa
