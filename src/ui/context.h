#pragma once

#include <memory>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace vornexa {

struct AppState;
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

// The printer is made on first use: loading the print system is slow at start-up.
class PrinterSource {
  public:
    PrinterSource();
    ~PrinterSource();
    PrinterSource(const PrinterSource&) = delete;
    PrinterSource& operator=(const PrinterSource&) = delete;
    QPrinter& get();

  private:
    std::unique_ptr<QPrinter> printer_;
};

// What every window gets: the application state and the services around it.
struct UiContext {
    AppState& state;
    DialogService& dialogs;
    PrinterSource& printer;
    DesktopService& desktop;
};

}  // namespace vornexa
