#include <QCheckBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include "core/program_release.h"
#include "support/window_harness.h"
#include "ui/about/disclaimer_window.h"
#include "util/ini_file.h"

using namespace vornexa;

namespace {

enum Way { ByOk, ByEscape, ByCloseBox };

struct Fixture {
    Fixture() {
        h.state.iniPath = dir.file("VORN.INI");
        test::WriteAll(h.state.iniPath, "[Settings]\r\nShowDisclaim=1\r\nMaxDisplaySize=999\r\n");
    }
    DisclaimerWindow& Open() {
        window = std::make_unique<DisclaimerWindow>(h.ctx);
        window->show();
        return *window;
    }
    QCheckBox& Box() { return test::Child<QCheckBox>(*window, "chkShow"); }
    void Leave(Way way) {
        switch (way) {
            case ByOk:
                test::Click(*window, "Command1");
                break;
            case ByEscape:
                QTest::keyClick(window.get(), Qt::Key_Escape);
                break;
            case ByCloseBox:
                window->close();
                break;
        }
    }
    std::optional<std::string> Written(const char* key) const {
        return IniFile::Load(h.state.iniPath).Get("Settings", key);
    }

    test::TempFolder dir;
    test::WindowHarness h;
    std::unique_ptr<DisclaimerWindow> window;
};

}  // namespace

class DisclaimerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheDisclaimerUnderTheProgramsName() {
        Fixture f;
        f.h.state.exeName = "OTHERNAME";
        DisclaimerWindow& w = f.Open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Disclaimer for OTHERNAME"));
        auto& text = test::Child<QPlainTextEdit>(w, "lblDisclaimer");
        QVERIFY(text.isReadOnly());
        const QString shown = text.toPlainText();
        QVERIFY(
            shown.startsWith(QStringLiteral("Disclaimer of Liability Clause\n\nThis software")));
        QVERIFY(!shown.contains(QLatin1Char('\r')));
        QVERIFY(shown.contains(QString::fromLatin1(kSupportMail.data(), kSupportMail.size())));
        QVERIFY(!f.Box().isChecked());
        QVERIFY(f.h.presenter.shown.empty());
    }

    void fitsTheScreen() {
        Fixture f;
        DisclaimerWindow& w = f.Open();
        const QRect area = w.screen()->availableGeometry();
        QVERIFY(area.contains(w.frameGeometry()));
    }

    void everyWayOutKeepsTheChoiceAndRewritesTheSettings_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("expected");
        QTest::newRow("OK ticked") << int(ByOk) << true << 0;
        QTest::newRow("OK unticked") << int(ByOk) << false << 1;
        QTest::newRow("Escape ticked") << int(ByEscape) << true << 0;
        QTest::newRow("Escape unticked") << int(ByEscape) << false << 1;
        QTest::newRow("close box ticked") << int(ByCloseBox) << true << 0;
        QTest::newRow("close box unticked") << int(ByCloseBox) << false << 1;
    }
    void everyWayOutKeepsTheChoiceAndRewritesTheSettings() {
        QFETCH(int, way);
        QFETCH(bool, ticked);
        QFETCH(int, expected);
        Fixture f;
        DisclaimerWindow& w = f.Open();
        if (ticked) {
            QTest::mouseClick(&f.Box(), Qt::LeftButton);
        }
        f.Leave(static_cast<Way>(way));
        QVERIFY(!w.isVisible());
        QCOMPARE(f.h.state.settings.ShowDisclaim, int16_t(expected));
        QCOMPARE(f.Written("ShowDisclaim"), std::optional<std::string>(std::to_string(expected)));
        QCOMPARE(f.Written("MaxDisplaySize"), std::optional<std::string>("2048"));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void reopenedAfterTickingOffersTheBoxAgainAndKeepsItOff() {
        Fixture f;
        f.Open();
        QTest::mouseClick(&f.Box(), Qt::LeftButton);
        test::Click(*f.window, "Command1");
        QCOMPARE(f.h.state.settings.ShowDisclaim, int16_t{0});
        f.Open();
        QVERIFY(!f.Box().isChecked());
        test::Click(*f.window, "Command1");
        QCOMPARE(f.h.state.settings.ShowDisclaim, int16_t{0});
        QCOMPARE(f.Written("ShowDisclaim"), std::optional<std::string>("0"));
    }

    void tickedChoiceThatCannotBeKeptIsReported() {
        Fixture f;
        f.h.state.iniPath = f.dir.file("missing/VORN.INI");
        f.Open();
        QTest::mouseClick(&f.Box(), Qt::LeftButton);
        test::Click(*f.window, "Command1");
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 "The settings could not be saved to file: " + f.h.state.iniPath);
    }

    void mnemonicTicksTheBoxAndEnterCloses() {
        Fixture f;
        DisclaimerWindow& w = f.Open();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(f.Box().isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.h.state.settings.ShowDisclaim, int16_t{0});
    }
};

QTEST_MAIN(DisclaimerWindowTest)
#include "disclaimer_window_test.moc"
