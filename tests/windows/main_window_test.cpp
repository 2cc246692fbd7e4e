#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <filesystem>
#include <tuple>

#include "core/app_state.h"
#include "core/program_release.h"
#include "core/project_commands.h"
#include "core/startup.h"
#include "support/scripted_dialogs.h"
#include "support/window_harness.h"
#include "test_support.h"
#include "ui/about/help_window.h"
#include "ui/app_startup.h"
#include "ui/project/main_window.h"
#include "ui/project/parameters_dialog.h"
#include "ui/project/stress_dialog.h"
#include "ui/services/qt_services.h"
#include "ui/utilities/file_conversion_dialog.h"
#include "util/ini_file.h"

using namespace vornexa;

namespace {

const char* const kProject =
    "VORN_201\r\n 0 \r\nMains\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n 0 \r\n 0 \r\n0\r\n30\r\n"
    "200\r\n120\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n 1000 \r\n 2 \r\n";

// A main window over its own state, settings file and scripted dialogs.
struct Fixture {
    Fixture() {
        PlatformInfo platform;
        platform.programFolder = dir.file("prog");
        platform.documents = dir.path().string();
        InitialiseState(state, platform);
        // The parameters dialog after New and Open has tests of its own.
        state.options.ShowInputScreenOnLoad = 0;
        // The start-up windows have a test of their own.
        state.settings.ShowDisclaim = 0;
        state.settings.RemindAnnualUpdates = 0;
        state.settings.DisplayHistoryWin = 1;
        state.messages.log.enabled = true;
        window.Form_Load();
        FileNew(state, true, true);
        window.RefreshCaption();
    }
    std::string Project(const std::string& name, const std::string& text = kProject) {
        test::WriteAll(dir.file(name), text);
        return dir.file(name);
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& s : presenter.shown) {
            texts.push_back(s.text);
        }
        return texts;
    }
    test::TempFolder dir;
    test::RecordingPresenter presenter;
    AppState state{presenter};
    test::ScriptedDialogs dialogs;
    PrinterSource printer;
    test::RecordingDesktop desktop;
    UiContext context{state, dialogs, printer, desktop};
    MainWindow window{context};
};

