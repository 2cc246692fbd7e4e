#pragma once

#include <QPageLayout>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QDateTime;
class QPrinter;
class QWidget;

namespace vornexa {

struct AppState;
struct DisplayList;
class DesktopService;

// A font as the settings keep it.
struct FontChoice {
    std::string name;
    float size = 10;
    bool bold = false;
    bool italic = false;
};

struct FileDialogRequest {
    enum class Mode { Open, SaveAs };
    Mode mode = Mode::Open;
    std::string startFolder;  // folder the dialog starts in
    std::string presetName;   // file name shown in the name field
    std::string extension;    // project extension without the dot, e.g. "VRN"
    std::string exeName;      // names the project filter: "VORNEXA Files (*.VRN)"
};

// File and printer dialogs: the real ones in the program, scripted ones in tests.
class DialogService {
  public:
    virtual ~DialogService() = default;
    // The chosen full path, the default extension added when none was typed;
    // nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseFile(QWidget* parent,
                                                  const FileDialogRequest& request) = 0;
    // Print (setupOnly false) or print-setup dialog on `printer`; false when cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) = 0;
    // An existing program file for the external viewer; nullopt when cancelled.
    virtual std::optional<std::string> ChooseProgram(QWidget* parent) = 0;
    // A screen font; the preset comes back when the user cancels.
    virtual FontChoice ChooseFont(QWidget* parent, const FontChoice& preset) = 0;
    // The folder chooser, opened on `chosenPath`; on OK true and `chosenPath`
    // is the chosen folder, ending in the separator; on Cancel it is untouched.
    virtual bool ChooseFolder(QWidget* parent, AppState& state, std::string& chosenPath) = 0;
};

// Printing, the only way the windows reach Qt's print library: the program
// keeps that library in a module loaded with the first print, so start-up does
// not pay for it.
class PrinterService {
  public:
    virtual ~PrinterService() = default;
    // False, once the user has been told why, when printing cannot start.
    virtual bool Available() = 0;
    // The printer, made on first use.
    virtual QPrinter& get() = 0;
    // The print (setupOnly false) or print-setup dialog; false when cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) = 0;
    // The page preview of what `paint` prints, closed by the user.
    virtual void Preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
    // The whole document: header, `text` (lines end with CR LF), end.
    virtual void PrintText(QPrinter& printer, const std::string& exeName, std::string_view text,
                           const QDateTime& now) = 0;
    // The diagram as vectors, as large as the printable page allows and centred on it.
    virtual void PrintDiagram(QPrinter& printer, const DisplayList& list) = 0;
    // The page the printer is set up for.
    virtual QPageLayout PageLayout() = 0;
};

// What every window gets: the application state and the services around it.
struct UiContext {
    AppState& state;
    DialogService& dialogs;
    PrinterService& printer;
    DesktopService& desktop;
};

}  // namespace vornexa
