#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QUrl>

#include "core/program_release.h"
#include "support/window_harness.h"
#include "ui/about/update_window.h"
#include "util/ini_file.h"

using namespace vornexa;

namespace {

const QString kRecent = QStringLiteral(
    "Clicking on the URL below will connect you directly with the program website. \n\n"
    "You may manually update the program by downloading and installing the new setup file.");
const QString kYearOld = QStringLiteral(
    "This version was released over a year ago. Although major updates may not be scheduled, "
    "interim updates may be released with bug fixes. Check for an updated version by visiting "
    "the program web page below.  \n\n"
    "You may manually update the program by downloading and installing the new setup file.");

enum Way { ByOk, ByEscape, ByCloseBox };

struct Fixture {
    Fixture() {
        h.state.iniPath = dir.file("VORN.INI");
        test::WriteAll(h.state.iniPath,
                       "[Settings]\r\nRemindAnnualUpdates=1\r\nMaxDisplaySize=999\r\n");
    }
    UpdateWindow& Open(QDate today = QDate(2028, 1, 1)) {
        window = std::make_unique<UpdateWindow>(
            h.ctx,
            [this](const QUrl& url) {
                opened.push_back(url);
                return openSucceeds;
            },
            today);
        window->show();
        return *window;
    }
    QLabel& Label(const char* name) { return test::Child<QLabel>(*window, name); }
    QLabel& Link() { return Label("lblURL"); }
    QCheckBox& Box() { return test::Child<QCheckBox>(*window, "chkShow"); }
    void Send(QWidget& target, QEvent::Type type) {
        if (type == QEvent::Enter) {
            const QPointF at(2, 2);
            QEnterEvent enter(at, at, target.mapToGlobal(at));
            QCoreApplication::sendEvent(&target, &enter);
        } else {
            QEvent event(type);
            QCoreApplication::sendEvent(&target, &event);
        }
    }
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
    std::unique_ptr<UpdateWindow> window;
    std::vector<QUrl> opened;
    bool openSucceeds = true;
};

const QUrl kPage(QString::fromLatin1(kProgramWebPage.data(), kProgramWebPage.size()));

// The application's palette for a test's lifetime, as a desktop would give it.
struct AppPalette {
    explicit AppPalette(const QPalette& palette) : old(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~AppPalette() { QApplication::setPalette(old); }
    const QPalette old;
};

}  // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void explanationFollowsTheAge_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("expected");
        QTest::newRow("release day") << QDate(2026, 12, 9) << kRecent;
        QTest::newRow("next month") << QDate(2027, 1, 1) << kRecent;
        QTest::newRow("360 days") << QDate(2027, 12, 4) << kRecent;
        QTest::newRow("361 days") << QDate(2027, 12, 5) << kYearOld;
        QTest::newRow("a year and more") << QDate(2028, 1, 1) << kYearOld;
        QTest::newRow("years later") << QDate(2035, 2, 28) << kYearOld;
    }
    void explanationFollowsTheAge() {
        QFETCH(QDate, today);
        QFETCH(QString, expected);
        Fixture f;
        f.Open(today);
        QCOMPARE(f.Label("lblUpdate").text(), expected);
    }

    void showsCaptionLinkAndVersion() {
        Fixture f;
        f.h.state.exeName = "OTHERNAME";
        UpdateWindow& w = f.Open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Program Update for OTHERNAME"));
        QCOMPARE(QUrl(f.Link().text()), kPage);
        QCOMPARE(f.Label("Label2").text(), QStringLiteral("&URL to program web page:"));
        QVERIFY(f.Label("lblInfo").text().startsWith(QStringLiteral("Current Program Version: ")));
        QVERIFY(f.Label("lblInfo").text().endsWith(
            QStringLiteral("\nCurrent Revision Date: 09-Dec-2026")));
        QVERIFY(f.Link().parentWidget() == &test::Child<QFrame>(w, "Picture1"));
        QVERIFY(!f.Box().isChecked());
        QVERIFY(f.opened.empty());
        QVERIFY(f.h.presenter.shown.empty());
    }

    // Black and blue on a light desktop; a dark one's own colours keep the link readable.
    void linkColoursFollowThePointer_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::addColumn<QColor>("plain");
        QTest::addColumn<QColor>("hover");
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Link, QColor(0x09, 0x86, 0xd3));
        QTest::newRow("light") << light << QColor(0, 0, 0) << QColor(0, 0, 255);
        QTest::newRow("dark") << dark << QColor(Qt::white) << dark.color(QPalette::Link);
    }
    void linkColoursFollowThePointer() {
        QFETCH(QPalette, desktop);
        QFETCH(QColor, plain);
        QFETCH(QColor, hover);
        const AppPalette palette(desktop);
        const QColor red(255, 0, 0);
        Fixture f;
        f.Open();
        QLabel& link = f.Link();
        QWidget& frame = test::Child<QWidget>(*f.window, "Picture1");
        const QPoint centre = link.rect().center();
        struct Step {
            const char* what;
            std::function<void()> act;
            QColor colour;
            bool underlined;
        };
        const Step steps[] = {
            {"at load", [] {}, plain, false},
            {"press on a plain link", [&] { QTest::mousePress(&link, Qt::LeftButton, {}, centre); },
             plain, false},
            {"release", [&] { QTest::mouseRelease(&link, Qt::LeftButton, {}, centre); }, plain,
             false},
            {"enter", [&] { f.Send(link, QEvent::Enter); }, hover, true},
            {"press", [&] { QTest::mousePress(&link, Qt::LeftButton, {}, centre); }, red, true},
            {"release", [&] { QTest::mouseRelease(&link, Qt::LeftButton, {}, centre); }, hover,
             true},
            {"leave the link, still in the frame", [&] { f.Send(link, QEvent::Leave); }, hover,
             true},
            {"leave the frame", [&] { f.Send(frame, QEvent::Leave); }, plain, false},
            {"enter again", [&] { f.Send(link, QEvent::Enter); }, hover, true},
            {"press, then leave the frame",
             [&] {
                 QTest::mousePress(&link, Qt::LeftButton, {}, centre);
                 f.Send(frame, QEvent::Leave);
             },
             plain, false},
        };
        for (const Step& s : steps) {
            s.act();
            QVERIFY2(link.palette().color(QPalette::WindowText) == s.colour, s.what);
            QVERIFY2(link.font().underline() == s.underlined, s.what);
        }
    }

    void clickOpensThePage_data() {
        QTest::addColumn<int>("presses");
        QTest::newRow("one click") << 1;
        QTest::newRow("two clicks") << 2;
    }
    void clickOpensThePage() {
        QFETCH(int, presses);
        Fixture f;
        f.Open();
        for (int i = 0; i < presses; ++i) {
            QTest::mouseClick(&f.Link(), Qt::LeftButton);
        }
        QCOMPARE(f.opened, std::vector<QUrl>(static_cast<size_t>(presses), kPage));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void releaseOutsideTheLinkOpensNothing() {
        Fixture f;
        f.Open();
        QTest::mousePress(&f.Link(), Qt::LeftButton, {}, f.Link().rect().center());
        QTest::mouseRelease(&f.Link(), Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(&f.Link(), Qt::RightButton);
        QVERIFY(f.opened.empty());
    }

    void keyboardReachesAndOpensTheLink_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }
    void keyboardReachesAndOpensTheLink() {
        QFETCH(int, key);
        Fixture f;
        UpdateWindow& w = f.Open();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_U, Qt::AltModifier);
        QVERIFY(f.Link().hasFocus());
        QTest::keyClick(&f.Link(), static_cast<Qt::Key>(key));
        QCOMPARE(f.opened, std::vector<QUrl>{kPage});
        QVERIFY(w.isVisible());
    }

    void afterAClickOnTheLinkReturnPressesOk() {
        Fixture f;
        UpdateWindow& w = f.Open();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(&f.Link(), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.opened, std::vector<QUrl>{kPage});
        QVERIFY(!w.isVisible());
    }

    void failedOpenIsReported() {
        Fixture f;
        f.openSucceeds = false;
        f.Open();
        QTest::mouseClick(&f.Link(), Qt::LeftButton);
        QCOMPARE(f.opened.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, std::string("Operation Failed"));
        QCOMPARE(f.h.presenter.shown[0].style, msg::kOkOnly);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Vornexa"));
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
        UpdateWindow& w = f.Open();
        if (ticked) {
            QTest::mouseClick(&f.Box(), Qt::LeftButton);
        }
        f.Leave(static_cast<Way>(way));
        QVERIFY(!w.isVisible());
        QCOMPARE(f.h.state.settings.RemindAnnualUpdates, int16_t(expected));
        QCOMPARE(f.Written("RemindAnnualUpdates"),
                 std::optional<std::string>(std::to_string(expected)));
        QCOMPARE(f.Written("MaxDisplaySize"), std::optional<std::string>("2048"));
        QVERIFY(f.opened.empty());
    }

    void opensWhateverTheReminderHolds() {
        Fixture f;
        f.h.state.settings.RemindAnnualUpdates = 0;
        f.Open(QDate(2026, 12, 20));
        QCOMPARE(f.Label("lblUpdate").text(), kRecent);
        test::Click(*f.window, "Command1");
        QCOMPARE(f.h.state.settings.RemindAnnualUpdates, int16_t{0});
        QCOMPARE(f.Written("RemindAnnualUpdates"), std::optional<std::string>("0"));
    }
};

QTEST_MAIN(UpdateWindowTest)
#include "update_window_test.moc"
