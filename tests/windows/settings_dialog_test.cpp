#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "support/window_harness.h"
#include "ui/app_startup.h"
#include "ui/project/main_window.h"
#include "ui/services/qt_services.h"
#include "ui/utilities/settings_dialog.h"
#include "util/command_line.h"
#include "util/ini_file.h"
#include "util/settings.h"

using namespace vornexa;

namespace {

const char* const kRangeMessage =
    "Size of Command History Window: Value '3000' is outside input range\r\n"
    "Valid range is: 4096-16384";

// Fields typed before OK, and what OK must show or store.
struct OkCase {
    const char* name;
    const char* path;
    const char* size;
    const char* extension;
    const char* message;  // empty: accepted
    const char* title = "";
    const char* focus = "";  // the field that gets the focus, if any
    const char* storedPath = "";
    const char* storedExtension = "";
};

// A dialog over settings whose data folder and settings file are temporary.
struct Fixture {
    Fixture() { test::UseTemporaryFolders(h, dir); }
    SettingsDialog& Open() {
        dialog = std::make_unique<SettingsDialog>(
            h.ctx, [this] { ++fontApplied; }, [this] { ++displayApplied; });
        dialog->show();
        return *dialog;
    }
    QLineEdit& Text(const char* name) { return test::Child<QLineEdit>(*dialog, name); }
    QCheckBox& Box(const char* name) { return test::Child<QCheckBox>(*dialog, name); }
    void Type(const char* name, const QString& keys) {
        QLineEdit& box = Text(name);
        box.setFocus();
        box.selectAll();
        QTest::keyClicks(&box, keys);
    }
    std::string Logged() const { return h.state.messages.log.text(); }

    test::TempFolder dir;
    test::WindowHarness h;
    std::unique_ptr<SettingsDialog> dialog;
    int fontApplied = 0;
    int displayApplied = 0;
};

struct BoxKey {
    const char* name;
    int16_t SettingsRecord::*key;
};
const BoxKey kBoxes[] = {
    {"chkDispHist", &SettingsRecord::DisplayHistoryWin},
    {"chkKeepRecentFL", &SettingsRecord::KeepFileNames},
    {"chkShortNames", &SettingsRecord::ShortRecentFiles},
    {"chkShowDiscl", &SettingsRecord::ShowDisclaim},
    {"chkMaxMenu", &SettingsRecord::MaxMainMenu},
    {"chkEnableTB", &SettingsRecord::EnableMainMenuToolbar},
    {"chkLoadLastInputFile", &SettingsRecord::LoadLastInputFile},
    {"chkUpdate", &SettingsRecord::RemindAnnualUpdates},
    {"chkCopyExamples", &SettingsRecord::CopyExampleFiles},
};

// Runs `answer` on the next modal dialog of type D as soon as it is open.
template <class D>
void AnswerNextDialog(const std::function<void(D&)>& answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(10);
}

}  // namespace

Q_DECLARE_METATYPE(OkCase)

class SettingsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void loadFillsTheControlsWithoutMessages_data() {
        QTest::addColumn<int>("pattern");
        QTest::newRow("even boxes ticked") << 0;
        QTest::newRow("odd boxes ticked") << 1;
    }
    void loadFillsTheControlsWithoutMessages() {
        QFETCH(int, pattern);
        Fixture f;
        SettingsRecord& s = f.h.state.settings;
        for (size_t i = 0; i < std::size(kBoxes); ++i) {
            s.*kBoxes[i].key = static_cast<int16_t>((i + static_cast<size_t>(pattern)) % 2 == 0);
        }
        s.DefaultUnits = static_cast<int16_t>(pattern);
        s.MaxDisplaySize = 5000;
        s.FileExtension = "vrnx";
        s.ExternalEditor = "/usr/bin/less";
        SettingsDialog& d = f.Open();
        QCOMPARE(d.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(test::Child<QRadioButton>(d, "optUnits_0").text(), QStringLiteral("ft, psi"));
        QCOMPARE(test::Child<QRadioButton>(d, "optUnits_1").text(), QStringLiteral("m, MPa"));
        QVERIFY(
            test::Child<QRadioButton>(d, pattern == 0 ? "optUnits_0" : "optUnits_1").isChecked());
        for (const BoxKey& b : kBoxes) {
            QCOMPARE(f.Box(b.name).isChecked(), s.*b.key == 1);
        }
        QCOMPARE(f.Text("Text3").text(), QStringLiteral("5000"));
        QCOMPARE(f.Text("Text2").text(), QString::fromStdString(s.DataPath));
        // A longer extension from the file is shown whole, in upper case.
        QCOMPARE(f.Text("Text1").text(), QStringLiteral("VRNX"));
        QCOMPARE(f.Text("Text4").text(), QStringLiteral("/usr/bin/less"));
        QCOMPARE(f.Text("Text3").isEnabled(), pattern == 0);
        QCOMPARE(test::Child<QWidget>(d, "Command5").isEnabled(), pattern == 0);
        QCOMPARE(f.Box("chkShortNames").isEnabled(), pattern == 1);
        QCOMPARE(test::Child<QLabel>(d, "Label3").buddy(), &f.Text("Text3"));
        QVERIFY(f.h.presenter.shown.empty());
        QVERIFY(f.Logged().find("Editing Settings") != std::string::npos);
    }

    void boxesEnableTheirDependents() {
        Fixture f;
        SettingsDialog& d = f.Open();
        QVERIFY(f.Box("chkDispHist").isChecked());
        f.Box("chkDispHist").click();
        QVERIFY(!f.Text("Text3").isEnabled());
        QVERIFY(!test::Child<QWidget>(d, "Command5").isEnabled());
        f.Box("chkDispHist").click();
        QVERIFY(f.Text("Text3").isEnabled());
        QVERIFY(f.Box("chkShortNames").isEnabled());
        f.Box("chkKeepRecentFL").click();
        QVERIFY(!f.Box("chkShortNames").isEnabled());
        QVERIFY(f.h.presenter.shown.empty());
    }

    void boxesWithAMessage_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("tickedBefore");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        const QString restart =
            QStringLiteral("Option will take effect upon restarting this program");
        QTest::newRow("short names ticked") << "chkShortNames" << false << restart << "Message";
        QTest::newRow("short names cleared") << "chkShortNames" << true << restart << "Message";
        QTest::newRow("copy examples ticked")
            << "chkCopyExamples" << false
            << "When this option is enabled, every time the program runs, it will try to copy the "
               "example files from the install directory to the @ directory. The modified files "
               "will not be overridden, but missing files will be replaced. "
            << "Vornexa";
        QTest::newRow("copy examples cleared") << "chkCopyExamples" << true << ""
                                               << "";
    }
    void boxesWithAMessage() {
        QFETCH(QString, box);
        QFETCH(bool, tickedBefore);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Fixture f;
        f.h.state.settings.ShortRecentFiles = tickedBefore ? 1 : 0;
        f.h.state.settings.CopyExampleFiles = tickedBefore ? 1 : 0;
        f.Open();
        f.Box(qPrintable(box)).click();
        const auto& shown = f.h.presenter.shown;
        QCOMPARE(shown.size(), size_t{message.isEmpty() ? 0u : 1u});
        if (!message.isEmpty()) {
            message.replace(QLatin1Char('@'), QString::fromStdString(f.h.state.folders.data));
            QCOMPARE(QString::fromStdString(shown[0].text), message);
            QCOMPARE(shown[0].style, 0);
            QCOMPARE(QString::fromStdString(shown[0].title), title);
        }
    }

    void extensionIsUpperCaseAndAtMostThreeCharacters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lower case") << "vrn"
                                    << "VRN";
        QTest::newRow("fourth character refused") << "vrnx"
                                                  << "VRN";
        QTest::newRow("digits and letters") << "a1b"
                                            << "A1B";
        QTest::newRow("hyphen can be typed") << "v-"
                                             << "V-";
    }
    void extensionIsUpperCaseAndAtMostThreeCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        f.Open();
        f.Type("Text1", typed);
        QCOMPARE(f.Text("Text1").text(), shown);
    }

    void okValidatesInOrder_data() {
        QTest::addColumn<OkCase>("c");
        const char* path = "Invalid Path for Data Files";
        const char* character = "Invalid character in file extension";
        const char* range = kRangeMessage;
        // '@' stands for the test's folder.
        const OkCase cases[] = {
            {"folder without separator", "@data", "4096", "VRN", "", "", "", "@data/", "VRN"},
            {"blanks around the folder", "  @data/ ", "16384", "DAT", "", "", "", "@data/", "DAT"},
            {"missing folder", "@gone", "4096", "VRN", path, "Error", "Text2"},
            {"file, not folder", "@VORN.INI", "4096", "VRN", path, "Error", "Text2"},
            {"empty path is no folder", " ", "4096", "VRN", path, "Error", "Text2"},
            {"path checked before size", "@gone", "3000", "V-", path, "Error", "Text2"},
            {"size too small", "@data/", "3000", "V-", range, "Range Error", ""},
            {"empty extension", "@data/", "8000", "", "", "", "", "@data/", ""},
            {"hyphen in extension", "@data/", "8000", "V-", character, "Invalid Character",
             "Text1"},
            {"letter beyond A to Z", "@data/", "8000", "\xc3\x89", character, "Invalid Character",
             "Text1"},
            {"trailing blank dropped", "@data/", "8000", "AB ", "", "", "", "@data/", "AB"},
        };
        for (const OkCase& c : cases) {
            QTest::newRow(c.name) << c;
        }
    }
    void okValidatesInOrder() {
        QFETCH(OkCase, c);
        Fixture f;
        const QString root = QString::fromStdString(f.dir.path().string()) + QLatin1Char('/');
        const auto expand = [&root](const char* text) {
            return QString::fromUtf8(text).replace(QLatin1Char('@'), root);
        };
        const SettingsRecord before = f.h.state.settings;
        SettingsDialog& d = f.Open();
        QApplication::setActiveWindow(&d);
        f.Text("Text2").setText(expand(c.path));
        f.Text("Text3").setText(QString::fromLatin1(c.size));
        f.Text("Text1").setText(QString::fromUtf8(c.extension));
        test::Click(d, "cmdOK");
        const auto& shown = f.h.presenter.shown;
        if (*c.message == 0) {
            QVERIFY(shown.empty());
            QVERIFY(!d.isVisible());
            QCOMPARE(QString::fromStdString(f.h.state.settings.DataPath), expand(c.storedPath));
            QCOMPARE(f.h.state.settings.FileExtension, std::string(c.storedExtension));
            QCOMPARE(f.h.state.settings.MaxDisplaySize,
                     static_cast<int16_t>(QByteArray(c.size).toInt()));
            return;
        }
        QCOMPARE(shown.size(), size_t{1});
        QCOMPARE(shown[0].text, std::string(c.message));
        QCOMPARE(shown[0].style, 16);
        QCOMPARE(shown[0].title, std::string(c.title));
        QVERIFY(d.isVisible());
        if (*c.focus != 0) {
            QCOMPARE(QApplication::focusWidget(), &f.Text(c.focus));
        }
        QVERIFY(f.h.state.settings == before);
        QCOMPARE(f.displayApplied, 0);
    }

    void okStoresAppliesAndWritesTheSettings() {
        Fixture f;
        const SettingsRecord before = f.h.state.settings;
        SettingsDialog& d = f.Open();
        QTest::mouseClick(&test::Child<QRadioButton>(d, "optUnits_1"), Qt::LeftButton);
        // Backwards: short names must be ticked while the recent-file list still enables it.
        for (auto b = std::rbegin(kBoxes); b != std::rend(kBoxes); ++b) {
            f.Box(b->name).click();
        }
        f.Box("chkDispHist").click();
        f.Text("Text3").setText(QStringLiteral("8000.5"));
        f.Type("Text1", QStringLiteral("dat"));
        test::Click(d, "cmdSetDefault");
        test::Click(d, "cmdOK");
        QVERIFY(!d.isVisible());
        const SettingsRecord& s = f.h.state.settings;
        QCOMPARE(s.DefaultUnits, int16_t{1});
        for (const BoxKey& b : kBoxes) {
            const bool flipped = b.key != &SettingsRecord::DisplayHistoryWin;
            QCOMPARE(s.*b.key, static_cast<int16_t>((before.*b.key == 1) != flipped));
        }
        QCOMPARE(s.MaxDisplaySize, int16_t{8000});
        QCOMPARE(s.FileExtension, std::string("DAT"));
        QCOMPARE(s.ExternalEditor, std::string(kDefaultExternalEditor));
        QCOMPARE(f.h.state.messages.log.maxSize, size_t{8000});
        QVERIFY(f.h.state.messages.log.enabled);
        QCOMPARE(f.displayApplied, 1);
        QVERIFY(f.Logged().find("Settings Modified") != std::string::npos);
        const IniFile ini = IniFile::Load(f.h.state.iniPath);
        QCOMPARE(ini.Get("Settings", "DefaultUnits"), std::optional<std::string>("1"));
        QCOMPARE(ini.Get("Settings", "MaxDisplaySize"), std::optional<std::string>("8000"));
        QCOMPARE(ini.Get("Settings", "FileExtension"), std::optional<std::string>("DAT"));
        QCOMPARE(ini.Get("Settings", "DataPath"), std::optional<std::string>(s.DataPath));
        QCOMPARE(ini.Get("Settings", "ShortRecentFiles"), std::optional<std::string>("1"));
        QCOMPARE(ini.Get("Settings", "EnableMainMenuToolbar"), std::optional<std::string>("0"));
        QVERIFY(!ini.Get("FileMenu", "MaxLastFiles").has_value());
    }

    void okTellsWhenTheSettingsCannotBeWritten() {
        Fixture f;
        f.h.state.iniPath = f.dir.file("no-such-folder/VORN.INI");
        SettingsDialog& d = f.Open();
        test::Click(d, "cmdOK");
        QVERIFY(!d.isVisible());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 "The settings could not be saved to file: " + f.h.state.iniPath);
        QCOMPARE(f.displayApplied, 1);
    }

    void closingWithoutOkLeavesTheRecord_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void closingWithoutOkLeavesTheRecord() {
        QFETCH(int, way);
        Fixture f;
        const SettingsRecord before = f.h.state.settings;
        SettingsDialog& d = f.Open();
        f.Text("Text3").setText(QStringLiteral("9000"));
        f.Box("chkEnableTB").click();
        if (way == 0) {
            test::Click(d, "cmdCancel");
        } else if (way == 1) {
            QTest::keyClick(&d, Qt::Key_Escape);
        } else {
            d.close();
        }
        QVERIFY(!d.isVisible());
        QVERIFY(f.h.state.settings == before);
        QCOMPARE(f.displayApplied, 0);
        QVERIFY(f.Logged().find("Settings Not Modified") != std::string::npos);
        QVERIFY(!std::filesystem::exists(f.h.state.iniPath));
    }

    void historyFontIsAppliedAtOnceAndKeptOnCancel_data() {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("message");
        const QString installed = QFontDatabase::families().value(0);
        QTest::newRow("installed font") << true << installed << "";
        QTest::newRow("font not installed") << true << "No Such Font Vornexa"
                                            << "Invalid font selection:No Such Font Vornexa";
        QTest::newRow("font dialog cancelled") << false << installed << "";
    }
    void historyFontIsAppliedAtOnceAndKeptOnCancel() {
        QFETCH(bool, answered);
        QFETCH(QString, family);
        QFETCH(QString, message);
        Fixture f;
        SettingsRecord& s = f.h.state.settings;
        s.DisplayFontName = family.toStdString();
        s.DisplayFontSize = 9;
        s.DisplayFontItalic = -1;
        if (answered) {
            f.h.dialogs.fonts.push_back(FontChoice{family.toStdString(), 14, true, false});
        }
        SettingsDialog& d = f.Open();
        test::Click(d, "Command5");
        QCOMPARE(f.h.dialogs.fontPresets.size(), size_t{1});
        const FontChoice& preset = f.h.dialogs.fontPresets[0];
        QCOMPARE(preset.size, 9.0f);
        QVERIFY(!preset.bold && preset.italic);
        QCOMPARE(f.fontApplied, 1);
        QCOMPARE(f.h.presenter.shown.size(), size_t{message.isEmpty() ? 0u : 1u});
        if (!message.isEmpty()) {
            QCOMPARE(QString::fromStdString(f.h.presenter.shown[0].text), message);
            QCOMPARE(f.h.presenter.shown[0].title, std::string("Error"));
        }
        test::Click(d, "cmdCancel");
        QCOMPARE(s.DisplayFontName, family.toStdString());
        QCOMPARE(s.DisplayFontSize, answered ? 14.0f : 9.0f);
        QCOMPARE(s.DisplayFontBold, static_cast<int16_t>(answered ? -1 : 0));
        QCOMPARE(s.DisplayFontItalic, static_cast<int16_t>(answered ? 0 : -1));
    }

    void programAndFolderChoosers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("answer");
        QTest::newRow("program chosen") << "cmdSelect"
                                        << "Text4"
                                        << "/usr/bin/vim";
        QTest::newRow("program cancelled") << "cmdSelect"
                                           << "Text4"
                                           << "";
        QTest::newRow("folder chosen") << "cmdSetPath"
                                       << "Text2"
                                       << "/srv/projects/";
        QTest::newRow("folder cancelled") << "cmdSetPath"
                                          << "Text2"
                                          << "";
    }
    void programAndFolderChoosers() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, answer);
        Fixture f;
        f.h.state.settings.ExternalEditor = "gedit";
        const std::optional<std::string> scripted =
            answer.isEmpty() ? std::nullopt : std::optional(answer.toStdString());
        f.h.dialogs.programs.push_back(scripted);
        f.h.dialogs.folders.push_back(scripted);
        SettingsDialog& d = f.Open();
        const QString before = f.Text(qPrintable(field)).text();
        test::Click(d, qPrintable(button));
        QCOMPARE(f.Text(qPrintable(field)).text(), answer.isEmpty() ? before : answer);
        if (button == QLatin1String("cmdSetPath")) {
            QCOMPARE(f.h.dialogs.folderPresets,
                     std::vector<std::string>{f.h.state.settings.DataPath});
        } else {
            QCOMPARE(f.h.dialogs.programDialogs, 1);
        }
        QVERIFY(f.h.presenter.shown.empty());
    }

    // The desktop's own file dialog: programs listed, the choice stored as one word.
    void selectListsProgramsAndStoresThemWhole_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain path") << "tools";
        QTest::newRow("blank in the path") << "my tools";
        QTest::newRow("quotes and a backslash") << "it's \"odd\" \\ here";
    }
    void selectListsProgramsAndStoresThemWhole() {
        QFETCH(QString, folder);
        Fixture f;
        const std::filesystem::path tools = f.dir.path() / folder.toStdString();
        std::filesystem::create_directories(tools / "sub");
        test::WriteAll((tools / "view").string(), "#!/bin/sh\n");
        std::filesystem::permissions(tools / "view", std::filesystem::perms::owner_all);
        test::WriteAll((tools / "notes.txt").string(), "not a program");
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(tools.string()));
        QtDialogService real(f.h.printer);
        UiContext ctx{f.h.state, real, f.h.printer, f.h.desktop};
        SettingsDialog d(ctx, {}, {});
        QStringList listed;
        AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
            auto& view = test::Child<QListView>(dialog, "listView");
            const auto rows = [&] { return view.model()->rowCount(view.rootIndex()); };
            if (!QTest::qWaitFor([&] { return rows() >= 2; })) {
                listed << QStringLiteral("(folder not read)");
            }
            for (int row = 0; row < view.model()->rowCount(view.rootIndex()); ++row) {
                listed << view.model()->index(row, 0, view.rootIndex()).data().toString();
            }
            auto& name = test::Child<QLineEdit>(dialog, "fileNameEdit");
            name.setText(QStringLiteral("view"));
            QTest::keyClick(&name, Qt::Key_Return);
        });
        test::Click(d, "cmdSelect");
        QDir::setCurrent(oldCurrent);
        listed.sort();
        QCOMPARE(listed, (QStringList{"sub", "view"}));
        const std::string command = test::Child<QLineEdit>(d, "Text4").text().toStdString();
        QCOMPARE(SplitCommandLine(command), std::vector<std::string>{(tools / "view").string()});
    }

    // The desktop's own font dialog over a name that a stand-in draws.
    void historyFontDialogKeepsTheStoredName_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("OK untouched") << 0;
        QTest::newRow("another face") << 1;
        QTest::newRow("cancelled") << 2;
    }
    void historyFontDialogKeepsTheStoredName() {
        QFETCH(int, answer);
        const QString face = QFontInfo(QFont(QStringLiteral("Arial"))).family();
        const QString other = QFontInfo(QFont(QStringLiteral("Courier New"))).family();
        if (!face.startsWith(QStringLiteral("Liberation")) || other == face) {
            QSKIP("needs Arial and Courier New drawn by their Liberation stand-ins");
        }
        Fixture f;
        f.h.state.settings.DisplayFontName = "Arial";
        QtDialogService real(f.h.printer);
        UiContext ctx{f.h.state, real, f.h.printer, f.h.desktop};
        SettingsDialog d(ctx, {}, {});
        QString preset;
        AnswerNextDialog<QFontDialog>([&](QFontDialog& dialog) {
            preset = dialog.currentFont().family();
            dialog.setCurrentFont(answer == 1 ? QFont(other, 12) : dialog.currentFont());
            answer == 2 ? dialog.reject() : dialog.accept();
        });
        d.findChild<QPushButton*>(QStringLiteral("Command5"))->click();
        QCOMPARE(preset, face);
        QCOMPARE(f.h.state.settings.DisplayFontName,
                 answer == 1 ? other.toStdString() : std::string("Arial"));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void startUpReportsAHistoryFontThatIsNotInstalled() {
        for (const std::string name : {"Arial", "No Such Font Vornexa"}) {
            Fixture f;
            f.h.state.settings.DisplayFontName = name;
            MainWindow window(f.h.ctx);
            OpenStartupProjects(window, "");
            const bool reported = f.h.presenter.shown.size() == 1 &&
                                  f.h.presenter.shown[0].text == "Invalid font selection:" + name &&
                                  f.h.presenter.shown[0].title == "Error";
            QCOMPARE(reported, name != "Arial");
        }
    }

    void helpAndMnemonic() {
        Fixture f;
        SettingsDialog& d = f.Open();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // A mnemonic presses its button after a short animation.
        QTest::keyClick(d.windowHandle(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(f.h.dialogs.fontPresets.size(), size_t{1});
        test::Click(d, "cmdHelp");
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Help"));
        QVERIFY(d.isVisible());
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
