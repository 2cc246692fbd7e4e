#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <string>
#include <vector>

#include "support/window_harness.h"
#include "ui/project/stress_dialog.h"

using namespace vornexa;
using test::Child;
using test::Click;

namespace {

QString Visible(const QLabel& label) {
    return label.text().remove(QLatin1Char('&'));
}

// A dialog over a new English project ("Eastern US", 1000 ft, 2 million psi).
struct Fixture {
    StressDialog& Open() {
        dialog = new StressDialog(h.ctx, [this] { ++closedCalls; });
        dialog->Open();
        return *dialog;
    }
    QLineEdit& Box(const char* name) { return Child<QLineEdit>(*dialog, name); }
    QComboBox& Region() { return Child<QComboBox>(*dialog, "cmbRegion"); }
    QString Stress() { return Box("txtStress").text(); }
    void Pick(int index) {
        Region().setCurrentIndex(index);
        emit Region().activated(index);
    }
    void TypeRegion(const QString& text) {
        QLineEdit* edit = Region().lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& s : h.presenter.shown) {
            texts.push_back(s.text);
        }
        return texts;
    }
    bool Logged(const char* line) const {
        return h.state.messages.log.text().find(line) != std::string::npos;
    }
    void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    test::WindowHarness h;
    QPointer<StressDialog> dialog;
    int closedCalls = 0;
};

const char* const kClosers[] = {"cmdCancel", "Escape", "close box"};

void CloseBy(Fixture& f, const QString& how) {
    if (how == QLatin1String("cmdCancel")) {
        Click(*f.dialog, "cmdCancel");
    } else if (how == QLatin1String("Escape")) {
        QTest::keyClick(f.dialog, Qt::Key_Escape);
    } else {
        f.dialog->close();
    }
}

}  // namespace

class StressDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsCarryTheUnitsOfTheProject_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("modulus");
        QTest::addColumn<QString>("stress");
        QTest::newRow("English") << 0 << "Depth of cover (ft)"
                                 << "Modulus of rock (million psi)"
                                 << "Horizontal Stress (psi)";
        QTest::newRow("Metric") << 1 << "Depth of cover (m)"
                                << "Modulus of rock (GPa)"
                                << "Horizontal Stress (MPa)";
        QTest::newRow("any other system is Metric") << 3 << "Depth of cover (m)"
                                                    << "Modulus of rock (GPa)"
                                                    << "Horizontal Stress (MPa)";
    }
    void captionsCarryTheUnitsOfTheProject() {
        QFETCH(QString, depth);
        QFETCH(QString, modulus);
        QFETCH(QString, stress);
        QFETCH(int, units);
        Fixture f;
        f.h.state.project.CurrentUnits = static_cast<int16_t>(units);
        StressDialog& d = f.Open();
        QCOMPARE(d.windowTitle(), QStringLiteral("Magnitude of Horizontal Stress"));
        QCOMPARE(Visible(Child<QLabel>(d, "Label1")), depth);
        QCOMPARE(Visible(Child<QLabel>(d, "Label2")), modulus);
        QCOMPARE(Visible(Child<QLabel>(d, "Label3")), stress);
        QCOMPARE(Visible(Child<QLabel>(d, "lblRegion")), QStringLiteral("Region"));
        QCOMPARE(Child<QGroupBox>(d, "frameSigmaH").title(), QStringLiteral("Input parameters"));
        QCOMPARE(Child<QGroupBox>(d, "frame1").title(),
                 QStringLiteral("Estimation of horizontal stress"));
    }

    void everyLabelLeadsToItsBox_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::newRow("region") << "lblRegion"
                                << "cmbRegion";
        QTest::newRow("depth") << "Label1"
                               << "txtDepthCover";
        QTest::newRow("modulus") << "Label2"
                                 << "txtModulus";
        QTest::newRow("stress") << "Label3"
                                << "txtStress";
    }
    void everyLabelLeadsToItsBox() {
        QFETCH(QString, label);
        QFETCH(QString, box);
        Fixture f;
        StressDialog& d = f.Open();
        const auto* caption = d.findChild<QLabel*>(label);
        QVERIFY(caption != nullptr);
        QVERIFY(caption->text().contains(QLatin1Char('&')));
        QVERIFY(caption->buddy() != nullptr);
        QCOMPARE(caption->buddy()->objectName(), box);
    }

    void loadShowsTheProjectAndItsEstimate() {
        Fixture f;
        StressDialog& d = f.Open();
        QComboBox& region = f.Region();
        QVERIFY(region.isEditable());
        const QStringList names{"Eastern US", "Western US", "UK/Germany", "NSW Australia",
                                "Qld Australia"};
        QCOMPARE(region.count(), names.size());
        for (int i = 0; i < region.count(); ++i) {
            QCOMPARE(region.itemText(i), names[i]);
        }
        QCOMPARE(region.currentIndex(), 0);
        QCOMPARE(f.Box("txtDepthCover").text(), QStringLiteral("1000"));
        QCOMPARE(f.Box("txtModulus").text(), QStringLiteral("2"));
        QCOMPARE(f.Stress(), QStringLiteral("2162"));
        QVERIFY(d.isVisible());
        QVERIFY(f.h.presenter.shown.empty());
    }

    void loadEstimatesWithoutValidating() {
        Fixture f;
        f.h.state.project.StressRegion = 2;
        f.h.state.project.DepthCover = 0;
        f.h.state.project.RockModulus = 0.5f;
        f.Open();
        QVERIFY(f.h.presenter.shown.empty());
        QCOMPARE(f.Region().currentText(), QStringLiteral("UK/Germany"));
        QCOMPARE(f.Box("txtModulus").text(), QStringLiteral("0.5"));
        QCOMPARE(f.Stress(), QStringLiteral("-93"));
    }

    void estimateFollowsEveryValidChange_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("modulus");
        QTest::addColumn<QString>("stress");
        QTest::newRow("English example") << 0 << 0 << "1000"
                                         << "2"
                                         << "2162";
        QTest::newRow("Metric example") << 1 << 0 << "304.8"
                                        << "13.8"
                                        << "14.9";
        QTest::newRow("negative estimate shown") << 0 << 2 << "10"
                                                 << "0.1"
                                                 << "-250";
        QTest::newRow("Western US") << 0 << 1 << "2000"
                                    << "3"
                                    << "2492";
        QTest::newRow("NSW Australia metric") << 1 << 3 << "500"
                                              << "20"
                                              << "27.0";
        QTest::newRow("trailing text ignored") << 0 << 0 << "12abc"
                                               << "2"
                                               << "542";
        QTest::newRow("leading blanks ignored") << 0 << 4 << "  100"
                                                << " 1"
                                                << "248";
    }
    void estimateFollowsEveryValidChange() {
        QFETCH(QString, depth);
        QFETCH(QString, modulus);
        QFETCH(QString, stress);
        QFETCH(int, units);
        QFETCH(int, region);
        Fixture f;
        f.h.state.project.CurrentUnits = static_cast<int16_t>(units);
        f.Open();
        f.Pick(region);
        f.Box("txtDepthCover").setText(depth);
        f.Box("txtModulus").setText(modulus);
        QCOMPARE(f.Stress(), stress);
        QVERIFY(f.h.presenter.shown.empty());
    }

    void invalidInputsAreReportedInOrder_data() {
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("modulus");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("zero depth") << "0"
                                    << "2"
                                    << "Invalid depth of cover"
                                    << "txtDepthCover";
        QTest::newRow("empty depth") << ""
                                     << "2"
                                     << "Invalid depth of cover"
                                     << "txtDepthCover";
        QTest::newRow("negative depth") << "-5"
                                        << "2"
                                        << "Invalid depth of cover"
                                        << "txtDepthCover";
        QTest::newRow("negative modulus") << "1000"
                                          << "-1"
                                          << "Invalid rock modulus"
                                          << "txtModulus";
        QTest::newRow("empty modulus") << "1000"
                                       << ""
                                       << "Invalid rock modulus"
                                       << "txtModulus";
        QTest::newRow("both invalid") << "0"
                                      << "-1"
                                      << "Invalid depth of cover"
                                      << "txtDepthCover";
    }
    void invalidInputsAreReportedInOrder() {
        QFETCH(QString, depth);
        QFETCH(QString, modulus);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Fixture f;
        StressDialog& d = f.Open();
        f.Box("txtDepthCover").setText(QStringLiteral("500"));
        const QString before = f.Stress();
        f.h.presenter.shown.clear();
        // Both boxes at once, so that only the check itself speaks.
        {
            const QSignalBlocker blockDepth(f.Box("txtDepthCover"));
            const QSignalBlocker blockModulus(f.Box("txtModulus"));
            f.Box("txtDepthCover").setText(depth);
            f.Box("txtModulus").setText(modulus);
        }
        QVERIFY(!d.ValidateStressInputs());
        QCOMPARE(f.Messages(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(f.h.presenter.shown[0].style, 0);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Vornexa"));
        QCOMPARE(d.focusWidget()->objectName(), focus);
        QCOMPARE(f.Stress(), before);
    }

    void aChangeToAnInvalidValueSpeaksAtOnceAndKeepsTheEstimate_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("depth 0") << "txtDepthCover"
                                 << "0"
                                 << "Invalid depth of cover";
        QTest::newRow("depth cleared") << "txtDepthCover"
                                       << ""
                                       << "Invalid depth of cover";
        QTest::newRow("modulus negative") << "txtModulus"
                                          << "-2"
                                          << "Invalid rock modulus";
    }
    void aChangeToAnInvalidValueSpeaksAtOnceAndKeepsTheEstimate() {
        QFETCH(QString, message);
        QFETCH(QString, box);
        QFETCH(QString, text);
        Fixture f;
        f.Open();
        f.Box(box.toLatin1().constData()).setText(text);
        QCOMPARE(f.Messages(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(f.Stress(), QStringLiteral("2162"));
    }

    void valuesBeyondASingleAreRefused_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString digits43 = QStringLiteral("1") + QString(42, QLatin1Char('0'));
        // On the way the modulus passes finite values whose estimate is not.
        QTest::newRow("depth typed")
            << "txtDepthCover" << false << digits43 << "Invalid depth of cover";
        QTest::newRow("modulus typed")
            << "txtModulus" << false << digits43 << "Invalid rock modulus";
        QTest::newRow("pasted") << "txtModulus" << true << "1e400"
                                << "Invalid rock modulus";
    }
    void valuesBeyondASingleAreRefused() {
        QFETCH(QString, box);
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Fixture f;
        StressDialog& d = f.Open();
        QLineEdit& field = f.Box(qPrintable(box));
        field.setFocus();
        field.selectAll();
        QGuiApplication::clipboard()->setText(text);
        pasted ? QTest::keySequence(&field, QKeySequence::Paste) : QTest::keyClicks(&field, text);
        Click(d, "cmdOK");
        QVERIFY(!f.Messages().empty());
        for (const std::string& shown : f.Messages()) {
            QCOMPARE(QString::fromStdString(shown), message);
        }
        QVERIFY(!f.Stress().contains(QLatin1String("Infinity")) && d.isVisible());
        QVERIFY(f.h.state.project.DepthCover == 1000.0f && f.h.state.project.RockModulus == 2.0f);
    }

    void regionChangeIsValidatedToo() {
        Fixture f;
        f.h.state.project.DepthCover = 0;
        f.Open();
        f.Pick(1);
        QCOMPARE(f.Messages(), std::vector<std::string>{"Invalid depth of cover"});
        f.Box("txtDepthCover").setText(QStringLiteral("1000"));
        QCOMPARE(f.Stress(), QStringLiteral("1302"));
    }

    void keysThatCannotMakeANumberAreDropped_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("depth") << "txtDepthCover"
                               << "1x2-"
                               << "12";
        QTest::newRow("modulus") << "txtModulus"
                                 << "2a.5b"
                                 << "2.5";
    }
    void keysThatCannotMakeANumberAreDropped() {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, box);
        Fixture f;
        f.Open();
        QLineEdit& field = f.Box(box.toLatin1().constData());
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, keys);
        QCOMPARE(field.text(), text);
    }

    void okStoresTheInputsAndClosesTheDialog_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("modulus");
        QTest::addColumn<float>("storedDepth");
        QTest::addColumn<float>("storedModulus");
        QTest::newRow("English") << 0 << 3 << "1500"
                                 << "2.5" << 1500.0f << 2.5f;
        QTest::newRow("Metric") << 1 << 4 << "304.8"
                                << "13.8" << 304.8f << 13.8f;
        QTest::newRow("trailing text") << 0 << 1 << "12abc"
                                       << "3x" << 12.0f << 3.0f;
    }
    void okStoresTheInputsAndClosesTheDialog() {
        QFETCH(QString, depth);
        QFETCH(QString, modulus);
        QFETCH(float, storedDepth);
        QFETCH(float, storedModulus);
        QFETCH(int, units);
        QFETCH(int, region);
        Fixture f;
        ProjectRecord& p = f.h.state.project;
        p.CurrentUnits = static_cast<int16_t>(units);
        StressDialog& d = f.Open();
        f.Pick(region);
        f.Box("txtDepthCover").setText(depth);
        f.Box("txtModulus").setText(modulus);
        Click(d, "cmdOK");
        QCOMPARE(p.StressRegion, static_cast<int16_t>(region));
        QCOMPARE(p.DepthCover, storedDepth);
        QCOMPARE(p.RockModulus, storedModulus);
        QVERIFY(!p.IsSaved);
        QVERIFY(!p.IsEmpty);
        QVERIFY(p.UnitsLocked);
        QVERIFY(f.Logged("Stress Parameters Modified"));
        QVERIFY(!f.Logged("Not Modified"));
        QCOMPARE(f.closedCalls, 1);
        f.Flush();
        QVERIFY(f.dialog.isNull());
    }

    void okWithAnInvalidInputStoresNothing() {
        Fixture f;
        StressDialog& d = f.Open();
        f.Pick(2);
        f.Box("txtModulus").setText(QStringLiteral("-1"));
        f.h.presenter.shown.clear();
        Click(d, "cmdOK");
        QCOMPARE(f.Messages(), std::vector<std::string>{"Invalid rock modulus"});
        QVERIFY(d.isVisible());
        QCOMPARE(f.h.state.project.StressRegion, int16_t{0});
        QCOMPARE(f.h.state.project.RockModulus, 2.0f);
        QVERIFY(f.h.state.project.IsSaved);
        QCOMPARE(f.closedCalls, 0);
    }

    void returnKeyActsAsOk_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("region from the list") << "NSW Australia" << true;
        QTest::newRow("region naming no entry") << "Australia" << false;
    }
    void returnKeyActsAsOk() {
        QFETCH(QString, region);
        QFETCH(bool, accepted);
        Fixture f;
        f.Open();
        f.TypeRegion(region);
        QTest::keyClick(f.Region().lineEdit(), Qt::Key_Return);
        QCOMPARE(f.closedCalls, accepted ? 1 : 0);
        QCOMPARE(f.h.state.project.StressRegion, static_cast<int16_t>(accepted ? 3 : 0));
        QCOMPARE(f.h.presenter.shown.empty(), accepted);
    }

    void everyOtherWayOutLeavesTheProjectUnchanged_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : kClosers) {
            QTest::newRow(how) << how;
        }
    }
    void everyOtherWayOutLeavesTheProjectUnchanged() {
        QFETCH(QString, how);
        Fixture f;
        ProjectRecord& p = f.h.state.project;
        f.Open();
        f.Pick(3);
        f.Box("txtDepthCover").setText(QStringLiteral("750"));
        f.Box("txtModulus").setText(QStringLiteral("4"));
        CloseBy(f, how);
        QCOMPARE(p.StressRegion, int16_t{0});
        QCOMPARE(p.DepthCover, 1000.0f);
        QCOMPARE(p.RockModulus, 2.0f);
        QVERIFY(p.IsSaved);
        QVERIFY(p.IsEmpty);
        QVERIFY(!p.UnitsLocked);
        QVERIFY(f.Logged("Stress Parameters Not Modified"));
        QCOMPARE(f.closedCalls, 1);
        f.Flush();
        QVERIFY(f.dialog.isNull());
    }

    void typingIntoTheEstimateStoresNothing() {
        Fixture f;
        StressDialog& d = f.Open();
        QLineEdit& stress = f.Box("txtStress");
        stress.setFocus();
        QTest::keyClicks(&stress, QStringLiteral("999"));
        QCOMPARE(stress.text(), QStringLiteral("2162"));
        Click(d, "cmdOK");
        QCOMPARE(f.h.state.project.DepthCover, 1000.0f);
        QCOMPARE(f.h.state.project.RockModulus, 2.0f);
        QCOMPARE(f.h.state.project.StressRegion, int16_t{0});
    }

    void typedRegionNamingAnEntrySelectsIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("stress");
        QTest::newRow("exact") << "UK/Germany" << 2 << "1232";
        QTest::newRow("other case") << "western us" << 1 << "1302";
        QTest::newRow("blanks around") << "  Qld Australia " << 4 << "1882";
    }
    void typedRegionNamingAnEntrySelectsIt() {
        QFETCH(QString, typed);
        QFETCH(QString, stress);
        QFETCH(int, index);
        Fixture f;
        StressDialog& d = f.Open();
        f.TypeRegion(typed);
        QCOMPARE(f.Region().currentIndex(), index);
        QCOMPARE(f.Region().currentText(), f.Region().itemText(index));
        QCOMPARE(f.Stress(), stress);
        Click(d, "cmdOK");
        QCOMPARE(f.h.state.project.StressRegion, static_cast<int16_t>(index));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void typedRegionNamingNoEntryBlanksTheEstimateAndBlocksOk() {
        Fixture f;
        StressDialog& d = f.Open();
        f.TypeRegion(QStringLiteral("Eastern"));
        QCOMPARE(f.Region().currentText(), QStringLiteral("Eastern"));
        QCOMPARE(f.Stress(), QString());
        f.Box("txtDepthCover").setText(QStringLiteral("2000"));
        QCOMPARE(f.Stress(), QString());
        QVERIFY(f.h.presenter.shown.empty());
        Click(d, "cmdOK");
        QCOMPARE(f.Messages(), std::vector<std::string>{"Choose a region from the list"});
        QCOMPARE(f.h.presenter.shown[0].style, 0);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Vornexa"));
        QCOMPARE(d.focusWidget(), &f.Region());
        QVERIFY(d.isVisible());
        QCOMPARE(f.closedCalls, 0);
        QCOMPARE(f.h.state.project.DepthCover, 1000.0f);
        f.Pick(0);
        QCOMPARE(f.Stress(), QStringLiteral("3802"));
        Click(d, "cmdOK");
        QCOMPARE(f.h.state.project.StressRegion, int16_t{0});
        QCOMPARE(f.h.state.project.DepthCover, 2000.0f);
    }

    void regionOutsideTheTableOpensWithNoneChosen() {
        Fixture f;
        f.h.state.project.StressRegion = 7;
        StressDialog& d = f.Open();
        QCOMPARE(f.Region().currentText(), QString());
        QCOMPARE(f.Stress(), QString());
        Click(d, "cmdOK");
        QCOMPARE(f.Messages(), std::vector<std::string>{"Choose a region from the list"});
        QCOMPARE(f.h.state.project.StressRegion, int16_t{7});
        QVERIFY(f.h.state.project.IsSaved);
    }

    void helpGivesTheContextHelpHint() {
        Fixture f;
        StressDialog& d = f.Open();
        Click(d, "cmdHelp");
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Help"));
        QVERIFY(d.isVisible());
    }
};

QTEST_MAIN(StressDialogTest)
#include "stress_dialog_test.moc"
