#include "ui/project/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <filesystem>

#include "analysis/report.h"
#include "core/app_state.h"
#include "core/program_release.h"
#include "core/project_commands.h"
#include "core/project_file.h"
#include "core/tables.h"
#include "ui/about/disclaimer_window.h"
#include "ui/about/resource_window.h"
#include "ui/about/update_window.h"
#include "ui/drawing/logo_widget.h"
#include "ui/project/description_editor.h"
#include "ui/project/design_report_command.h"
#include "ui/project/layout_finder_window.h"
#include "ui/project/parameters_dialog.h"
#include "ui/project/preview_window.h"
#include "ui/project/stress_dialog.h"
#include "ui/project/toolbar_icons.h"
#include "ui/services/desktop_services.h"
#include "ui/services/help_service.h"
#include "ui/services/window_support.h"
#include "ui/utilities/file_conversion_dialog.h"
#include "ui/utilities/options_dialog.h"
#include "ui/utilities/settings_dialog.h"
#include "ui/utilities/text_browser.h"
#include "ui/utilities/unit_converter_dialog.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr char kCaptionTag[] = "Vornexa";

QString VersionLabel() {
    return Q(VersionText(kVersionMajor, kVersionMinor, kVersionRevision) + " ");
}

}  // namespace

MainWindow::MainWindow(UiContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      state_(context.state),
      help_(context.state, context.desktop) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("VORN"));
    CreateMenus();
    CreateToolbar();
    CreateCentralArea();
    state_.messages.log.changed = [this] { ShowHistoryText(); };
}

void MainWindow::CreateMenus() {
    CreateFileMenu();
    CreateInputMenu();
    CreateUtilitiesMenu();
    CreateHelpMenu();
}

void MainWindow::CreateFileMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    const struct {
        const char* caption;
        QKeySequence shortcut;
    } items[] = {{"&New", QKeySequence::New},
                 {"&Open...", QKeySequence::Open},
                 {"&Save ", QKeySequence::Save},
                 {"Save &As...", {}},
                 {"-", {}},
                 {"Printer Set&up...", {}},
                 {"Print", QKeySequence::Print},
                 {"Print Pre&view...", {}},
                 {"-", {}},
                 {"View Source &Files...", QKeySequence(tr("Ctrl+W"))},
                 {"-", {}},
                 {"E&xit", {}}};
    for (int i = 0; i < 12; ++i) {
        QAction* action = std::string_view(items[i].caption) == "-"
                              ? menu->addSeparator()
                              : menu->addAction(tr(items[i].caption));
        action->setShortcut(items[i].shortcut);
        action->setObjectName(QStringLiteral("mnuFileItem_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { mnuFileItem_Click(i); });
        fileItems_[static_cast<size_t>(i)] = action;
    }
    for (int i = 0; i <= kMaxRecentFiles; ++i) {
        QAction* action = i == 0 ? menu->addSeparator() : menu->addAction(QString());
        action->setObjectName(QStringLiteral("mnuFileArray_%1").arg(i));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, i] { mnuFileArray_Click(i); });
        recentItems_[static_cast<size_t>(i)] = action;
    }
    // Outside the numbered items, so their indices stay as they are.
    reportItem_ = new QAction(tr("Export Design &Report (PDF)..."), menu);
    reportItem_->setObjectName(QStringLiteral("mnuFileReport"));
    menu->insertAction(fileItems_[8], reportItem_);
    connect(reportItem_, &QAction::triggered, this, [this] {
        commandCancelled_ = false;
        if (AskPrintEmptyProject()) {
            ExportDesignReport(context_, this, pageChosen_, commandCancelled_);
        }
    });
}

