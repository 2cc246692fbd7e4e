#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "analysis/orientation.h"
#include "core/project_commands.h"
#include "diagrams/diagrams.h"
#include "support/window_harness.h"
#include "ui/project/description_editor.h"
#include "ui/project/diagram_window.h"
#include "ui/project/layout_finder_window.h"
#include "ui/project/main_window.h"
#include "ui/project/output_window.h"
#include "ui/project/parameters_dialog.h"
#include "ui/project/stress_plot.h"
#include "util/ini_file.h"

using namespace vornexa;
using Field = ParametersDialog::Field;

namespace {

// The program's folder, which holds its modules.
std::string ProgramFolder() {
    return std::filesystem::path(std::getenv("VORNEXA_EXE")).parent_path().string() + "/";
}

// A dialog over a harness whose options open no windows by themselves.
struct Fixture {
    Fixture() {
        h.state.folders.program = ProgramFolder();
        h.state.options.OpenViewWithLoad = 0;
        h.state.options.AutoPositionView = 0;
        FileNew(h.state, true, true);
        h.state.project.IsEmpty = true;
    }
    ParametersDialog& Open() {
        dialog = new ParametersDialog(h.ctx, [this] { ++closedCalls; });
        dialog->Open();
        return *dialog;
    }
    void Type(Field field, const char* keys) { TypeInto(dialog->azimuthText(field), keys); }
    void TypeInto(QLineEdit* box, const char* keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }
    QString Text(Field field) const { return dialog->azimuthText(field)->text(); }
    int Bar(Field field) const { return dialog->azimuthBar(field)->value(); }
    QRadioButton& Option(const char* name) { return test::Child<QRadioButton>(*dialog, name); }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& s : h.presenter.shown) {
            titles.push_back(s.title);
        }
        return titles;
    }
    void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    test::WindowHarness h;
    QPointer<ParametersDialog> dialog;
    int closedCalls = 0;
};

const std::string kOutOfRange400 = "Value '400' is outside input range\r\nValid range is: 0-360";

QChar Mnemonic(const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at < 0 || at + 1 >= caption.size() ? QChar() : caption[at + 1].toUpper();
}

}  // namespace

class ParametersDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void loadFillsTheControlsFromTheProject() {
        Fixture f;
        Parms& p = f.h.state.project.ProjParms;
        p = {1, 2, 80, 12.5f, 95, 275, 1, 44.7f, 0};
        ParametersDialog& d = f.Open();
        QCOMPARE(d.windowTitle(), QStringLiteral("Parameters"));
        QVERIFY(f.Option("optPlanType_1").isChecked());
        QVERIFY(f.Option("optLongType_1").isChecked());
        QCOMPARE(f.Text(Field::Entries), QStringLiteral("12.5"));
        QCOMPARE(f.Text(Field::HeadGate), QStringLiteral("44.7"));
        QCOMPARE(f.Bar(Field::HeadGate), 45);
        QCOMPARE(f.Text(Field::SigmaH), QStringLiteral("80"));
        QCOMPARE(test::Child<QComboBox>(d, "cmbRegion").currentText(), QStringLiteral("Central"));
        QVERIFY(!f.dialog->azimuthText(Field::SigmaH)->isEnabled());
        QVERIFY(!test::Child<QCheckBox>(d, "chkShowStress").isChecked());
        QVERIFY(!test::Child<QWidget>(d, "frameDevel").isEnabled());
        QVERIFY(test::Child<QWidget>(d, "frameLongwall").isEnabled());
        QCOMPARE(f.h.state.messages.titles.rangeError,
                 std::string("Project Parameters: Range Error"));
        QVERIFY(f.h.state.messages.log.text().find("Editing Project Parameters") !=
                std::string::npos);
        QVERIFY(f.h.presenter.shown.empty());
    }

    void planTypeEnablesItsOwnFrame() {
        Fixture f;
        ParametersDialog& d = f.Open();
        QVERIFY(test::Child<QWidget>(d, "txtAzEntries").isEnabled());
        QVERIFY(!test::Child<QWidget>(d, "txtAzHeadGate").isEnabled());
        QVERIFY(!test::Child<QWidget>(d, "picTypeA").isEnabled());
        QTest::mouseClick(&f.Option("optPlanType_1"), Qt::LeftButton);
        QVERIFY(!test::Child<QWidget>(d, "HScrollRight").isEnabled());
        QVERIFY(test::Child<QWidget>(d, "chkShowStress").isEnabled());
        QVERIFY(test::Child<QWidget>(d, "optLongType_1").isEnabled());
    }

    // The hint a mouse or a screen reader gets names the sequence the choice stores.
    void typeButtonsAndPicturesNameTheirSequence() {
        const struct {
            const char* option;
            const char* picture;
            QString sequence;
        } types[] = {{"optLongType_0", "picTypeA", QStringLiteral("Mined left to right")},
                     {"optLongType_1", "picTypeB", QStringLiteral("Mined right to left")}};
        for (int16_t i = 0; i < 2; ++i) {
            Fixture f;
            f.h.state.project.ProjParms.PlanType = 1;
            ParametersDialog& d = f.Open();
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            for (const char* name : {types[i].option, types[i].picture}) {
                QWidget& widget = test::Child<QWidget>(d, name);
                QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), widget.mapToGlobal(QPoint(2, 2)));
                QApplication::sendEvent(&widget, &hover);
                QTRY_COMPARE(QToolTip::text(), types[i].sequence);
                QToolTip::hideText();
                QCOMPARE(QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name),
                         types[i].sequence);
            }
            QTest::mouseClick(&f.Option(types[i].option), Qt::LeftButton);
            test::Click(d, "Command2");
            QCOMPARE(f.h.state.project.ProjParms.LongType, i);
        }
    }

    // The arrows under the panels lie on the dialog's background: black on a light
    // desktop, the text colour of a dark one.
    void typeArrowsTakeTheTextColour() {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
        dark.setColor(QPalette::WindowText, Qt::white);
        const struct {
            QPalette palette;
            QColor arrow;
        } desktops[] = {{QPalette(), QColor(0, 0, 0)}, {dark, QColor(Qt::white)}};
        for (const auto& desktop : desktops) {
            Fixture f;
            f.h.state.project.ProjParms.PlanType = 1;
            ParametersDialog& d = f.Open();
            d.setPalette(desktop.palette);
            const QImage picture = test::Child<QWidget>(d, "picTypeA").grab().toImage();
            QCOMPARE(picture.pixelColor(48, 24), desktop.arrow);  // inside the arrow head
        }
    }

    void namedRegionFixesSigmaHAndUserDefinedFreesIt() {
        Fixture f;
        ParametersDialog& d = f.Open();
        auto& region = test::Child<QComboBox>(d, "cmbRegion");
        QCOMPARE(region.count(), 4);
        region.setCurrentIndex(3);
        emit region.activated(3);
        QCOMPARE(f.Text(Field::SigmaH), QStringLiteral("335"));
        QCOMPARE(f.Bar(Field::SigmaH), 335);
        QVERIFY(!d.azimuthText(Field::SigmaH)->isEnabled());
        QVERIFY(!d.azimuthBar(Field::SigmaH)->isEnabled());
        region.setCurrentIndex(0);
        emit region.activated(0);
        QCOMPARE(f.Text(Field::SigmaH), QStringLiteral("0"));
        QVERIFY(d.azimuthText(Field::SigmaH)->isEnabled());
        QVERIFY(d.azimuthBar(Field::SigmaH)->isEnabled());
    }

    void typedRegionTextChoosesNoRegion() {
        Fixture f;
        f.h.state.project.ProjParms.RegionType = 1;
        f.h.state.project.ProjParms.AzimSigmaH = 65;
        ParametersDialog& d = f.Open();
        QVERIFY(!d.azimuthText(Field::SigmaH)->isEnabled());
        auto& region = test::Child<QComboBox>(d, "cmbRegion");
        region.lineEdit()->selectAll();
        QTest::keyClicks(region.lineEdit(), QStringLiteral("Ea"));
        QCOMPARE(region.currentText(), QStringLiteral("Ea"));
        QVERIFY(!d.azimuthText(Field::SigmaH)->isEnabled());
        QCOMPARE(f.Text(Field::SigmaH), QStringLiteral("65"));
        test::Click(d, "Command2");
        QCOMPARE(f.h.state.project.ProjParms.RegionType, int16_t{-1});
    }

    void textAndScrollBarFollowEachOther() {
        struct Case {
            const char* typed;
            const char* text;
            int bar;
        };
        const Case cases[] = {
            {"45.5", "46", 46},  // 45 -> 45.5 moves the bar, which rewrites the text
            {"44.5", "44.5", 44},
            {"90", "90", 90},
            {"359.6", "360", 360},
        };
        for (const Case& c : cases) {
            Fixture f;
            f.Open();
            f.Type(Field::Entries, c.typed);
            QCOMPARE(f.Text(Field::Entries), QString::fromLatin1(c.text));
            QCOMPARE(f.Bar(Field::Entries), c.bar);
            QVERIFY(f.h.presenter.shown.empty());
        }
        Fixture f;
        f.Open();
        f.dialog->azimuthBar(Field::LeftCross)->setValue(123);
        QCOMPARE(f.Text(Field::LeftCross), QStringLiteral("123"));
    }

    void outOfRangeAndBlankTextAreReportedAndLeaveTheBar() {
        Fixture f;
        f.Open();
        f.Type(Field::RightCross, "400");
        QCOMPARE(f.Bar(Field::RightCross), 40);
        QCOMPARE(f.Text(Field::RightCross), QStringLiteral("400"));
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, kOutOfRange400);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Project Parameters: Range Error"));
        QTest::keyClick(f.dialog->azimuthText(Field::RightCross), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.dialog->azimuthText(Field::RightCross), Qt::Key_Backspace);
        QCOMPARE(f.h.presenter.shown.back().text, std::string("Blank field not allowed"));
        QCOMPARE(f.Bar(Field::RightCross), 40);
    }

    void keysThatCannotMakeANumberAreDropped() {
        Fixture f;
        f.Open();
        f.Type(Field::Entries, "1x2-");
        QCOMPARE(f.Text(Field::Entries), QStringLiteral("12"));
    }

    // What reaches the analysis is a tolerance from 0 to 90, typed or from a class.
    void toleranceIsValidatedAndTheClassFollows() {
        struct Case {
            const char* typed;  // nullptr: the class `chosen` is picked instead
            int chosen;
            const char* text;
            const char* quality;
            const char* message;  // empty when the value is accepted
            float work;           // WorkParms after the last valid step
        };
        const std::string over = "Value '90.5' is outside input range\r\nValid range is: 0-90";
        const Case cases[] = {
            {"12.5", -1, "12.5", "Typed value", "", 12.5f},
            {"90", -1, "90", "Typed value", "", 90},
            {"20", -1, "20", "B (20)", "", 20},
            {nullptr, 3, "40", "D (40)", "", 40},
            {"90.5", -1, "90.5", "Typed value", over.c_str(), 90},
            {"\b", -1, "", "Typed value", "Blank field not allowed", 0},
        };
        for (const Case& c : cases) {
            Fixture f;
            ParametersDialog& d = f.Open();
            QSignalSpy refreshed(&d, &ParametersDialog::workParmsChanged);
            auto& quality = test::Child<QComboBox>(d, "cmbQuality");
            QCOMPARE(d.toleranceText()->text(), QStringLiteral("0"));
            if (c.typed != nullptr) {
                f.TypeInto(d.toleranceText(), c.typed);
            } else {
                quality.setCurrentIndex(c.chosen);
                emit quality.activated(c.chosen);
            }
            QCOMPARE(d.toleranceText()->text(), QString::fromLatin1(c.text));
            QCOMPARE(quality.currentText(), QString::fromLatin1(c.quality));
            QCOMPARE(f.h.state.workParms.SigmaHTolerance, c.work);
            const bool accepted = *c.message == '\0';
            QCOMPARE(f.h.presenter.shown.empty(), accepted);
            test::Click(d, "Command2");
            if (accepted) {
                QVERIFY(refreshed.count() > 0);
                QCOMPARE(f.h.state.project.ProjParms.SigmaHTolerance, c.work);
                QVERIFY(!f.h.state.project.IsSaved);
                continue;
            }
            QVERIFY(d.isVisible());
            QCOMPARE(f.h.presenter.shown.back().text, std::string(c.message));
            QCOMPARE(d.focusWidget(), d.toleranceText());
            QCOMPARE(f.h.state.project.ProjParms.SigmaHTolerance, 0.0f);
        }
    }

    void keptCrosscutsTurnWithTheEntries() {
        enum How { Typed, Scrolled, Set };
        struct Case {
            const char* what;
            bool keep;
            How how;
            float value;
            const char* entries;
            const char* left;
            const char* right;
        };
        // The project starts with entries 30, left crosscut 200, right crosscut 10.
        const Case cases[] = {
            {"off, typed", false, Typed, 75, "75", "200", "10"},
            {"off, set", false, Set, 350.5f, "350.5", "200", "10"},
            {"typed", true, Typed, 75, "75", "245", "55"},
            {"scrolled", true, Scrolled, 40, "40", "210", "20"},
            {"set with decimals", true, Set, 44.5f, "44.5", "214.5", "24.5"},
            {"set past 360", true, Set, 350.5f, "350.5", "160.5", "330.5"},
            {"set below 0", true, Set, 0, "0", "170", "340"},
        };
        for (const Case& c : cases) {
            Fixture f;
            Parms& p = f.h.state.project.ProjParms;
            p.AzimEntries = 30;
            p.AzimLeftCross = 200;
            p.AzimRightCross = 10;
            f.h.state.options.KeepCrossCutAngles = c.keep ? 1 : 0;
            ParametersDialog& d = f.Open();
            QCOMPARE(test::Child<QCheckBox>(d, "chkKeepCrossCuts").isChecked(), c.keep);
            if (c.how == Typed) {
                f.Type(Field::Entries, QByteArray::number(c.value).constData());
            } else if (c.how == Scrolled) {
                d.azimuthBar(Field::Entries)->setValue(static_cast<int>(c.value));
            } else {
                d.SetEntriesAzimuth(c.value);
            }
            QCOMPARE(f.Text(Field::Entries), QString::fromLatin1(c.entries));
            QCOMPARE(f.Text(Field::LeftCross), QString::fromLatin1(c.left));
            QCOMPARE(f.Text(Field::RightCross), QString::fromLatin1(c.right));
            // The views follow the values the boxes show, not their whole degrees.
            QCOMPARE(f.h.state.workParms.AzimLeftCross, f.Text(Field::LeftCross).toFloat());
            QCOMPARE(f.h.state.workParms.AzimEntries, f.Text(Field::Entries).toFloat());
            QVERIFY(f.h.presenter.shown.empty());
        }
    }

    void setHeadgateRedrawsOnceAndRefusesWhatTypingRefuses() {
        Fixture f;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.ShowStress = 0;
        ParametersDialog& d = f.Open();
        test::Click(d, "cmdView");
        QSignalSpy refreshed(&d, &ParametersDialog::workParmsChanged);
        d.SetHeadgateAzimuth(123.5f);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(f.Text(Field::HeadGate), QStringLiteral("123.5"));
        QCOMPARE(f.Bar(Field::HeadGate), 124);
        Parms view;
        UpdateViewParms(f.h.state.workParms, view);
        QCOMPARE(view.AzimHeadGate, 123.5f);
        QVERIFY(d.view()->displayList() == vornexa::Long_Paint(view));
        d.SetHeadgateAzimuth(400);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, kOutOfRange400);
        QCOMPARE(f.h.state.workParms.AzimHeadGate, 123.5f);
    }

    void keepCrosscutTickIsSavedWithTheOptions() {
        test::TempFolder dir;
        Fixture f;
        test::UseTemporaryFolders(f.h, dir);
        ParametersDialog& d = f.Open();
        auto& tick = test::Child<QCheckBox>(d, "chkKeepCrossCuts");
        QVERIFY(!tick.isChecked());
        for (const char* stored : {"1", "0"}) {
            tick.click();
            QCOMPARE(f.h.state.options.KeepCrossCutAngles, tick.isChecked() ? 1 : 0);
            QCOMPARE(IniFile::Load(f.h.state.iniPath).Get("VORNOptions", "KeepCrossCutAngles"),
                     std::optional<std::string>(stored));
        }
        f.h.state.iniPath = dir.file("missing/VORN.INI");
        tick.click();
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 "The options could not be saved to file: " + f.h.state.iniPath);
        test::Click(d, "Command1");
        QCOMPARE(f.h.state.options.KeepCrossCutAngles, 1);
    }

    void mnemonicsDoNotClashAndTheDialogFitsTheSmallScreen() {
        Fixture f;
        ParametersDialog& d = f.Open();
        QStringList captions;
        for (auto* button : d.findChildren<QAbstractButton*>()) {
            captions << button->text();
        }
        for (auto* label : d.findChildren<QLabel*>()) {
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
        // The diagram window stands beside it; a desktop panel and a title bar take height.
        QVERIFY(d.frameGeometry().width() <= 1024 - 470);
        QVERIFY(d.frameGeometry().height() <= 768 - 64);
    }

    void everyFieldIsValidatedWhateverThePlanType() {
        Fixture f;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.AzimEntries = 400;
        ParametersDialog& d = f.Open();
        f.h.presenter.shown.clear();
        test::Click(d, "Command2");
        QVERIFY(d.isVisible());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, kOutOfRange400);
        // The disabled field cannot take the focus; the plan type that opens it does.
        QCOMPARE(d.focusWidget(), &f.Option("optPlanType_0"));
        test::Click(d, "cmdResults");
        QCOMPARE(f.h.presenter.shown.size(), size_t{2});
        QVERIFY(f.h.state.outBuf[1].empty());
    }

    void firstFailingFieldInOrderTakesTheFocus() {
        Fixture f;
        f.h.state.project.ProjParms.AzimSigmaH = 500;
        f.h.state.project.ProjParms.AzimLeftCross = 400;
        ParametersDialog& d = f.Open();
        f.h.presenter.shown.clear();
        QVERIFY(!d.ValidateAzimuths());
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, kOutOfRange400);
        QCOMPARE(d.focusWidget(), d.azimuthText(Field::LeftCross));
    }

    void okWritesTheProjectAndCancelDropsTheEdits() {
        {
            Fixture f;
            f.h.state.project.IsSaved = true;
            ParametersDialog& d = f.Open();
            test::Click(d, "Command2");
            QVERIFY(f.h.state.messages.log.text().find("Project Parameters Modified") !=
                    std::string::npos);
            QVERIFY(!f.h.state.project.IsSaved);
            QVERIFY(!f.h.state.project.IsEmpty);
            QVERIFY(f.h.state.project.UnitsLocked);
            QCOMPARE(f.closedCalls, 1);
        }
        {
            Fixture f;
            const Parms before = f.h.state.project.ProjParms;
            ParametersDialog& d = f.Open();
            f.Type(Field::Entries, "77");
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(f.h.state.project.ProjParms == before);
            QVERIFY(f.h.state.project.IsSaved);
            QVERIFY(f.h.state.messages.log.text().find("Project Parameters Not Modified") !=
                    std::string::npos);
            f.Flush();
            QVERIFY(f.dialog.isNull());
        }
        {
            Fixture f;
            ParametersDialog& d = f.Open();
            f.Type(Field::Entries, "44.5");
            test::Click(d, "Command2");
            QCOMPARE(f.h.state.project.ProjParms.AzimEntries, 44.5f);
        }
    }

    void resultsShowTheOutputWindowOnTheResults() {
        Fixture f;
        ParametersDialog& d = f.Open();
        f.Type(Field::Entries, "30");
        int page = -1;
        QTimer::singleShot(0, [&page] {
            auto* output = qobject_cast<OutputWindow*>(QApplication::activeModalWidget());
            QVERIFY(output != nullptr);
            page = output->currentPage();
            output->close();
        });
        test::Click(d, "cmdResults");
        QCOMPARE(page, 1);
        QVERIFY(f.h.state.outBuf[1].find("Angle of Entries to SigmaH") != std::string::npos);
        QCOMPARE(f.h.state.workParms.AzimEntries, 30.0f);
    }

    void viewOpensOneDiagramAndPlacesItBesideTheDialog() {
        Fixture f;
        f.h.state.options.AutoPositionView = 1;
        ParametersDialog& d = f.Open();
        test::Click(d, "cmdView");
        test::Click(d, "cmdView");
        f.Flush();
        QCOMPARE(d.findChildren<DiagramWindow*>().size(), qsizetype{1});
        const QRect area = d.screen()->availableGeometry();
        QCOMPARE(d.frameGeometry().left(), area.left());
        QCOMPARE(d.view()->frameGeometry().left(), area.left() + d.frameGeometry().width());
    }

    void openViewWithLoadShowsTheDiagramAtOnce() {
        Fixture f;
        f.h.state.options.OpenViewWithLoad = 1;
        ParametersDialog& d = f.Open();
        QVERIFY(d.view() != nullptr && d.view()->isVisible());
        const QPoint before = d.pos();
        QVERIFY(d.view()->windowTitle() == QStringLiteral("View Stress Orientation"));
        QCOMPARE(d.pos(), before);
    }

    void diagramFollowsEveryValidChange() {
        Fixture f;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.ShowStress = 0;
        ParametersDialog& d = f.Open();
        test::Click(d, "cmdView");
        Parms view;
        UpdateViewParms(f.h.state.workParms, view);
        QVERIFY(d.view()->displayList() == vornexa::Long_Paint(view));
        QTest::mouseClick(&f.Option("optPlanType_0"), Qt::LeftButton);
        UpdateViewParms(f.h.state.workParms, view);
        QVERIFY(d.view()->displayList() == vornexa::Dev_Paint(view));
        f.Type(Field::SigmaH, "45");
        QCOMPARE(f.h.state.workParms.AzimSigmaH, 45.0f);
        UpdateViewParms(f.h.state.workParms, view);
        QVERIFY(d.view()->displayList() == vornexa::Dev_Paint(view));
        const QPointer<DiagramWindow> diagram = d.view();
        test::Click(d, "Command1");
        f.Flush();
        QVERIFY(f.dialog.isNull());
        QVERIFY(diagram.isNull());
    }

    void stressGraphOpensWithTheTickAndClosesOnTheNextRefresh() {
        Fixture f;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.ShowStress = 0;
        ParametersDialog& d = f.Open();
        QVERIFY(d.plot() == nullptr);
        auto& tick = test::Child<QCheckBox>(d, "chkShowStress");
        tick.click();
        QVERIFY(d.plot() != nullptr && d.plot()->isVisible());
        tick.click();
        QVERIFY(d.plot() != nullptr);
        d.azimuthBar(Field::HeadGate)->setValue(20);
        QVERIFY(d.plot() == nullptr);
        tick.click();
        QTest::mouseClick(&f.Option("optPlanType_0"), Qt::LeftButton);
        QVERIFY(d.plot() == nullptr);
    }

    void graphSitsUnderTheDialogAgainstTheDiagram() {
        Fixture f;
        f.h.state.options.AutoPositionView = 1;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.ShowStress = 1;
        ParametersDialog& d = f.Open();
        test::Click(d, "cmdView");
        QVERIFY(d.plot() != nullptr);
        const QRect graph = d.plot()->frameGeometry();
        QCOMPARE(d.frameGeometry().top(), d.view()->frameGeometry().top());
        QCOMPARE(graph.right() + 1, d.view()->frameGeometry().left());
        QVERIFY(d.screen()->availableGeometry().contains(graph));
    }

    void graphBesideTheDialogWithoutTheDiagram() {
        Fixture f;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.ShowStress = 1;
        ParametersDialog& d = f.Open();
        d.move(0, 20);
        d.RefreshViews();
        QVERIFY(d.plot() != nullptr);
        d.plot()->resize(300, 250);
        d.RefreshViews();
        QCOMPARE(d.plot()->frameGeometry().left(), d.frameGeometry().right() + 1);
    }

    void graphModuleLoadsOnFirstUseOrTellsWhyOnce_data() {
        QTest::addColumn<QString>("module");   // what the module's name links to; empty for nothing
        QTest::addColumn<QString>("message");  // how the one message starts; empty for none
        QTest::newRow("the graph module") << "libvornexa_graph.so"
                                          << "";
        QTest::newRow("missing") << ""
                                 << "Cannot load ";
        QTest::newRow("not a module") << "vornexa"
                                      << "Cannot load ";
        QTest::newRow("another module") << "libvornexa_export.so"
                                        << "Cannot start ";
    }

    void graphModuleLoadsOnFirstUseOrTellsWhyOnce() {
        QFETCH(QString, module);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        const std::string name = folder + "libvornexa_graph.so";
        if (!module.isEmpty()) {
            std::filesystem::create_symlink(ProgramFolder() + module.toStdString(), name);
        }
        Fixture f;
        f.h.state.folders.program = folder;
        f.h.state.project.ProjParms.PlanType = 1;
        f.h.state.project.ProjParms.ShowStress = 1;
        ParametersDialog& d = f.Open();
        d.RefreshViews();
        d.RefreshViews();
        QCOMPARE(d.plot() != nullptr, message.isEmpty());
        QCOMPARE(f.h.presenter.shown.size(), message.isEmpty() ? 0U : 1U);
        if (!message.isEmpty()) {
            QVERIFY(f.h.presenter.shown[0].text.starts_with(message.toStdString() + name + ": "));
        }
    }

    void mainWindowIsDisabledWhileTheDialogIsOpen() {
        test::WindowHarness h;
        h.state.options.OpenViewWithLoad = 0;
        h.state.options.ShowInputScreenOnLoad = 1;
        MainWindow window(h.ctx);
        window.show();
        QVERIFY(window.editItem(1)->isEnabled());
        QCOMPARE(window.editItem(1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
        QVERIFY(window.toolbarButton(5)->isEnabled());
        window.mnuFileItem_Click(0);
        ParametersDialog* d = window.parametersDialog();
        QVERIFY(d != nullptr);
        QVERIFY(!window.isEnabled());
        QVERIFY(d->isEnabled());
        test::Click(*d, "Command2");
        QVERIFY(window.isEnabled());
        QVERIFY(window.windowTitle().endsWith(QLatin1Char('*')));
    }

    void nextFormGoesOnToTheParameters() {
        test::WindowHarness h;
        h.state.options.OpenViewWithLoad = 0;
        MainWindow window(h.ctx);
        window.show();
        QTimer::singleShot(0, [] {
            auto* editor = qobject_cast<DescriptionEditor*>(QApplication::activeModalWidget());
            QVERIFY(editor != nullptr);
            test::Click(*editor, "Command4");
        });
        window.mnuEditItem_Click(0);
        QVERIFY(window.parametersDialog() != nullptr);
        QVERIFY(h.state.messages.log.text().find("Project Description Modified") !=
                std::string::npos);
    }

    // Not a pass/fail test: the time per scroll step with every view open,
    // the layout finder too, over a band wide enough to have breakpoints.
    void scrollDragOf360Steps() {
        for (const int16_t plan : {int16_t{0}, int16_t{1}}) {
            Fixture f;
            f.h.state.project.ProjParms.PlanType = plan;
            f.h.state.project.ProjParms.ShowStress = 1;
            f.h.state.project.ProjParms.SigmaHTolerance = 40;
            ParametersDialog& d = f.Open();
            test::Click(d, "cmdView");
            LayoutFinderWindow finder(f.h.ctx, {});
            finder.Follow(&d);
            finder.show();
            QScrollBar* bar = d.azimuthBar(Field::SigmaH);
            std::vector<double> steps;
            QElapsedTimer timer;
            for (int step = 1; step <= 360; ++step) {
                timer.start();
                bar->setValue(step);
                QCoreApplication::processEvents();
                steps.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            }
            std::sort(steps.begin(), steps.end());
            qInfo("%s: median %.3f ms, longest %.3f ms per SigmaH step (360 steps)",
                  plan == 0 ? "development with finder" : "longwall with graph and finder",
                  steps[steps.size() / 2], steps.back());
            QCOMPARE(f.Text(Field::SigmaH), QStringLiteral("360"));
            QVERIFY(f.h.presenter.shown.empty());
        }
    }
};

QTEST_MAIN(ParametersDialogTest)
#include "parameters_dialog_test.moc"
