#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/options.h"
#include "support/window_harness.h"
#include "ui/services/desktop_services.h"
#include "ui/utilities/text_browser.h"
#include "util/ini_file.h"
#include "util/settings.h"

using namespace vornexa;
namespace fs = std::filesystem;

using test::RecordingDesktop;

namespace {

const std::string kPlanText = "VORN_201\r\nTitle 30\xB0 seam\r\n";

// A data folder with project files in both cases, other files and a sub-folder.
struct Fixture {
    Fixture() {
        fs::create_directories(data / "sub");
        fs::create_directories(temp);
        test::WriteAll((data / "plan.VRN").string(), kPlanText);
        test::WriteAll((data / "other.vrn").string(), "other\r\n");
        test::WriteAll((data / "notes.txt").string(), "notes\n");
        test::WriteAll((data / "README").string(), "readme\n");
        test::WriteAll((data / "sub" / "inner.VRN").string(), "inner\r\n");
        AppState& s = h.state;
        s.messages.SetMessageTitles(0);
        s.folders.data = data.string() + "/";
        s.folders.temp = temp.string() + "/";
        s.iniPath = dir.file("VORN.INI");
        s.settings = StartSettings(s.folders.data, InstalledFont().toStdString());
        s.settings.ExternalEditor = "viewer --new-window";
    }
    static QString InstalledFont() {
        const QStringList families = QFontDatabase::families();
        const auto fixed = std::find_if(families.begin(), families.end(), [](const QString& f) {
            return QFontDatabase::isFixedPitch(f);
        });
        return fixed != families.end() ? *fixed : families.value(0);
    }
    TextBrowser& Open() {
        browser = std::make_unique<TextBrowser>(h.ctx, desktop, memory);
        browser->show();
        return *browser;
    }
    template <class W>
    W& Get(const char* name) {
        return test::Child<W>(*browser, name);
    }
    QStringList Items(const char* list) {
        QStringList texts;
        auto& widget = Get<QListWidget>(list);
        for (int i = 0; i < widget.count(); ++i) {
            texts.append(widget.item(i)->text().trimmed());
        }
        return texts;
    }
    void TypePattern(const QString& pattern) {
        auto& box = Get<QLineEdit>("Text2");
        box.clear();
        QTest::keyClicks(&box, pattern);
    }
    QListWidgetItem* FileItem(const QString& name) {
        const auto found = Get<QListWidget>("File1").findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    void ChooseFile(const QString& name, bool byEnter) {
        auto& list = Get<QListWidget>("File1");
        QListWidgetItem* item = FileItem(name);
        QVERIFY(item != nullptr);
        if (byEnter) {
            list.setFocus();
            list.setCurrentItem(item);
            QTest::keyClick(&list, Qt::Key_Return);
        } else {
            const QRect box = list.visualItemRect(item);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
        }
    }
    std::string Copy() const { return (temp / "~tmpbr.tmp").string(); }
    std::string Ini(const char* key) const {
        return IniFile::Load(h.state.iniPath).Get("TextBrowse", key).value_or("<missing>");
    }

    test::TempFolder dir;
    fs::path data = dir.path() / "MyQELTA";
    fs::path temp = data / "Temp";
    test::WindowHarness h;
    RecordingDesktop desktop;
    TextBrowserMemory memory;
    std::unique_ptr<TextBrowser> browser;
};

// The working folder for the lifetime of the object.
class WorkingFolder {
  public:
    explicit WorkingFolder(const fs::path& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(path.string()));
    }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    QString previous_;
};

QString Clean(const fs::path& path) {
    return QDir::cleanPath(QString::fromStdString(path.string()));
}

}  // namespace

class TextBrowserTest : public QObject {
    Q_OBJECT