QString PdfInfo(const std::string& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The history shows in the chosen font however it comes to show, also when
    // the font was chosen while it was closed.
    void historyShowsInTheChosenFont_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("shown at start") << 0;
        QTest::newRow("switched on in the settings") << 1;
        QTest::newRow("font chosen while closed") << 2;
    }
    void historyShowsInTheChosenFont() {
        QFETCH(int, way);
        test::WindowHarness h;
        SettingsRecord& s = h.state.settings;
        s.ShowDisclaim = 0;
        s.RemindAnnualUpdates = 0;
        s.DisplayHistoryWin = way == 1 ? 0 : 1;
        s.DisplayFontName = "Courier New";
        s.DisplayFontSize = 14;
        MainWindow window(h.ctx);
        window.Form_Load();
        if (way == 1) {
            s.DisplayHistoryWin = 1;
            window.ApplyDisplaySettings();
        } else if (way == 2) {
            window.mnuUtilItem_Click(6);
            s.DisplayFontName = "DejaVu Serif";
            s.DisplayFontSize = 9;
            window.ApplyHistoryFont();
            window.mnuUtilItem_Click(6);
        }
        const QPlainTextEdit& history = *window.history();
        QVERIFY(history.isVisibleTo(&window));
        QCOMPARE(history.font().family(), QString::fromStdString(s.DisplayFontName));
        QCOMPARE(history.font().pointSizeF(), qreal(s.DisplayFontSize));
        QCOMPARE(history.maximumHeight(),
                 QFontMetrics(history.font()).lineSpacing() * 6 + 2 * history.frameWidth() + 8);
    }

    void captionNamesTheProjectAndMarksChanges() {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Vornexa: Untitled"));
        f.state.project.CurrentFile = "/home/user/" + std::string(45, 'p') + ".VRN";
        f.state.project.IsSaved = false;
        f.window.RefreshCaption();
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Vornexa: /home/user...") +
                                             QString(33, 'p') + QStringLiteral(".VRN*"));
    }

    void openLoadsTheFileAndAddsItToTheRecentList() {
        Fixture f;
        const std::string path = f.Project("a.VRN");
        f.dialogs.files.push_back(path);
        f.window.mnuFileItem_Click(1);
        QCOMPARE(f.state.project.ProjTitle, std::string("Mains"));
        QCOMPARE(f.window.windowTitle(), QString::fromStdString("Vornexa: " + path));
        QVERIFY(f.window.recentItem(1)->isVisible());
        QVERIFY(f.window.recentItem(0)->isVisible());
        QCOMPARE(f.dialogs.fileRequests[0].startFolder, f.dir.path().string() + "/MyQELTA");
        QCOMPARE(f.dialogs.fileRequests[0].presetName, std::string("Untitled"));
        f.window.mnuFileItem_Click(1);  // starts where the last file was, with it chosen
        QCOMPARE(f.dialogs.fileRequests[1].startFolder, f.dir.path().string());
        QCOMPARE(f.dialogs.fileRequests[1].presetName, std::string("a.VRN"));
        const IniFile ini = IniFile::Load(f.state.iniPath);
        QCOMPARE(ini.Get("FileMenu", "LastFileLong1").value_or(""), path);
    }

    void cancelledOpenKeepsTheProject() {
        Fixture f;
        f.dialogs.files.push_back(f.Project("a.VRN"));
        f.window.mnuFileItem_Click(1);
        const QString caption = f.window.windowTitle();
        f.window.mnuFileItem_Click(1);
        QCOMPARE(f.state.project.ProjTitle, std::string("Mains"));
        QCOMPARE(f.window.windowTitle(), caption);
        QVERIFY(f.state.messages.log.text().find("Cancel was selected.") != std::string::npos);
        QVERIFY(f.presenter.shown.empty());
    }

    void openWithUnsavedChangesAsksAboutTheOldFile() {
        Fixture f;
        f.state.project.IsSaved = false;
        f.dialogs.files.push_back(f.Project("b.VRN"));
        f.presenter.answers = {msg::kNo};
        f.window.mnuFileItem_Click(1);
        QCOMPARE(f.Shown(), std::vector<std::string>{"Save changes to: Untitled?"});
        QCOMPARE(f.presenter.shown[0].style, msg::kYesNo | msg::kQuestion | msg::kDefaultButton2);
        QCOMPARE(f.state.project.ProjTitle, std::string("Mains"));
    }

    void openErrorsGiveTheirMessages() {
        Fixture f;
        f.dialogs.files.push_back(f.dir.file("missing.VRN"));
        f.presenter.answers = {msg::kRetry, msg::kCancel};
        f.window.mnuFileItem_Click(1);
        QCOMPARE(f.Shown(), (std::vector<std::string>{"Error occurred: File not found (53)",
                                                      "Error occurred: File not found (53)"}));
        QVERIFY(f.state.project.IsEmpty);
        f.presenter.shown.clear();
        f.dialogs.files.push_back(f.Project("bad.VRN", "hello\r\n"));
        const QString caption = f.window.windowTitle();
        f.window.mnuFileItem_Click(1);
        QCOMPARE(f.Shown(), std::vector<std::string>{"Invalid file format"});
        QCOMPARE(f.window.windowTitle(), caption);
    }

    void saveOnANewProjectAsksWhere() {
        Fixture f;
        f.state.project.IsSaved = false;
        f.dialogs.files.push_back(f.dir.file("new.VRN"));
        f.window.mnuFileItem_Click(2);
        QCOMPARE(f.dialogs.fileRequests.size(), size_t{1});
        QVERIFY(f.dialogs.fileRequests[0].mode == FileDialogRequest::Mode::SaveAs);
        QCOMPARE(f.dialogs.fileRequests[0].extension, std::string("VRN"));
        QVERIFY(std::filesystem::exists(f.dir.file("new.VRN")));
        QCOMPARE(f.window.windowTitle(),
                 QString::fromStdString("Vornexa: " + f.dir.file("new.VRN")));
        f.window.mnuFileItem_Click(2);
        QCOMPARE(f.dialogs.fileRequests.size(), size_t{1});  // a named project saves directly
    }

    void saveOfAConvertedProjectAsksWhere() {
        Fixture f;
        f.state.project.CurrentFile = f.dir.file("mine.VRN");
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<FileConversionDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->Command2_Click();
        });
        f.window.mnuUtilItem_Click(3);
        QCOMPARE(f.state.project.CurrentFile, std::string("Metric_mine.VRN"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Vornexa: Metric_mine.VRN*"));
        f.dialogs.files.push_back(f.dir.file("Metric_mine.VRN"));
        f.window.mnuFileItem_Click(2);
        QCOMPARE(f.dialogs.fileRequests.size(), size_t{1});
        QCOMPARE(f.dialogs.fileRequests[0].presetName, std::string("Metric_mine.VRN"));
        QVERIFY(std::filesystem::exists(f.dir.file("Metric_mine.VRN")));
        QVERIFY(f.state.project.IsSaved);
    }

    void stressDialogDisablesTheMainWindowUntilItCloses() {
        Fixture f;
        f.window.show();
        QVERIFY(f.window.editItem(2)->isEnabled());
        f.window.mnuEditItem_Click(2);
        auto* dialog = f.window.findChild<StressDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible() && dialog->isEnabled());
        QVERIFY(!f.window.isEnabled());
        test::Child<QLineEdit>(*dialog, "txtDepthCover").setText(QStringLiteral("1200"));
        test::Click(*dialog, "cmdOK");
        QVERIFY(f.window.isEnabled());
        QCOMPARE(f.state.project.DepthCover, 1200.0f);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Vornexa: Untitled*"));
    }

    void startupShowsTheDisclaimerThenTheUpdateReminder() {
        test::TempFolder dir;
        test::RecordingPresenter presenter;
        AppState state{presenter};
        PlatformInfo platform;
        platform.programFolder = dir.file("prog");
        platform.documents = dir.path().string();
        InitialiseState(state, platform);
        state.settings.ShowDisclaim = 1;
        state.settings.RemindAnnualUpdates = 1;
        test::ScriptedDialogs dialogs;
        PrinterSource printer;
        test::RecordingDesktop desktop;
        UiContext context{state, dialogs, printer, desktop};
        MainWindow window{context};
        QStringList shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&shown, &window] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown << modal->objectName();
                QVERIFY(!window.isVisible());
                static_cast<QDialog*>(modal)->accept();
            }
        });
        poll.start(10);
        window.Form_Load();
        // The reminder comes only once the release is a year old.
        const QDate today = QDate::currentDate();
        QStringList expected{"frmDisclaimer"};
        if (UpdateReminderDue(1, ReleaseAgeDays(today.year(), today.month(), today.day()))) {
            expected << "frmUpdate";
        }
        QCOMPARE(shown, expected);
    }

    void helpMenuOpensTheAboutBox() {
        Fixture f;
        QVERIFY(f.window.helpItem(10)->isEnabled());
        f.window.mnuHelpItem_Click(10);
        QCOMPARE(f.presenter.shown.size(), size_t{1});
        const auto& about = f.presenter.shown[0];
        QCOMPARE(about.title, std::string("About the VORNEXA Program"));
        QCOMPARE(about.style, msg::kInformation);
        QVERIFY(about.text.rfind("VORNEXA\r\n\r\nVersion: 1.0.00\r\n\r\nRevision Date: " +
                                     ReleaseDateText() + "\r\n",
                                 0) == 0);
        QVERIFY(about.text.find("Development of windows version:") != std::string::npos);
    }

    void saveIntoAMissingFolderEndsTheCommand() {
        Fixture f;
        f.dialogs.files.push_back(f.dir.file("no/such.VRN"));
        f.window.mnuFileItem_Click(3);
        QCOMPARE(f.Shown(), std::vector<std::string>{
                                "Error occurred: Path not found (76). Procedure Terminated"});
    }

    // Replacing an unsaved project (New, Open) goes on only after No or a good save; a
    // failed open leaves the project that was open, with its name and output.
    void replacingTheProjectKeepsUnsavedWork() {
        const int no = msg::kNo, yes = msg::kYes, cancel = msg::kCancel;
        const struct {
            int command;
            std::vector<int> answers;
            std::vector<std::string> files;  // dialog answers; "" cancels
            std::string title, current;      // current "" : still untitled
        } rows[] = {
            {0, {no}, {}, "", ""},
            {0, {yes}, {""}, "edited", ""},
            {0, {yes}, {"no/such.VRN"}, "edited", ""},
            {1, {yes}, {"b.VRN", "no/such.VRN"}, "edited", ""},
            {1, {yes}, {"b.VRN", "saved.VRN"}, "Mains", "b.VRN"},
            {1, {no}, {"bad.VRN"}, "edited", ""},
            {1, {no, cancel}, {"cut.VRN"}, "edited", ""},
            {1, {no, cancel}, {"missing.VRN"}, "edited", ""},
            {1, {yes}, {"bad.VRN", "saved.VRN"}, "edited", "saved.VRN"},
        };
        for (const auto& row : rows) {
            Fixture f;
            f.Project("b.VRN");
            f.Project("bad.VRN", "hello\r\n");
            f.Project("cut.VRN", std::string(kProject).substr(0, std::strlen(kProject) - 5));
            for (const std::string& file : row.files) {
                f.dialogs.files.push_back(file.empty() ? std::nullopt
                                                       : std::optional(f.dir.file(file)));
            }
            f.presenter.answers = row.answers;
            f.state.project.ProjTitle = "edited";
            f.state.project.IsSaved = false;
            f.state.outBuf[1] = "results";
            f.window.RefreshCaption();
            f.window.mnuFileItem_Click(row.command);
            const ProjectRecord& p = f.state.project;
            const std::string file = row.current.empty() ? "Untitled" : f.dir.file(row.current);
            const bool kept = row.title == "edited";
            QCOMPARE(f.presenter.shown.at(0).text, std::string("Save changes to: Untitled?"));
            QCOMPARE(p.ProjTitle + " " + p.CurrentFile, row.title + " " + file);
            QCOMPARE(f.window.windowTitle().toStdString(),
                     "Vornexa: " + file + (kept && row.current.empty() ? "*" : ""));
            QCOMPARE(f.state.outBuf[1], std::string(kept ? "results" : ""));
        }
    }

    void closingAsksAndCanBeCancelled() {
        Fixture f;
        f.window.show();
        f.state.project.IsSaved = false;
        f.presenter.answers = {msg::kCancel};
        QVERIFY(!f.window.close());
        f.presenter.answers = {msg::kYes};  // then the save-as dialog is cancelled
        QVERIFY(!f.window.close());
        QCOMPARE(f.presenter.shown.back().text, std::string("Save changes to: Untitled?"));
        f.presenter.answers = {msg::kNo};
        QVERIFY(f.window.close());
        QVERIFY(std::filesystem::exists(f.state.iniPath));  // [FileMenu] is written on exit
    }

    void historyWindowCommands() {
        Fixture f;
        f.window.show();
        f.state.messages.LogMessage("hello");
        QVERIFY(f.window.history()->toPlainText().contains(QStringLiteral(". hello")));
        f.window.mnuUtilItem_Click(7);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(f.state.messages.log.text()));
        f.window.mnuUtilItem_Click(6);
        QCOMPARE(f.window.utilItem(6)->text(), QStringLiteral("Restore History &Window"));
        QVERIFY(!f.window.utilItem(7)->isEnabled());
        f.window.mnuUtilItem_Click(6);
        QCOMPARE(f.window.utilItem(6)->text(), QStringLiteral("Close History &Window"));
        QVERIFY(f.window.utilItem(7)->isEnabled());
        f.window.mnuUtilItem_Click(5);
        QCOMPARE(f.window.history()->toPlainText(), QString());
    }

    void historyOffHidesItsCommands() {
        Fixture f;
        f.state.settings.DisplayHistoryWin = 0;
        f.window.Form_Load();
        f.window.show();
        QVERIFY(!f.window.history()->isVisible());
        for (int i = 5; i <= 7; ++i) {
            QVERIFY(!f.window.utilItem(i)->isEnabled());
        }
    }

    void recentEntryOpensItsFile() {
        Fixture f;
        const std::string a = f.Project("a.VRN");
        f.dialogs.files = {a, f.Project("b.VRN")};
        f.window.mnuFileItem_Click(1);
        f.window.mnuFileItem_Click(1);
        QCOMPARE(f.state.settings.recent[2].LastFileLong, a);
        f.window.mnuFileArray_Click(2);
        QCOMPARE(f.state.project.CurrentFile, a);
        QCOMPARE(f.state.settings.recent[1].LastFileLong, a);
    }

    void printingAsksAboutAnEmptyProjectAndHonoursCancel() {
        Fixture f;
        f.dialogs.pdfPath = f.dir.file("out.pdf");
        f.presenter.answers = {msg::kNo};
        f.window.mnuFileItem_Click(6);
        QCOMPARE(f.Shown(), std::vector<std::string>{"Current file is empty. Continue?"});
        QCOMPARE(f.dialogs.printerDialogs, 0);
        f.presenter.answers = {msg::kYes};
        f.dialogs.printerAnswers = {false};
        f.window.mnuFileItem_Click(6);
        QVERIFY(!std::filesystem::exists(f.dialogs.pdfPath));
        f.presenter.answers = {msg::kYes};
        f.window.mnuFileItem_Click(6);
        QVERIFY(std::filesystem::file_size(f.dialogs.pdfPath) > 0);
    }

    // Letter until the user sets up the printer's page; a cancelled dialog writes
    // nothing, a failed write says why.
    void designReportFromTheFileMenu() {
        Fixture f;
        const QList<QAction*> items =
            qobject_cast<QWidget*>(f.window.fileItem(7)->parent())->actions();
        QCOMPARE(items.value(items.indexOf(f.window.fileItem(7)) + 1), f.window.reportItem());
        QCOMPARE(f.window.reportItem()->text(), QStringLiteral("Export Design &Report (PDF)..."));
        const QString exe = qEnvironmentVariable("VORNEXA_EXE");
        f.state.folders.program = QFileInfo(exe).absolutePath().toStdString() + "/";
        f.printer.get().setPageSize(QPageSize(QPageSize::A4));
        const std::string pdf = f.dir.file("a.pdf");
        f.dialogs.files = {f.Project("a.VRN"), pdf, std::nullopt, f.dir.file("no/a.pdf"), pdf};
        f.window.mnuFileItem_Click(1);
        f.window.reportItem()->trigger();
        QCOMPARE(f.dialogs.fileRequests.back().presetName, std::string("a.pdf"));
        QCOMPARE(f.dialogs.fileRequests.back().extension, std::string("pdf"));
        QVERIFY(PdfInfo(pdf).contains(QStringLiteral("(letter)")));
        QVERIFY(f.state.messages.log.text().find("Design report written: " + pdf) !=
                std::string::npos);
        std::filesystem::remove(pdf);
        f.window.reportItem()->trigger();
        QVERIFY(!std::filesystem::exists(pdf));
        f.window.reportItem()->trigger();
        QVERIFY(f.Shown().back().rfind(
                    "Cannot write the design report to " + f.dir.file("no/a.pdf"), 0) == 0);
        f.window.mnuFileItem_Click(5);
        f.window.reportItem()->trigger();
        QVERIFY(PdfInfo(pdf).contains(QStringLiteral("(A4)")));
    }

    void fileDialogsOfferProjectFilesInEitherCase() {
        FileDialogRequest request;
        request.extension = "VRN";
        request.exeName = "VORNEXA";
        QCOMPARE(ProjectFileFilter(request),
                 QStringLiteral("All Files (*.*);;VORNEXA Files (*.VRN *.vrn)"));
        QCOMPARE(WithDefaultExtension("/data/plan", "VRN"), std::string("/data/plan.VRN"));
        QCOMPARE(WithDefaultExtension("/data/plan.vrn", "VRN"), std::string("/data/plan.vrn"));
        QCOMPARE(WithDefaultExtension("/data.d/plan", "VRN"), std::string("/data.d/plan.VRN"));
    }

    void commandLineProjectLosesItsQuotes() {
        QCOMPARE(CommandLineProject({"\"/data/my", "mine.VRN\""}),
                 std::string("/data/my mine.VRN"));
        QCOMPARE(CommandLineProject({}), std::string());
    }

    void startupOpensTheCommandLineProject() {
        Fixture f;
        const std::string path = f.Project("with blanks.VRN");
        OpenStartupProjects(f.window, CommandLineProject({"\"" + path + "\""}));
        QCOMPARE(f.state.project.CurrentFile, path);
        QCOMPARE(f.state.project.ProjTitle, std::string("Mains"));
        QVERIFY(f.window.isVisible());
    }

    // The desktop may ask the window to close while an input dialog disables it.
    void closeWaitsForAnOpenInputDialog() {
        for (const auto& [item, name, ok] :
             {std::tuple{1, "frmVORNParm", "Command2"}, std::tuple{2, "frmStressParm", "cmdOK"}}) {
            Fixture f;
            f.state.options.OpenViewWithLoad = 0;
            f.window.show();
            f.window.mnuEditItem_Click(item);
            auto* dialog = f.window.findChild<QDialog*>(QString::fromLatin1(name));
            QVERIFY(!f.window.close());
            QVERIFY(dialog->isVisible() && f.presenter.shown.empty());
            test::Click(*dialog, ok);
            f.presenter.answers = {msg::kNo};
            QVERIFY(f.window.close());
            QCOMPARE(f.Shown(), std::vector<std::string>{"Save changes to: Untitled?"});
        }
    }

    // Last file and command line at start-up: the dialog left open shows the second project.
    void parametersDialogFollowsTheOpenedProject() {
        Fixture f;
        f.state.options.ShowInputScreenOnLoad = 1;
        f.state.options.OpenViewWithLoad = 0;
        f.state.settings.LoadLastInputFile = 1;
        f.state.settings.MaxLastFiles = 1;
        f.state.settings.recent[1].LastFileLong = f.Project("first.VRN");
        std::string second = kProject;
        second.replace(second.find("\r\n30\r\n"), 6, "\r\n45\r\n");
        OpenStartupProjects(f.window, f.Project("second.VRN", second));
        test::Click(*f.window.parametersDialog(), "Command2");
        QCOMPARE(f.state.project.ProjParms.AzimEntries, 45.0f);
    }

    // F1 opens the contents rather than the main window's page; no menu repeats a mnemonic.
    void mainWindowKeys() {
        Fixture f;
        const std::filesystem::path book = f.dir.path() / "prog" / "help";
        std::filesystem::create_directories(book.parent_path());
        std::filesystem::copy(QFINDTESTDATA("fixtures/help").toStdString(), book);
        test::WriteAll((book / "context.tsv").string(), "1000\tfrmMain\tunits.html\n");
        f.window.Help().InstallF1(*qApp);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTest::keyClick(f.window.history(), Qt::Key_F1);
        QCOMPARE(f.window.Help().window()->currentPage().fileName(), QStringLiteral("index.html"));
        QCOMPARE(f.window.helpItem(0)->shortcut(), QKeySequence(Qt::Key_F1));
        std::vector<QList<QAction*>> menus{f.window.menuBar()->actions()};
        for (QAction* menu : menus[0]) {
            menus.push_back(menu->menu()->actions());
        }
        for (const QList<QAction*>& menu : menus) {
            QStringList keys;
            for (const QAction* action : menu) {
                const QString key = QKeySequence::mnemonic(action->text()).toString();
                QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(action->text()));
                keys << key;
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
