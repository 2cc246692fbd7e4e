#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include "core/project_commands.h"
#include "support/window_harness.h"
#include "ui/utilities/options_dialog.h"
#include "util/ini_file.h"

using namespace vornexa;

namespace {

const char* const kBoxes[] = {"txtAzEntries", "txtAzLeft",     "txtAzRight",
                              "txtAzSigmaH",  "txtAzHeadGate", "txtSigmaHTol"};

struct CheckCase {
    const char* box;
    int16_t AnalysisOptions::*option;
    const char* key;
};
const CheckCase kChecks[] = {
    {"Check1", &AnalysisOptions::ShowInputScreenOnLoad, "ShowInputScreenOnLoad"},
    {"Check2", &AnalysisOptions::OpenViewWithLoad, "OpenViewWithLoad"},
    {"Check3", &AnalysisOptions::PrintModuleHeader, "PrintModuleHeader"},
    {"Check4", &AnalysisOptions::AutoPositionView, "AutoPositionView"},
    {"Check5", &AnalysisOptions::EnableStressGraph, "EnableStressGraph"},
    {"Check6", &AnalysisOptions::AutoPositionStress, "AutoPositionStress"},
    {"Check7", &AnalysisOptions::EnableGraphToolbar, "EnableGraphToolbar"},
};

// A dialog over options that differ from the built-in ones, with the settings
// file in a folder of its own.
struct Fixture {
    Fixture() {
        h.state.iniPath = dir.file("VORN.INI");
        AnalysisOptions& o = h.state.options;
        o.ShowInputScreenOnLoad = 0;
        o.EnableGraphToolbar = 1;
        o.DefaultAzimSigmaH = 12.5f;
        o.DefaultAzimEntries = 44.7f;
        o.DefaultAzimRightCross = 100;
        o.DefaultAzimLeftCross = 280;
        o.DefaultAzimHeadGate = 7.25f;
        o.DefaultSigmaHTolerance = 17.5f;
    }
    OptionsDialog& Open() {
        dialog = std::make_unique<OptionsDialog>(h.ctx);
        dialog->show();
        return *dialog;
    }
    QLineEdit& Box(const char* name) { return test::Child<QLineEdit>(*dialog, name); }
    QComboBox& Region() { return test::Child<QComboBox>(*dialog, "cmbRegion"); }
    QTabWidget& Tabs() { return test::Child<QTabWidget>(*dialog, "SSTab1"); }
    void ChooseRegion(int index) {
        Region().setCurrentIndex(index);
        emit Region().activated(index);
    }
    void Type(const char* name, const QString& keys) {
        QLineEdit& box = Box(name);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, keys);
    }
    bool Logged(const std::string& line) const {
        return h.state.messages.log.text().find(line) != std::string::npos;
    }
    bool IniWritten() const { return std::filesystem::exists(h.state.iniPath); }

    test::TempFolder dir;
    test::WindowHarness h;
    std::unique_ptr<OptionsDialog> dialog;
};

// The widgets that take the focus in turn from `start`, once round the window.
QList<QWidget*> FocusCycle(QWidget& start) {
    QList<QWidget*> seen;
    start.setFocus();
    for (int i = 0; i < 40; ++i) {
        QWidget* current = QApplication::focusWidget();
        if (current == nullptr || seen.contains(current)) {
            break;
        }
        seen.append(current);
        QTest::keyClick(current, Qt::Key_Tab);
    }
    return seen;
}

