#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <string>

#include "ui/context.h"
#include "ui/services/help_service.h"
#include "ui/utilities/text_browser.h"

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace vornexa {

class LayoutFinderWindow;
class ParametersDialog;
class StressDialog;

// frmMain: menus, toolbar, logo, version and the history window; owns the
// project commands and the questions about unsaved changes.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(UiContext& context, QWidget* parent = nullptr);

    // The start-up steps that belong to the window: recent files, display settings, centring.
    void Form_Load();
    void RefreshCaption();
    UiContext& Context() { return context_; }
    HelpService& Help() { return help_; }
    void ApplyHistoryFont();
    // History window with its menu entries, toolbar and maximised state, from the settings.
    void ApplyDisplaySettings();

    // The commands, also called by start-up and tests.
    void mnuFileItem_Click(int index);
    void mnuFileArray_Click(int index);
    void mnuEditItem_Click(int index);
    void mnuUtilItem_Click(int index);
    void mnuHelpItem_Click(int index);
    bool FileMenuSave(bool forceDialog);
    void LoadProjFile();

    QAction* fileItem(int index) const { return fileItems_[static_cast<size_t>(index)]; }
    QAction* recentItem(int index) const { return recentItems_[static_cast<size_t>(index)]; }
    QAction* editItem(int index) const { return editItems_[static_cast<size_t>(index)]; }
    QAction* utilItem(int index) const { return utilItems_[static_cast<size_t>(index)]; }
    QAction* helpItem(int index) const { return helpItems_[static_cast<size_t>(index)]; }
    QAction* toolbarButton(int index) const { return toolButtons_[static_cast<size_t>(index)]; }
    QPlainTextEdit* history();
    ParametersDialog* parametersDialog() const;
    LayoutFinderWindow* layoutFinder() const;
    QAction* finderItem() const { return finderItem_; }
    QAction* reportItem() const { return reportItem_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void CreateFileMenu();
    void CreateInputMenu();
    void CreateUtilitiesMenu();
    void CreateHelpMenu();
    void CreateToolbar();
    void CreateCentralArea();

    // Runs one step under the shared error handling; false when the command must end.
    bool Step(const std::function<void()>& step);
    bool ShowFileDialog(bool saveAs, std::string& startLocation);
    // Asks about unsaved changes before the project is replaced; false when the
    // user wanted them saved and they were not.
    bool SaveChangesFirst();
    // The parameters or stress dialog while it is open.
    QDialog* OpenInputDialog() const;
    bool AskPrintEmptyProject();
    void PrintProjectData(bool withDialog);
    void PreviewProjectData();
    void AddCurrentToRecentFiles();
    void LoadRecentFilesMenu();
    void ToggleHistoryWindow();
    void ShowHistoryWindow(bool visible);
    void ShowHistoryText();
    void ShowInputScreen();
    void OpenParametersDialog();
    void OpenLayoutFinder();
    void OpenStressDialog();
    void ShowUpdateWindow();
    void ShowAboutBox();
    void InputDialogClosed();

    UiContext& context_;
    AppState& state_;
    bool commandCancelled_ = false;
    std::string lastOpenPath_;

    std::array<QAction*, 12> fileItems_{};
    std::array<QAction*, 5> recentItems_{};
    std::array<QAction*, 3> editItems_{};
    std::array<QAction*, 8> utilItems_{};
    QAction* finderItem_ = nullptr;
    QAction* reportItem_ = nullptr;
    // The user has set up the printer's page: the design report takes it.
    bool pageChosen_ = false;
    std::array<QAction*, 11> helpItems_{};
    std::array<QAction*, 6> toolButtons_{};
    QToolBar* toolbar_ = nullptr;
    QPlainTextEdit* txtMain_ = nullptr;
    bool historyFontDue_ = false;
    QLabel* lblver_ = nullptr;
    QPointer<ParametersDialog> parameters_;
    QPointer<LayoutFinderWindow> finder_;
    QPointer<StressDialog> stress_;
    // The text browser's folder, remembered for the run.
    TextBrowserMemory browseMemory_;
    HelpService help_;
};

}  // namespace vornexa