void MainWindow::CreateInputMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Input"));
    menu->setObjectName(QStringLiteral("mnuEdit"));
    const char* captions[] = {"Project &Description...", "Project &Parameters...",
                              "Horizontal Stress Magnitude..."};
    for (int i = 0; i < 3; ++i) {
        QAction* action = menu->addAction(tr(captions[i]));
        action->setObjectName(QStringLiteral("mnuEditItem_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { mnuEditItem_Click(i); });
        editItems_[static_cast<size_t>(i)] = action;
    }
    editItems_[1]->setShortcut(QKeySequence(tr("Ctrl+E")));
}

void MainWindow::CreateUtilitiesMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Utilities"));
    menu->setObjectName(QStringLiteral("mnuUtil"));
    const char* captions[] = {"&Settings...",
                              "&Options...",
                              "&Unit Conversion...",
                              "&File Conversion...",
                              "-",
                              "&Clear History Window",
                              "Close History &Window",
                              "Co&py History Window"};
    for (int i = 0; i < 8; ++i) {
        QAction* action = std::string_view(captions[i]) == "-" ? menu->addSeparator()
                                                               : menu->addAction(tr(captions[i]));
        action->setObjectName(QStringLiteral("mnuUtilItem_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { mnuUtilItem_Click(i); });
        utilItems_[static_cast<size_t>(i)] = action;
    }
    // Outside the numbered items, so their indices stay as they are.
    finderItem_ = new QAction(tr("&Layout Finder..."), menu);
    finderItem_->setObjectName(QStringLiteral("mnuUtilFinder"));
    menu->insertAction(utilItems_[4], finderItem_);
    connect(finderItem_, &QAction::triggered, this, &MainWindow::OpenLayoutFinder);
}

void MainWindow::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    const char* captions[] = {"Help &Contents...",      "Help &Index...",
                              "Help in &PDF format...", "-",
                              "&Resource Files...",     "-",
                              "&Disclaimer...",         "-",
                              "Program Updates...",     "-",
                              "&About the Program..."};
    for (int i = 0; i < 11; ++i) {
        QAction* action = std::string_view(captions[i]) == "-" ? menu->addSeparator()
                                                               : menu->addAction(tr(captions[i]));
        action->setObjectName(QStringLiteral("mnuHelpItem_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { mnuHelpItem_Click(i); });
        helpItems_[static_cast<size_t>(i)] = action;
    }
    helpItems_[0]->setShortcut(QKeySequence(Qt::Key_F1));
}

void MainWindow::mnuHelpItem_Click(int index) {
    switch (index) {
        case 0:
            help_.ShowContents();
            break;
        case 1:
            help_.ShowIndex();
            break;
        case 2:
            help_.OpenPdfHelp();
            break;
        case 4: {
            ResourceWindow resources(context_, this);
            resources.exec();
            break;
        }
        case 6: {
            DisclaimerWindow disclaimer(context_, this);
            disclaimer.exec();
            break;
        }
        case 8:
            ShowUpdateWindow();
            break;
        case 10:
            ShowAboutBox();
            break;
        default:
            break;
    }
}

void MainWindow::ShowUpdateWindow() {
    UpdateWindow update(
        context_, [this](const QUrl& url) { return context_.desktop.OpenUrl(url); },
        QDate::currentDate(), this);
    update.exec();
}

void MainWindow::ShowAboutBox() {
    const std::string& exe = state_.exeName;
    const std::string nl(kCrLf);
    const std::string text =
        exe + nl + nl + "Version: " + VersionText(kVersionMajor, kVersionMinor, kVersionRevision) +
        nl + nl + "Revision Date: " + ReleaseDateText() + nl + nl +
        "This program was originally created by:" + nl + "The Vornexa ground-control team" + nl +
        "Vornexa mine design software" + nl + nl + "Development of windows version:" + nl +
        "The Vornexa desktop developers";
    state_.messages.ShowMessage(text, msg::kInformation, "About the " + exe + " Program");
}

void MainWindow::CreateToolbar() {
    toolbar_ = addToolBar(tr("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    const struct {
        ToolbarPicture icon;
        const char* tooltip;
    } buttons[] = {{ToolbarPicture::Open, "Open Data File"},
                   {ToolbarPicture::Save, "Save Data File"},
                   {ToolbarPicture::Print, "Print Data File"},
                   {ToolbarPicture::Description, "Edit Description"},
                   {ToolbarPicture::Parameters, "Project Parameters"}};
    for (int i = 1; i <= 5; ++i) {
        QAction* action =
            toolbar_->addAction(ToolbarIcon(buttons[i - 1].icon), tr(buttons[i - 1].tooltip));
        action->setToolTip(tr(buttons[i - 1].tooltip));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
        toolButtons_[static_cast<size_t>(i)] = action;
    }
    connect(toolButtons_[1], &QAction::triggered, this, [this] { mnuFileItem_Click(1); });
    connect(toolButtons_[2], &QAction::triggered, this, [this] { mnuFileItem_Click(2); });
    connect(toolButtons_[3], &QAction::triggered, this, [this] { PrintProjectData(false); });
    connect(toolButtons_[4], &QAction::triggered, this, [this] { mnuEditItem_Click(0); });
    connect(toolButtons_[5], &QAction::triggered, this, [this] { mnuEditItem_Click(1); });
}

void MainWindow::CreateCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    lblver_ = new QLabel(VersionLabel(), central);
    lblver_->setObjectName(QStringLiteral("lblver"));
    layout->addWidget(lblver_, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(new LogoWidget(central), 1);
    setCentralWidget(central);
}

// A text box costs more to make than the rest of the window, and the history
// is mostly hidden at start-up: it is made when first wanted.
QPlainTextEdit* MainWindow::history() {
    if (txtMain_ == nullptr) {
        txtMain_ = new QPlainTextEdit(centralWidget());
        txtMain_->setObjectName(QStringLiteral("txtMain"));
        txtMain_->setReadOnly(true);
        txtMain_->hide();
        txtMain_->setStyleSheet(
            QStringLiteral("QPlainTextEdit { background: rgb(192,192,192); "
                           "color: black; }"));
        centralWidget()->layout()->addWidget(txtMain_);
        historyFontDue_ = true;
        ShowHistoryText();
    }
    return txtMain_;
}

void MainWindow::Form_Load() {
    LoadRecentFilesMenu();
    ApplyHistoryFont();
    if (state_.settings.ShowDisclaim == 1) {
        DisclaimerWindow disclaimer(context_, this);
        disclaimer.exec();
    }
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(760, screen.width()), std::min(560, screen.height()));
    const WindowPosition pos = CentreWindow(screen.width(), screen.height(),
                                            frameGeometry().width(), frameGeometry().height());
    move(screen.x() + pos.left, screen.y() + pos.top);
    ApplyDisplaySettings();
    const QDate today = QDate::currentDate();
    if (UpdateReminderDue(state_.settings.RemindAnnualUpdates,
                          ReleaseAgeDays(today.year(), today.month(), today.day()))) {
        ShowUpdateWindow();
    }
}

void MainWindow::ApplyDisplaySettings() {
    const SettingsRecord& s = state_.settings;
    const bool history = s.DisplayHistoryWin == 1;
    ShowHistoryWindow(history);
    for (int i = 5; i <= 7; ++i) {
        utilItems_[static_cast<size_t>(i)]->setEnabled(history);
    }
    utilItems_[6]->setText(history ? tr("Close History &Window") : tr("Restore History &Window"));
    toolbar_->setVisible(s.EnableMainMenuToolbar == 1);
    setWindowState(s.MaxMainMenu == 1 ? (windowState() | Qt::WindowMaximized)
                                      : (windowState() & ~Qt::WindowMaximized));
}

void MainWindow::ApplyHistoryFont() {
    // Loading a font is slow at start-up, where the history is mostly hidden:
    // a hidden history takes its font when it shows.
    historyFontDue_ = txtMain_ == nullptr || txtMain_->isHidden();
    if (historyFontDue_) {
        return;
    }
    const SettingsRecord& s = state_.settings;
    QFont font(Q(s.DisplayFontName));
    font.setPointSizeF(s.DisplayFontSize);
    font.setBold(s.DisplayFontBold != 0);
    font.setItalic(s.DisplayFontItalic != 0);
    txtMain_->setFont(font);
    // About six lines of history, whatever the font and the screen's scale.
    txtMain_->setFixedHeight(QFontMetrics(font).lineSpacing() * 6 + 2 * txtMain_->frameWidth() + 8);
}

void MainWindow::RefreshCaption() {
    setWindowTitle(
        Q(FormatWindowCaption(kCaptionTag, state_.project.CurrentFile, state_.project.IsSaved)));
    // Every change of the project (new, open, accepted dialogs) passes here.
    if (finder_) {
        finder_->Recompute();
    }
}

void MainWindow::ShowHistoryText() {
    if (txtMain_ == nullptr) {
        return;
    }
    txtMain_->setPlainText(
        Q(state_.messages.log.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtMain_->verticalScrollBar()->setValue(txtMain_->verticalScrollBar()->maximum());
}

bool MainWindow::Step(const std::function<void()>& step) {
    return RunStep(state_.messages, commandCancelled_, step);
}

bool MainWindow::ShowFileDialog(bool saveAs, std::string& startLocation) {
    commandCancelled_ = false;
    FileDialogRequest request;
    request.mode = saveAs ? FileDialogRequest::Mode::SaveAs : FileDialogRequest::Mode::Open;
    const std::string& current = state_.project.CurrentFile;
    if (!TrimBlanks(current).empty()) {
        request.presetName = FileNamePart(state_.messages, current, false);
    }
    std::string folder = state_.settings.DataPath;
    if (!folder.empty() && folder.back() == kSeparator) {
        folder.pop_back();
    }
    request.startFolder = folder;
    // The file chosen last time: its folder, with it selected.
    const std::filesystem::path last(startLocation);
    if (last.has_parent_path()) {
        request.startFolder = last.parent_path().string();
        request.presetName = last.filename().string();
    }
    request.extension = state_.settings.FileExtension;
    request.exeName = state_.exeName;
    const std::optional<std::string> chosen = context_.dialogs.ChooseFile(this, request);
    if (!chosen) {
        ReportCancelledDialog(state_.messages, commandCancelled_);
        return false;
    }
    state_.project.CurrentFile = *chosen;
    startLocation = *chosen;
    return true;
}

bool MainWindow::FileMenuSave(bool forceDialog) {
    const std::string& current = state_.project.CurrentFile;
    // A converted project carries a bare file name: where it goes is the user's choice.
    const bool noFolder = current.find(kSeparator) == std::string::npos;
    const std::string name = current;
    if (forceDialog || noFolder || ToUpperAscii(current) == "UNTITLED") {
        std::string start;
        if (!ShowFileDialog(true, start)) {
            return false;
        }
    }
    BusyCursor busy;
    try {
        FileSave(state_);
    } catch (const AppError&) {
        // The project keeps the name of a file that holds it.
        state_.project.CurrentFile = name;
        throw;
    }
    return true;
}

void MainWindow::AddCurrentToRecentFiles() {
    if (AddToRecentFiles(state_.settings, state_.project.CurrentFile)) {
        SaveDefaultSettings(state_, 3);
    }
    LoadRecentFilesMenu();
}

bool MainWindow::SaveChangesFirst() {
    ProjectRecord& p = state_.project;
    if (p.IsSaved || state_.messages.ShowMessage(
                         "Save changes to: " + p.CurrentFile + "?",
                         msg::kYesNo | msg::kQuestion | msg::kDefaultButton2) != msg::kYes) {
        return true;
    }
    bool saved = false;
    Step([this, &saved] { saved = FileMenuSave(false); });
    RefreshCaption();
    return saved;
}

void MainWindow::LoadProjFile() {
    ProjectRecord& p = state_.project;
    const std::string target = p.CurrentFile;
    p.CurrentFile = p.PrevFile;
    const bool goOn = SaveChangesFirst();
    // A Save As in between renamed the project that stays when the open fails.
    p.PrevFile = p.CurrentFile;
    if (!goOn) {
        return;
    }
    p.CurrentFile = target;
    bool opened = false;
    Step([this, &opened] {
        BusyCursor busy;
        opened = FileOpen(state_);
    });
    if (!opened) {
        p.CurrentFile = p.PrevFile;
        return;
    }
    // Its values belong to the project that was open: the new one gets its own dialog.
    const bool dialogOpen = parameters_ && parameters_->isVisible();
    if (dialogOpen) {
        parameters_->reject();
    }
    AddCurrentToRecentFiles();
    RefreshCaption();
    if (dialogOpen) {
        OpenParametersDialog();
    } else {
        ShowInputScreen();
    }
}

ParametersDialog* MainWindow::parametersDialog() const {
    return parameters_;
}

LayoutFinderWindow* MainWindow::layoutFinder() const {
    return finder_;
}

void MainWindow::OpenLayoutFinder() {
    if (!finder_) {
        finder_ = new LayoutFinderWindow(
            context_,
            [this]() -> ParametersDialog* {
                OpenParametersDialog();
                return parameters_;
            },
            this);
    }
    finder_->Follow(parameters_ && parameters_->isVisible() ? parameters_.data() : nullptr);
    // The main window is disabled while an input dialog is open; the finder is not.
    finder_->setEnabled(true);
    finder_->show();
    finder_->raise();
    finder_->activateWindow();
}

void MainWindow::ShowInputScreen() {
    if (state_.options.ShowInputScreenOnLoad == 1) {
        mnuEditItem_Click(1);
    }
}

void MainWindow::OpenParametersDialog() {
    if (parameters_ && parameters_->isVisible()) {
        parameters_->raise();
        parameters_->activateWindow();
        return;
    }
    {
        BusyCursor busy;
        parameters_ = new ParametersDialog(
            context_, [this] { InputDialogClosed(); }, this);
    }
    connect(parameters_, &ParametersDialog::finderRequested, this, &MainWindow::OpenLayoutFinder);
    setEnabled(false);
    // A disabled main window must not take the dialog (or the finder) with it.
    parameters_->setEnabled(true);
    if (finder_) {
        finder_->setEnabled(true);
        finder_->Follow(parameters_);
    }
    parameters_->Open();
}

void MainWindow::InputDialogClosed() {
    setEnabled(true);
    if (finder_) {
        finder_->Follow(nullptr);
    }
    RefreshCaption();
    activateWindow();
    setFocus();
}

bool MainWindow::AskPrintEmptyProject() {
    return !state_.project.IsEmpty ||
           state_.messages.ShowMessage("Current file is empty. Continue?",
                                       msg::kYesNo | msg::kQuestion | msg::kDefaultButton2) ==
               msg::kYes;
}

void MainWindow::PrintProjectData(bool withDialog) {
    commandCancelled_ = false;
    if (!context_.printer.Available()) {
        return;
    }
    if (withDialog) {
        if (!AskPrintEmptyProject()) {
            return;
        }
        if (!context_.dialogs.ChoosePrinter(this, context_.printer.get(), false)) {
            ReportCancelledDialog(state_.messages, commandCancelled_);
            return;
        }
        pageChosen_ = true;
    }
    Step([this] {
        LoadOutBuf0(state_);
        BusyCursor busy;
        context_.printer.PrintText(context_.printer.get(), state_.exeName, state_.outBuf[0],
                                   QDateTime::currentDateTime());
    });
}

void MainWindow::PreviewProjectData() {
    if (!AskPrintEmptyProject()) {
        return;
    }
    LoadOutBuf0(state_);
    PreviewWindow preview(context_, this);
    preview.exec();
}

void MainWindow::mnuFileItem_Click(int index) {
    commandCancelled_ = false;
    switch (index) {
        case 0:
            if (SaveChangesFirst()) {
                FileNew(state_, true, true);
                RefreshCaption();
                ShowInputScreen();
            }
            break;
        case 1:
            state_.project.PrevFile = state_.project.CurrentFile;
            if (ShowFileDialog(false, lastOpenPath_)) {
                LoadProjFile();
            }
            break;
        case 2:
        case 3:
            Step([this, index] {
                if (FileMenuSave(index == 3)) {
                    AddCurrentToRecentFiles();
                }
            });
            RefreshCaption();
            break;
        case 5:
            if (context_.printer.Available()) {
                if (context_.dialogs.ChoosePrinter(this, context_.printer.get(), true)) {
                    pageChosen_ = true;
                } else {
                    ReportCancelledDialog(state_.messages, commandCancelled_);
                }
            }
            break;
        case 6:
            PrintProjectData(true);
            break;
        case 7:
            PreviewProjectData();
            break;
        case 9: {
            TextBrowser browser(context_, context_.desktop, browseMemory_, this);
            browser.exec();
            break;
        }
        case 11:
            close();
            break;
        default:
            break;
    }
}

void MainWindow::mnuFileArray_Click(int index) {
    if (index < 1 || index > kMaxRecentFiles) {
        return;
    }
    ProjectRecord& p = state_.project;
    p.PrevFile = p.CurrentFile;
    p.CurrentFile = state_.settings.recent[static_cast<size_t>(index)].LastFileLong;
    LoadProjFile();
}

void MainWindow::mnuEditItem_Click(int index) {
    if (index == 0) {
        DescriptionEditor editor(context_, this);
        editor.exec();
        RefreshCaption();
        if (editor.nextFormChosen()) {
            OpenParametersDialog();
        }
    } else if (index == 1) {
        OpenParametersDialog();
    } else if (index == 2) {
        OpenStressDialog();
    }
}

void MainWindow::OpenStressDialog() {
    {
        BusyCursor busy;
        stress_ = new StressDialog(
            context_, [this] { InputDialogClosed(); }, this);
    }
    setEnabled(false);
    stress_->setEnabled(true);
    stress_->Open();
}

QDialog* MainWindow::OpenInputDialog() const {
    if (parameters_ && parameters_->isVisible()) {
        return parameters_;
    }
    if (stress_ && stress_->isVisible()) {
        return stress_;
    }
    return nullptr;
}

void MainWindow::mnuUtilItem_Click(int index) {
    switch (index) {
        case 0: {
            SettingsDialog dialog(
                context_, [this] { ApplyHistoryFont(); }, [this] { ApplyDisplaySettings(); }, this);
            dialog.exec();
            break;
        }
        case 1: {
            OptionsDialog dialog(context_, this);
            dialog.exec();
            break;
        }
        case 2: {
            UnitConverterDialog dialog(context_, this);
            dialog.exec();
            break;
        }
        case 3: {
            FileConversionDialog dialog(context_, this);
            dialog.exec();
            RefreshCaption();
            break;
        }
        case 5:
            state_.messages.log.Clear();
            break;
        case 6:
            ToggleHistoryWindow();
            break;
        case 7:
            if (txtMain_ != nullptr && txtMain_->isVisible()) {
                QGuiApplication::clipboard()->setText(Q(state_.messages.log.text()));
            }
            break;
        default:
            break;
    }
}

void MainWindow::ToggleHistoryWindow() {
    const bool visible = txtMain_ == nullptr || !txtMain_->isVisibleTo(this);
    ShowHistoryWindow(visible);
    utilItems_[6]->setText(visible ? tr("Close History &Window") : tr("Restore History &Window"));
    utilItems_[7]->setEnabled(visible);
}

void MainWindow::ShowHistoryWindow(bool visible) {
    if (!visible && txtMain_ == nullptr) {
        return;
    }
    history()->setVisible(visible);
    if (visible && historyFontDue_) {
        ApplyHistoryFont();
    }
}

void MainWindow::LoadRecentFilesMenu() {
    bool any = false;
    for (int i = 1; i <= kMaxRecentFiles; ++i) {
        const std::string caption = RecentFileCaption(state_.settings, i);
        QAction* action = recentItems_[static_cast<size_t>(i)];
        action->setText(QStringLiteral("&%1 %2").arg(i).arg(Q(caption).replace('&', "&&")));
        action->setVisible(!caption.empty());
        any = any || !caption.empty();
    }
    recentItems_[0]->setVisible(any);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The desktop can ask the disabled window to close; the dialog's edits come first.
    if (QDialog* input = OpenInputDialog()) {
        event->ignore();
        input->raise();
        input->activateWindow();
        return;
    }
    ProjectRecord& p = state_.project;
    if (!p.IsSaved) {
        const int answer = state_.messages.ShowMessage("Save changes to: " + p.CurrentFile + "?",
                                                       msg::kYesNoCancel | msg::kQuestion);
        bool saved = false;
        if (answer == msg::kYes) {
            Step([this, &saved] { saved = FileMenuSave(false); });
            if (saved) {
                AddCurrentToRecentFiles();
            }
        }
        if (answer == msg::kCancel || (answer == msg::kYes && !saved)) {
            event->ignore();
            return;
        }
    }
    SaveDefaultSettings(state_, 3);
    help_.CloseHelp();
    event->accept();
}

}  // namespace vornexa