QChar Mnemonic(const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at < 0 || at + 1 >= caption.size() ? QChar() : caption[at + 1].toUpper();
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void loadShowsTheOptions_data() {
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("regionText");
        QTest::addColumn<bool>("sigmaHEnabled");
        QTest::newRow("user defined") << 0 << "User Defined" << true;
        QTest::newRow("named region") << 3 << "West (Utah)" << false;
    }
    void loadShowsTheOptions() {
        QFETCH(int, region);
        Fixture f;
        f.h.state.options.DefaultRegionType = static_cast<int16_t>(region);
        OptionsDialog& d = f.Open();
        QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(f.Region().count(), 4);
        QTEST(f.Region().currentText(), "regionText");
        // The stored azimuth wins over the region's own default.
        QCOMPARE(f.Box("txtAzSigmaH").text(), QStringLiteral("12.5"));
        QTEST(f.Box("txtAzSigmaH").isEnabled(), "sigmaHEnabled");
        QCOMPARE(f.Box("txtAzEntries").text(), QStringLiteral("44.7"));
        QCOMPARE(f.Box("txtAzRight").text(), QStringLiteral("100"));
        QCOMPARE(f.Box("txtAzLeft").text(), QStringLiteral("280"));
        QCOMPARE(f.Box("txtAzHeadGate").text(), QStringLiteral("7.25"));
        QCOMPARE(f.Box("txtSigmaHTol").text(), QStringLiteral("17.5"));
        QVERIFY(!test::Child<QCheckBox>(d, "Check1").isChecked());
        QVERIFY(test::Child<QCheckBox>(d, "Check7").isChecked());
        QVERIFY(test::Child<QCheckBox>(d, "Check3").isChecked());
        QCOMPARE(f.Tabs().currentIndex(), 0);
        QCOMPARE(f.h.state.messages.titles.rangeError, std::string("Program Options: Range Error"));
        QVERIFY(f.Logged("Editing VORN Options"));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void regionSetsTheSigmaHBox_data() {
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("azimuth");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("User Defined") << 0 << "0" << true;
        QTest::newRow("Eastern") << 1 << "65" << false;
        QTest::newRow("Central") << 2 << "80" << false;
        QTest::newRow("West (Utah)") << 3 << "335" << false;
    }
    void regionSetsTheSigmaHBox() {
        QFETCH(int, region);
        Fixture f;
        f.h.state.options.DefaultRegionType = region == 0 ? 1 : 0;
        f.Open();
        f.ChooseRegion(region);
        QTEST(f.Box("txtAzSigmaH").text(), "azimuth");
        QTEST(f.Box("txtAzSigmaH").isEnabled(), "enabled");
    }

    void outOfRangeBlocksOk_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral(" is outside input range\r\nValid range is: 0-360");
        QTest::newRow("entries 361") << "txtAzEntries"
                                     << "361"
                                     << "Value '361'" + range;
        QTest::newRow("headgate 361") << "txtAzHeadGate"
                                      << "361"
                                      << "Value '361'" + range;
        QTest::newRow("left blank") << "txtAzLeft"
                                    << ""
                                    << "Blank field not allowed";
        QTest::newRow("sigma H blank") << "txtAzSigmaH"
                                       << ""
                                       << "Blank field not allowed";
        QTest::newRow("right just over") << "txtAzRight"
                                         << "360.01"
                                         << "Value '360.01'" + range;
        QTest::newRow("tolerance over 90")
            << "txtSigmaHTol"
            << "90.5"
            << "Value '90.5' is outside input range\r\nValid range is: 0-90";
        QTest::newRow("tolerance blank") << "txtSigmaHTol"
                                         << ""
                                         << "Blank field not allowed";
    }
    void outOfRangeBlocksOk() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        Fixture f;
        const AnalysisOptions before = f.h.state.options;
        OptionsDialog& d = f.Open();
        f.Type(box.toLatin1().constData(), typed);
        QCOMPARE(f.Tabs().currentIndex(), 0);
        test::Click(d, "Command2");
        QVERIFY(d.isVisible());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QTEST(QString::fromStdString(f.h.presenter.shown[0].text), "message");
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Program Options: Range Error"));
        QCOMPARE(f.Tabs().currentIndex(), 1);
        QCOMPARE(d.focusWidget(), &f.Box(box.toLatin1().constData()));
        QVERIFY(f.h.state.options == before);
        QVERIFY(!f.IniWritten());
    }

    void firstFailingBoxInOrderTakesTheFocus_data() {
        QTest::addColumn<QStringList>("bad");
        QTest::addColumn<QString>("focused");
        QTest::newRow("all") << QStringList{kBoxes[0], kBoxes[1], kBoxes[2], kBoxes[3], kBoxes[4]}
                             << "txtAzEntries";
        QTest::newRow("left before right")
            << QStringList{"txtAzRight", "txtAzLeft", "txtAzHeadGate"} << "txtAzLeft";
        QTest::newRow("right before sigma H")
            << QStringList{"txtAzSigmaH", "txtAzRight"} << "txtAzRight";
        QTest::newRow("sigma H before headgate")
            << QStringList{"txtAzHeadGate", "txtAzSigmaH"} << "txtAzSigmaH";
        QTest::newRow("headgate alone") << QStringList{"txtAzHeadGate"} << "txtAzHeadGate";
    }
    void firstFailingBoxInOrderTakesTheFocus() {
        QFETCH(QStringList, bad);
        QFETCH(QString, focused);
        Fixture f;
        OptionsDialog& d = f.Open();
        for (const QString& name : bad) {
            f.Box(name.toLatin1().constData()).setText(QStringLiteral("400"));
        }
        QVERIFY(!d.ValidateDefaults());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(d.focusWidget(), &f.Box(focused.toLatin1().constData()));
    }

    void lockedSigmaHOutOfRangePointsAtTheRegion() {
        Fixture f;
        f.h.state.options.DefaultRegionType = 2;
        f.h.state.options.DefaultAzimSigmaH = 400;
        OptionsDialog& d = f.Open();
        QVERIFY(!f.Box("txtAzSigmaH").isEnabled());
        test::Click(d, "Command2");
        QVERIFY(d.isVisible());
        QCOMPARE(f.Tabs().currentIndex(), 1);
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(&f.Region()));
    }

    void acceptedDefaultsReachTheNextNewProject() {
        Fixture f;
        OptionsDialog& d = f.Open();
        f.ChooseRegion(2);
        f.Type("txtAzEntries", QStringLiteral("12.5"));
        f.Type("txtAzHeadGate", QStringLiteral("300"));
        f.Type("txtSigmaHTol", QStringLiteral("22.5"));
        test::Click(d, "Command2");
        QVERIFY(!d.isVisible());
        QVERIFY(f.h.presenter.shown.empty());
        QVERIFY(f.Logged("Saving default settings to file: " + f.h.state.iniPath));
        QVERIFY(!f.Logged("Options Not Modified"));

        FileNew(f.h.state, true, true);
        const Parms& p = f.h.state.project.ProjParms;
        QCOMPARE(p.RegionType, int16_t{2});
        QCOMPARE(p.AzimSigmaH, 80.0f);
        QCOMPARE(p.AzimEntries, 12.5f);
        QCOMPARE(p.AzimHeadGate, 300.0f);
        QCOMPARE(p.AzimLeftCross, 280.0f);
        QCOMPARE(p.SigmaHTolerance, 22.5f);

        const IniFile ini = IniFile::Load(f.h.state.iniPath);
        QCOMPARE(ini.Get("VORNOptions", "DefaultRegionType"), std::optional<std::string>("2"));
        QCOMPARE(ini.Get("VORNOptions", "DefaultAzimSigmaH"), std::optional<std::string>("80"));
        QCOMPARE(ini.Get("VORNOptions", "DefaultAzimEntries"), std::optional<std::string>("12.5"));
        QCOMPARE(ini.Get("VORNOptions", "DefaultAzimHeadGate"), std::optional<std::string>("300"));
        QCOMPARE(ini.Get("VORNOptions", "ShowInputScreenOnLoad"), std::optional<std::string>("0"));
        QCOMPARE(ini.Get("VORNOptions", "DefaultSigmaHTolerance"),
                 std::optional<std::string>("22.5"));
    }

    void eachCheckBoxReachesItsOption_data() {
        QTest::addColumn<size_t>("row");
        for (size_t row = 0; row < std::size(kChecks); ++row) {
            QTest::newRow(kChecks[row].box) << row;
        }
    }
    void eachCheckBoxReachesItsOption() {
        QFETCH(size_t, row);
        const CheckCase& c = kChecks[row];
        Fixture f;
        AnalysisOptions expected = f.h.state.options;
        expected.*c.option = expected.*c.option == 0 ? 1 : 0;
        OptionsDialog& d = f.Open();
        test::Child<QCheckBox>(d, c.box).click();
        test::Click(d, "Command2");
        QVERIFY(f.h.state.options == expected);
        const IniFile ini = IniFile::Load(f.h.state.iniPath);
        QCOMPARE(ini.Get("VORNOptions", c.key),
                 std::optional<std::string>(std::to_string(expected.*c.option)));
    }

    void everyOtherWayOutLeavesTheOptions_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void everyOtherWayOutLeavesTheOptions() {
        QFETCH(int, way);
        Fixture f;
        const AnalysisOptions before = f.h.state.options;
        OptionsDialog& d = f.Open();
        f.ChooseRegion(1);
        f.Type("txtAzEntries", QStringLiteral("33"));
        test::Child<QCheckBox>(d, "Check5").click();
        if (way == 0) {
            test::Click(d, "Command1");
        } else if (way == 1) {
            QTest::keyClick(&f.Box("txtAzEntries"), Qt::Key_Escape);
        } else {
            d.close();
        }
        QVERIFY(!d.isVisible());
        QVERIFY(f.h.state.options == before);
        QVERIFY(f.Logged("Options Not Modified"));
        QVERIFY(!f.IniWritten());
    }

    void typedRegionIsRefusedUntilOneIsChosen() {
        Fixture f;
        f.h.state.options.DefaultRegionType = 1;
        f.h.state.options.DefaultAzimSigmaH = 65;
        const AnalysisOptions before = f.h.state.options;
        OptionsDialog& d = f.Open();
        f.Tabs().setCurrentIndex(1);
        f.Region().lineEdit()->selectAll();
        QTest::keyClicks(f.Region().lineEdit(), QStringLiteral("Ea"));
        QCOMPARE(f.Region().currentText(), QStringLiteral("Ea"));
        QCOMPARE(f.Box("txtAzSigmaH").text(), QStringLiteral("65"));
        QVERIFY(!f.Box("txtAzSigmaH").isEnabled());

        f.Tabs().setCurrentIndex(0);
        test::Click(d, "Command2");
        QVERIFY(d.isVisible());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, std::string("Choose a region from the list"));
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Program Options: Error"));
        QCOMPARE(f.Tabs().currentIndex(), 1);
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(&f.Region()));
        QVERIFY(f.h.state.options == before);

        f.ChooseRegion(3);
        test::Click(d, "Command2");
        QVERIFY(!d.isVisible());
        QCOMPARE(f.h.state.options.DefaultRegionType, int16_t{3});
        QCOMPARE(f.h.state.options.DefaultAzimSigmaH, 335.0f);
    }

    void focusOrderSkipsTheHiddenTab_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("Edit / Print options") << 0;
        QTest::newRow("Default Options") << 1;
    }
    void focusOrderSkipsTheHiddenTab() {
        QFETCH(int, tab);
        Fixture f;
        OptionsDialog& d = f.Open();
        QApplication::setActiveWindow(&d);
        f.Tabs().setCurrentIndex(tab);
        QWidget* shown = f.Tabs().widget(tab);
        QWidget* hidden = f.Tabs().widget(1 - tab);
        const QList<QWidget*> cycle = FocusCycle(test::Child<QAbstractButton>(d, "Command2"));
        for (QWidget* w : cycle) {
            QVERIFY2(!hidden->isAncestorOf(w), qPrintable(w->objectName()));
        }
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            // A drop-down's own line edit takes the focus through the drop-down.
            const bool own =
                w->focusProxy() == nullptr && qobject_cast<QComboBox*>(w->parent()) == nullptr;
            if (own && w->isEnabled() && w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(&d)) {
                QVERIFY2(cycle.contains(w), qPrintable(w->objectName()));
            }
        }
    }

    void mnemonicsDoNotClashOnEitherTab_data() { focusOrderSkipsTheHiddenTab_data(); }
    void mnemonicsDoNotClashOnEitherTab() {
        QFETCH(int, tab);
        Fixture f;
        OptionsDialog& d = f.Open();
        QStringList captions;
        for (int i = 0; i < f.Tabs().count(); ++i) {
            captions << f.Tabs().tabText(i);
        }
        for (const char* button : {"Command1", "Command2", "Command3"}) {
            captions << test::Child<QAbstractButton>(d, button).text();
        }
        QWidget* page = f.Tabs().widget(tab);
        for (auto* button : page->findChildren<QAbstractButton*>()) {
            captions << button->text();
        }
        for (auto* label : page->findChildren<QLabel*>()) {
            captions << label->text();
        }
        QSet<QChar> used;
        for (const QString& caption : captions) {
            const QChar key = Mnemonic(caption);
            if (!key.isNull()) {
                QVERIFY2(!used.contains(key), qPrintable(caption));
                used.insert(key);
            }
        }
    }

    void azimuthBoxesTakeOnlyNumbers_data() {
        QTest::addColumn<QString>("box");
        for (const char* name : kBoxes) {
            QTest::newRow(name) << name;
        }
    }
    void azimuthBoxesTakeOnlyNumbers() {
        QFETCH(QString, box);
        Fixture f;
        f.Open();
        f.Tabs().setCurrentIndex(1);
        f.Type(box.toLatin1().constData(), QStringLiteral("1x2-.5"));
        QCOMPARE(f.Box(box.toLatin1().constData()).text(), QStringLiteral("12.5"));
    }

    void fileAssociationAsksThenRegisters_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<size_t>("runs");
        QTest::addColumn<size_t>("messages");
        QTest::newRow("Yes") << msg::kYes << size_t{2} << size_t{2};
        QTest::newRow("No") << msg::kNo << size_t{0} << size_t{1};
    }
    void fileAssociationAsksThenRegisters() {
        QFETCH(int, answer);
        Fixture f;
        const bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(f.dir.file("data")));
        OptionsDialog& d = f.Open();
        auto& button = test::Child<QAbstractButton>(d, "cmdFileAssoc");
        QVERIFY(button.isEnabled());
        QVERIFY(button.toolTip().isEmpty());
        QVERIFY(f.Tabs().widget(0)->isAncestorOf(&button));
        f.h.presenter.answers = {answer};
        button.click();
        if (hadDataHome) {
            qputenv("XDG_DATA_HOME", oldDataHome);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }

        QVERIFY(d.isVisible());
        QTEST(f.h.desktop.runs.size(), "runs");
        QTEST(f.h.presenter.shown.size(), "messages");
        QCOMPARE(f.h.presenter.shown[0].style, msg::kYesNo);
        QCOMPARE(std::filesystem::exists(f.dir.file("data/applications/vornexa.desktop")),
                 answer == msg::kYes);
    }

    void unwrittenSettingsFileIsReported() {
        Fixture f;
        f.h.state.iniPath = f.dir.file("missing/VORN.INI");
        OptionsDialog& d = f.Open();
        f.Type("txtAzEntries", QStringLiteral("20"));
        test::Click(d, "Command2");
        QVERIFY(!d.isVisible());
        QCOMPARE(f.h.state.options.DefaultAzimEntries, 20.0f);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 "The options could not be saved to file: " + f.h.state.iniPath);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Program Options: Error"));
    }

    void helpShowsTheHint() {
        Fixture f;
        OptionsDialog& d = f.Open();
        test::Click(d, "Command3");
        QVERIFY(d.isVisible());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Help"));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