  private slots:
    void firstOpeningOffersProjectFilesOfTheDataFolder() {
        Fixture f;
        TextBrowser& b = f.Open();
        QCOMPARE(b.windowTitle(), QStringLiteral("View Source Files"));
        QCOMPARE(f.Get<QLineEdit>("Text2").text(), QStringLiteral("*.VRN"));
        QCOMPARE(f.h.state.settings.BrowseDefaultFilter, std::string("*.VRN"));
        QCOMPARE(b.folder(), Clean(f.data));
        QCOMPARE(f.Items("File1"), QStringList({"other.vrn", "plan.VRN"}));
        auto& dirs = f.Get<QListWidget>("Dir1");
        QCOMPARE(dirs.item(0)->data(Qt::UserRole).toString(), QStringLiteral("/"));
        QCOMPARE(dirs.currentItem()->data(Qt::UserRole).toString(), Clean(f.data));
        QCOMPARE(f.Items("Dir1").mid(dirs.currentRow() + 1), QStringList({"sub", "Temp"}));
        QCOMPARE(dirs.item(dirs.currentRow() + 1)->data(Qt::UserRole).toString(),
                 Clean(f.data / "sub"));
        auto& drives = f.Get<QComboBox>("Drive1");
        QCOMPARE(drives.itemData(0).toString(), QStringLiteral("/"));
        QVERIFY(b.folder().startsWith(drives.currentData().toString()));
        QCOMPARE(b.focusWidget(), &f.Get<QWidget>("Command1"));
        QVERIFY(f.Get<QPlainTextEdit>("RichTextBox1").isReadOnly());
        QVERIFY(f.h.presenter.shown.empty());
    }

