#include <QAbstractButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>

#include "support/window_harness.h"
#include "ui/utilities/file_conversion_dialog.h"

using namespace vornexa;
using test::Child;

namespace {

struct Fixture {
    explicit Fixture(int16_t units, std::string file = "/jobs/mine.VRN") {
        h.state.project.CurrentUnits = units;
        h.state.project.CurrentFile = std::move(file);
        h.state.project.DepthCover = units == 0 ? 1000.0f : 300.0f;
        h.state.project.RockModulus = units == 0 ? 2.0f : 20.7f;
    }
    QRadioButton& Option(const char* name) { return Child<QRadioButton>(dialog(), name); }
    FileConversionDialog& dialog() {
        if (!dialog_) {
            dialog_ = std::make_unique<FileConversionDialog>(h.ctx);
        }
        return *dialog_;
    }
    void Convert() {
        dialog().show();
        test::Click(dialog(), "Command2");
    }

    test::WindowHarness h;
    std::unique_ptr<FileConversionDialog> dialog_;
};

}  // namespace

class FileConversionDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void theCurrentSystemCannotBeChosen_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("target");
        QTest::newRow("English") << 0 << "Option1_0"
                                 << "Option1_1";
        QTest::newRow("Metric") << 1 << "Option1_1"
                                << "Option1_0";
    }
    void theCurrentSystemCannotBeChosen() {
        QFETCH(int, units);
        QFETCH(QString, current);
        QFETCH(QString, target);
        Fixture f(static_cast<int16_t>(units));
        QVERIFY(!f.Option(qPrintable(current)).isEnabled());
        QVERIFY(!f.Option(qPrintable(current)).isChecked());
        QVERIFY(f.Option(qPrintable(target)).isChecked());
        QVERIFY(f.Option("Option2_0").isChecked());
        QVERIFY(!f.Option("Option2_1").isEnabled());
        QCOMPARE(f.dialog().windowTitle(), QStringLiteral("File Conversion Utility"));
        QVERIFY(f.h.state.messages.log.text().find("Loading File Conversion Form") !=
                std::string::npos);
    }

    void metricToEnglishConvertsDepthAndModulus() {
        Fixture f(1, "/jobs/mine.VRN");
        f.Convert();
        const ProjectRecord& p = f.h.state.project;
        QCOMPARE(p.CurrentUnits, int16_t{0});
        QVERIFY(std::abs(p.DepthCover - 984.2519f) < 1e-3f);
        QCOMPARE(p.RockModulus, 3.0f);
        QCOMPARE(p.CurrentFile, std::string("English_mine.VRN"));
        QVERIFY(!p.IsSaved);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 std::string("Conversion Completed: The conversion form will be closed"));
        QCOMPARE(f.h.presenter.shown[0].style, 0);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Vornexa"));
        QVERIFY(!f.dialog().isVisible());
        QCOMPARE(f.dialog().result(), int(QDialog::Accepted));
    }

    void aValuePastTheFloatRangeStopsTheConversion() {
        Fixture f(1);
        f.h.state.project.DepthCover = 2e38f;
        f.Convert();
        QCOMPARE(f.h.presenter.shown.at(0).text,
                 std::string("Error in the Conversion Procedure. Call technical support"));
        const ProjectRecord& p = f.h.state.project;
        QVERIFY(p.CurrentUnits == 1 && p.DepthCover == 2e38f && p.RockModulus == 20.7f);
        QVERIFY(p.CurrentFile == "/jobs/mine.VRN" && p.IsSaved);
    }

    void convertingTwiceStacksThePrefixes() {
        Fixture f(0, "/jobs/mine.VRN");
        f.Convert();
        QCOMPARE(f.h.state.project.CurrentFile, std::string("Metric_mine.VRN"));
        Fixture again(0);
        again.h.state.project = f.h.state.project;
        again.Convert();
        const ProjectRecord& p = again.h.state.project;
        QCOMPARE(p.CurrentFile, std::string("English_Metric_mine.VRN"));
        QVERIFY(std::abs(p.DepthCover - 1000.0f) < 1e-2f);
        QCOMPARE(p.RockModulus, 2.0f);
    }

    void cancelAndTheCloseBoxChangeNothing() {
        for (bool closeBox : {false, true}) {
            Fixture f(0);
            f.dialog().show();
            if (closeBox) {
                f.dialog().close();
            } else {
                test::Click(f.dialog(), "Command1");
            }
            QCOMPARE(f.h.state.project.CurrentFile, std::string("/jobs/mine.VRN"));
            QCOMPARE(f.h.state.project.CurrentUnits, int16_t{0});
            QVERIFY(f.h.state.project.IsSaved);
            QVERIFY(f.h.presenter.shown.empty());
        }
    }
};

QTEST_MAIN(FileConversionDialogTest)
#include "file_conversion_dialog_test.moc"