    void labelsCarryMnemonicsForTheirControls_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("buddy");
        QTest::newRow("drive") << "Label4"
                               << "Drive1";
        QTest::newRow("folder") << "Label5"
                                << "Dir1";
        QTest::newRow("file") << "Label6"
                              << "File1";
        QTest::newRow("pattern") << "Label3"
                                 << "Text2";
        QTest::newRow("viewer") << "Label7"
                                << "RichTextBox1";
    }
    void labelsCarryMnemonicsForTheirControls() {
        QFETCH(QString, label);
        QFETCH(QString, buddy);
        Fixture f;
        f.Open();
        auto& caption = f.Get<QLabel>(label.toLatin1().constData());
        QVERIFY(caption.text().contains(QLatin1Char('&')));
        QCOMPARE(caption.buddy(), &f.Get<QWidget>(buddy.toLatin1().constData()));
    }

    void patternSelectsTheFiles_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("files");
        const QStringList all = {"notes.txt", "other.vrn", "plan.VRN", "README"};
        QTest::newRow("one extension") << "*.txt" << QStringList{"notes.txt"};
        QTest::newRow("case of the extension ignored")
            << "*.vrn" << QStringList{"other.vrn", "plan.VRN"};
        QTest::newRow("every file") << "*.*" << all;
        QTest::newRow("several patterns")
            << "*.VRN; *.txt" << QStringList{"notes.txt", "other.vrn", "plan.VRN"};
        QTest::newRow("name start") << "p*" << QStringList{"plan.VRN"};
        QTest::newRow("no match") << "*.dat" << QStringList{};
        QTest::newRow("folder in pattern rejected") << "sub/*.VRN" << all;
        QTest::newRow("blank rejected") << "   " << all;
    }
    void patternSelectsTheFiles() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, files);
        Fixture f;
        f.Open();
        f.TypePattern(pattern);
        QCOMPARE(f.Items("File1"), files);
        QVERIFY(f.h.presenter.shown.empty());
    }

    void typedPatternIsStoredAndOfferedAgain_data() {
        QTest::addColumn<int>("closing");
        QTest::newRow("OK") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void typedPatternIsStoredAndOfferedAgain() {
        QFETCH(int, closing);
        Fixture f;
        TextBrowser& b = f.Open();
        f.TypePattern(QStringLiteral("*.txt"));
        if (closing == 0) {
            test::Click(b, "Command1");
        } else if (closing == 1) {
            QTest::keyClick(&b, Qt::Key_Escape);
        } else {
            b.close();
        }
        QVERIFY(!b.isVisible());
        QCOMPARE(f.Ini("BrowseDefaultFilter"), std::string("*.txt"));
        QCOMPARE(f.Ini("BrowseUseNotepad"), std::string("0"));
        QCOMPARE(f.Ini("BrowseFontName"), f.h.state.settings.BrowseFontName);

        f.Open();
        QCOMPARE(f.Get<QLineEdit>("Text2").text(), QStringLiteral("*.txt"));

        // A new run reads the settings file afresh.
        test::WindowHarness next;
        next.state.iniPath = f.h.state.iniPath;
        ReadSettingsSection(IniFile::Load(next.state.iniPath), 4, next.state.settings,
                            f.h.state.folders.data, Fixture::InstalledFont().toStdString());
        next.state.settings.DataPath = f.h.state.folders.data;
        TextBrowserMemory fresh;
        TextBrowser again(next.ctx, f.desktop, fresh);
        QCOMPARE(test::Child<QLineEdit>(again, "Text2").text(), QStringLiteral("*.txt"));
        QCOMPARE(again.folder(), Clean(f.data));
    }

    void folderIsRememberedWithinARun() {
        Fixture f;
        TextBrowser& b = f.Open();
        auto& dirs = f.Get<QListWidget>("Dir1");
        dirs.setFocus();
        dirs.setCurrentRow(dirs.currentRow() + 1);
        QTest::keyClick(&dirs, Qt::Key_Return);
        QVERIFY(b.isVisible());
        QCOMPARE(b.folder(), Clean(f.data / "sub"));
        QCOMPARE(f.Items("File1"), QStringList{"inner.VRN"});
        QCOMPARE(dirs.currentItem()->text().trimmed(), QStringLiteral("sub"));
        test::Click(b, "Command1");
        QCOMPARE(f.memory.lastFolder, (f.data / "sub").string());

        TextBrowser& second = f.Open();
        QCOMPARE(second.folder(), Clean(f.data / "sub"));
        // Back up through the ancestor entry.
        auto& list = f.Get<QListWidget>("Dir1");
        QListWidgetItem* up = list.item(list.currentRow() - 1);
        emit list.itemDoubleClicked(up);
        QCOMPARE(second.folder(), Clean(f.data));

        TextBrowserMemory newRun;
        TextBrowser third(f.h.ctx, f.desktop, newRun);
        QCOMPARE(third.folder(), Clean(f.data));
    }

    void driveShowsItsRoot() {
        Fixture f;
        TextBrowser& b = f.Open();
        auto& drives = f.Get<QComboBox>("Drive1");
        drives.setCurrentIndex(0);
        emit drives.activated(0);
        QCOMPARE(b.folder(), QStringLiteral("/"));
        QCOMPARE(f.Get<QListWidget>("Dir1").currentRow(), 0);
    }

    void missingRememberedFolderIsReportedAndTheDataFolderShown() {
        Fixture f;
        f.memory.lastFolder = (f.dir.path() / "gone").string();
        TextBrowser& b = f.Open();
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 std::string("Error occurred: Path not found (76). Procedure Terminated"));
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Error"));
        QCOMPARE(b.folder(), Clean(f.data));
        QCOMPARE(f.Items("File1"), QStringList({"other.vrn", "plan.VRN"}));
    }

    void builtInViewerShowsTheFileText_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click") << false;
        QTest::newRow("Enter") << true;
    }
    void builtInViewerShowsTheFileText() {
        QFETCH(bool, byEnter);
        Fixture f;
        TextBrowser& b = f.Open();
        f.ChooseFile(QStringLiteral("plan.VRN"), byEnter);
        QVERIFY(b.isVisible());
        QCOMPARE(f.Get<QPlainTextEdit>("RichTextBox1").toPlainText(),
                 QStringLiteral("VORN_201\nTitle 30\u00B0 seam\n"));
        QCOMPARE(f.Get<QLabel>("Label1").text(), Clean(f.data / "plan.VRN"));
        QVERIFY(f.desktop.starts.empty());
        QVERIFY(f.h.presenter.shown.empty());
    }

    void unreadableFileShowsTheErrorAndTheWindowStays_data() {
        QTest::addColumn<bool>("becomesFolder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        QTest::newRow("removed after listing")
            << false << "Error occurred: File not found (53)" << msg::kRetryCancel;
        QTest::newRow("now a folder") << true
                                      << "Error occurred: Path/File access error (75). Procedure "
                                         "Terminated"
                                      << msg::kOkOnly;
    }
    void unreadableFileShowsTheErrorAndTheWindowStays() {
        QFETCH(bool, becomesFolder);
        QFETCH(QString, message);
        QFETCH(int, style);
        Fixture f;
        TextBrowser& b = f.Open();
        f.ChooseFile(QStringLiteral("other.vrn"), false);
        fs::remove(f.data / "plan.VRN");
        if (becomesFolder) {
            fs::create_directory(f.data / "plan.VRN");
        }
        f.h.presenter.answers = {msg::kCancel};
        f.ChooseFile(QStringLiteral("plan.VRN"), false);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(QString::fromStdString(f.h.presenter.shown[0].text), message);
        QCOMPARE(f.h.presenter.shown[0].style, style);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Error"));
        QVERIFY(b.isVisible());
        QVERIFY(f.Get<QPlainTextEdit>("RichTextBox1").toPlainText().isEmpty());
        QCOMPARE(f.Get<QLabel>("Label1").text(), Clean(f.data / "plan.VRN"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void externalViewerChoiceLocksTheFontButton_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("built-in viewer") << 0;
        QTest::newRow("external viewer") << 1;
    }
    void externalViewerChoiceLocksTheFontButton() {
        QFETCH(int, stored);
        Fixture f;
        f.h.state.settings.BrowseUseNotepad = static_cast<int16_t>(stored);
        TextBrowser& b = f.Open();
        auto& check = f.Get<QCheckBox>("Check1");
        auto& setFont = f.Get<QWidget>("cmdSetFont");
        QCOMPARE(check.isChecked(), stored == 1);
        QCOMPARE(setFont.isEnabled(), stored == 0);
        QTest::mouseClick(&check, Qt::LeftButton);
        QCOMPARE(setFont.isEnabled(), stored == 1);
        test::Click(b, "Command1");
        QCOMPARE(f.h.state.settings.BrowseUseNotepad, int16_t(stored == 1 ? 0 : 1));
        QCOMPARE(f.Ini("BrowseUseNotepad"), std::to_string(stored == 1 ? 0 : 1));
    }

    void externalViewerStartsOnACopy_data() {
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<bool>("startResult");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("failed");
        QTest::newRow("program with option")
            << "viewer --new-window" << true << "viewer" << QStringList{"--new-window"} << false;
        QTest::newRow("quoted program with blanks")
            << "\"/opt/my viewer/view\" -r" << true << "/opt/my viewer/view" << QStringList{"-r"}
            << false;
        QTest::newRow("start fails") << "xdg-open" << false << "xdg-open" << QStringList{} << true;
        QTest::newRow("no viewer") << "" << true << "" << QStringList{} << true;
        QTest::newRow("open quote") << "\"/opt/view -r" << true << "" << QStringList{} << true;
        QTest::newRow("empty program") << "\"\" -r" << true << "" << QStringList{} << true;
    }
    void externalViewerStartsOnACopy() {
        QFETCH(QString, viewer);
        QFETCH(bool, startResult);
        QFETCH(QString, program);
        QFETCH(QStringList, options);
        QFETCH(bool, failed);
        Fixture f;
        f.h.state.settings.BrowseUseNotepad = 1;
        f.h.state.settings.ExternalEditor = viewer.toStdString();
        f.desktop.startResult = startResult;
        f.Open();
        f.ChooseFile(QStringLiteral("plan.VRN"), false);
        if (program.isEmpty()) {
            QVERIFY(f.desktop.starts.empty());
        } else {
            QCOMPARE(f.desktop.starts.size(), size_t{1});
            QCOMPARE(QString::fromStdString(f.desktop.starts[0].program), program);
            std::vector<std::string> arguments;
            for (const QString& option : options) {
                arguments.push_back(option.toStdString());
            }
            arguments.push_back(f.Copy());
            QCOMPARE(f.desktop.starts[0].arguments, arguments);
        }
        QCOMPARE(test::ReadAll(f.Copy()), kPlanText);
        QVERIFY(f.Get<QPlainTextEdit>("RichTextBox1").toPlainText().isEmpty());
        QCOMPARE(f.Get<QLabel>("Label1").text(), Clean(f.data / "plan.VRN"));
        if (failed) {
            QCOMPARE(f.h.presenter.shown.size(), size_t{1});
            QCOMPARE(
                f.h.presenter.shown[0].text,
                "Shell operation failed. Check status of External Viewer: " + viewer.toStdString());
            QCOMPARE(f.h.presenter.shown[0].style, msg::kOkOnly);
            QCOMPARE(f.h.presenter.shown[0].title, std::string("Error"));
        } else {
            QVERIFY(f.h.presenter.shown.empty());
        }
    }

    void externalViewerIsNotStartedWithoutACopy() {
        Fixture f;
        f.h.state.settings.BrowseUseNotepad = 1;
        f.Open();
        fs::remove(f.data / "plan.VRN");
        f.ChooseFile(QStringLiteral("plan.VRN"), false);
        QVERIFY(f.desktop.starts.empty());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 "Requested File not found: " + (f.data / "plan.VRN").string());
    }

    // Every character a shell would act on, in the folder and in the file name.
    void externalViewerRunsThroughNoShell() {
        Fixture f;
        const fs::path odd = f.dir.path() / "odd \"dir\" 'x' ; $(touch pwned) `touch pwned`";
        fs::create_directories(odd);
        const fs::path file = odd / "it's \"a\"; $(touch pwned) & echo.VRN";
        test::WriteAll(file.string(), kPlanText);
        const fs::path script = f.dir.path() / "my viewer" / "view";
        fs::create_directories(script.parent_path());
        const std::string out = f.dir.file("args.txt");
        test::WriteAll(script.string(), "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + out +
                                            ".part'\nmv '" + out + ".part' '" + out + "'\n");
        fs::permissions(script, fs::perms::owner_all);

        AppState& s = f.h.state;
        s.folders.temp = odd.string() + "/";
        s.settings.DataPath = odd.string() + "/";
        s.settings.BrowseUseNotepad = 1;
        s.settings.ExternalEditor = "\"" + script.string() + "\"";
        // A shell started by mistake would create its file here.
        const WorkingFolder shellFolder(odd);
        QtDesktopService desktop(f.h.state.messages);
        TextBrowser b(f.h.ctx, desktop, f.memory);
        b.show();
        QListWidgetItem* item = test::Child<QListWidget>(b, "File1").item(0);
        QVERIFY(item != nullptr);
        emit test::Child<QListWidget>(b, "File1").itemClicked(item);
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(out), 5000);

        const std::string copy = odd.string() + "/~tmpbr.tmp";
        QCOMPARE(test::ReadAll(out), copy + "\n");
        QCOMPARE(test::ReadAll(copy), kPlanText);
        QVERIFY(f.h.presenter.shown.empty());
        for (const auto& entry : fs::recursive_directory_iterator(f.dir.path())) {
            QVERIFY2(entry.path().filename() != "pwned", entry.path().c_str());
        }
    }

    void invalidFontIsReported() {
        Fixture f;
        f.h.state.settings.BrowseFontName = "No Such Font Family";
        f.Open();
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, std::string("Invalid font selection"));
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Error"));
        QCOMPARE(f.h.state.settings.BrowseFontName, std::string("No Such Font Family"));
    }

    void setFontAppliesAndStoresTheChoice_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("chosen") << false;
        QTest::newRow("cancelled") << true;
    }
    void setFontAppliesAndStoresTheChoice() {
        QFETCH(bool, cancel);
        Fixture f;
        SettingsRecord& s = f.h.state.settings;
        s.BrowseFontSize = 11;
        TextBrowser& b = f.Open();
        const std::string family = Fixture::InstalledFont().toStdString();
        if (cancel) {
            f.h.dialogs.fonts.push_back(std::nullopt);
        } else {
            f.h.dialogs.fonts.push_back(FontChoice{family, 14, true, true});
        }
        test::Click(b, "cmdSetFont");
        QCOMPARE(f.h.dialogs.fontPresets.size(), size_t{1});
        QCOMPARE(f.h.dialogs.fontPresets[0].name, family);
        QCOMPARE(f.h.dialogs.fontPresets[0].size, 11.0f);
        QVERIFY(!f.h.dialogs.fontPresets[0].bold);
        const QFont font = f.Get<QPlainTextEdit>("RichTextBox1").font();
        QCOMPARE(font.pointSizeF(), cancel ? 11.0 : 14.0);
        QCOMPARE(font.bold(), !cancel);
        QCOMPARE(font.italic(), !cancel);
        QCOMPARE(s.BrowseFontBold, int16_t(cancel ? 0 : -1));
        test::Click(b, "Command1");
        QCOMPARE(f.Ini("BrowseFontSize"), std::string(cancel ? "11" : "14"));
        QCOMPARE(f.Ini("BrowseFontItalic"), std::string(cancel ? "0" : "-1"));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void windowFitsTheScreen() {
        Fixture f;
        TextBrowser& b = f.Open();
        const QRect area = b.screen()->availableGeometry();
        QVERIFY(area.contains(b.frameGeometry()));
        QVERIFY(b.isSizeGripEnabled());
    }
};

QTEST_MAIN(TextBrowserTest)
#include "text_browser_test.moc"
