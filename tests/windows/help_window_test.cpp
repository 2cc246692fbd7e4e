#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "core/help_book.h"
#include "support/window_harness.h"
#include "ui/about/help_window.h"

using namespace vornexa;

namespace {

QString FixtureFolder() {
    return QFINDTESTDATA("fixtures/help") + QLatin1Char('/');
}

// The page shown, relative to the fixture folder, with its anchor.
QString Page(const HelpWindow& window) {
    const QUrl url = window.currentPage();
    QString page = url.toLocalFile().mid(FixtureFolder().size());
    return url.hasFragment() ? page + QLatin1Char('#') + url.fragment() : page;
}

struct Fixture {
    Fixture() : window(LoadHelpBook(FixtureFolder().toStdString()), FixtureFolder()) {}
    QTextBrowser& browser() { return test::Child<QTextBrowser>(window, "txtHelpPage"); }
    void Follow(const char* link) { emit browser().anchorClicked(QUrl(QString::fromLatin1(link))); }
    HelpWindow window;
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void contentsTreeFollowsTheDepths() {
        Fixture f;
        QVERIFY(f.window.book().problems.empty());
        f.window.ShowContents();
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Vornexa Help"));
        QVERIFY(f.window.isWindow());
        QCOMPARE(Page(f.window), QStringLiteral("index.html"));
        auto& tree = test::Child<QTreeWidget>(f.window, "treeContents");
        QCOMPARE(tree.topLevelItemCount(), 2);
        QTreeWidgetItem* welcome = tree.topLevelItem(0);
        QCOMPARE(welcome->text(0), QStringLiteral("Welcome"));
        QCOMPARE(welcome->childCount(), 1);
        QCOMPARE(welcome->child(0)->child(0)->text(0), QStringLiteral("Rock modulus"));
        QCOMPARE(tree.topLevelItem(1)->text(0), QStringLiteral("Units"));
        emit tree.itemActivated(welcome->child(0)->child(0), 0);
        QCOMPARE(Page(f.window), QStringLiteral("stress.html#modulus"));
        f.Follow("units.html");
        // The tree follows the page.
        QCOMPARE(tree.currentItem(), tree.topLevelItem(1));
    }

    void windowFitsTheScreen() {
        Fixture f;
        f.window.ShowContents();
        const QRect screen = f.window.screen()->availableGeometry();
        QVERIFY(f.window.width() <= screen.width());
        QVERIFY(f.window.height() <= screen.height());
        QVERIFY(screen.contains(f.window.frameGeometry().topLeft()));
    }

    void indexPromptIsShownWhole() {
        const QString folder = QFINDTESTDATA("../../docs/help") + QLatin1Char('/');
        HelpWindow window(LoadHelpBook(folder.toStdString()), folder);
        window.ShowIndex();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& label = test::Child<QLabel>(window, "lblIndexFilter");
        const QRect room = label.contentsRect();
        const QRect text = label.fontMetrics().boundingRect(
            room, Qt::TextWordWrap | Qt::TextShowMnemonic, label.text());
        QVERIFY2(room.contains(text), qPrintable(QStringLiteral("%1x%2 text in %3x%4")
                                                     .arg(text.width())
                                                     .arg(text.height())
                                                     .arg(room.width())
                                                     .arg(room.height())));
    }

    void indexFilterSelectsAndEnterOpens_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        QTest::newRow("prefix") << "dep"
                                << "Depth of cover"
                                << "stress.html";
        QTest::newRow("any case") << "MOD"
                                  << "modulus, rock"
                                  << "stress.html#modulus";
        QTest::newRow("inside a keyword") << "rock"
                                          << "modulus, rock"
                                          << "stress.html#modulus";
        QTest::newRow("one letter") << "u"
                                    << "units"
                                    << "units.html";
        QTest::newRow("blank keeps the first") << " "
                                               << "Azimuth"
                                               << "index.html";
        QTest::newRow("no match keeps the first") << "zz"
                                                  << "Azimuth"
                                                  << "index.html";
    }
    void indexFilterSelectsAndEnterOpens() {
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        Fixture f;
        f.Follow("units.html");
        f.window.ShowIndex();
        QCOMPARE(test::Child<QTabWidget>(f.window, "tabHelp").currentIndex(), 1);
        auto& list = test::Child<QListWidget>(f.window, "lstIndex");
        QCOMPARE(list.item(0)->text(), QStringLiteral("Azimuth"));
        list.setCurrentRow(0);
        auto& filter = test::Child<QLineEdit>(f.window, "txtIndexFilter");
        QTest::keyClicks(&filter, typed);
        QCOMPARE(list.currentItem()->text(), keyword);
        QTest::keyClick(&filter, Qt::Key_Return);
        QCOMPARE(Page(f.window), page);
    }

    void arrowKeysInTheFilterMoveThroughTheKeywords() {
        Fixture f;
        f.window.ShowIndex();
        auto& list = test::Child<QListWidget>(f.window, "lstIndex");
        auto& filter = test::Child<QLineEdit>(f.window, "txtIndexFilter");
        QTest::keyClicks(&filter, QStringLiteral("dep"));
        QTest::keyClick(&filter, Qt::Key_Down);
        QCOMPARE(list.currentItem()->text(), QStringLiteral("modulus, rock"));
        QTest::keyClick(&filter, Qt::Key_Up);
        QCOMPARE(list.currentItem()->text(), QStringLiteral("Depth of cover"));
    }

    void contextPages_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("known");
        QTest::newRow("main window") << 1000 << "frmMain"
                                     << "index.html" << true;
        QTest::newRow("anchor") << 3100 << "frmStressParm"
                                << "stress.html#modulus" << true;
        QTest::newRow("unknown") << 42 << "frmNowhere"
                                 << "index.html" << false;
        QTest::newRow("no name") << -1 << ""
                                 << "index.html" << false;
    }
    void contextPages() {
        QFETCH(int, number);
        QFETCH(QString, window);
        QFETCH(QString, page);
        QFETCH(bool, known);
        Fixture byNumber;
        byNumber.Follow("units.html");
        byNumber.window.ShowContext(number);
        QCOMPARE(Page(byNumber.window), page);
        QVERIFY(byNumber.window.isVisible());
        Fixture byName;
        byName.Follow("units.html");
        byName.window.ShowIndex();
        QCOMPARE(byName.window.ShowForWindow(window), known);
        QCOMPARE(Page(byName.window), page);
        QCOMPARE(test::Child<QTabWidget>(byName.window, "tabHelp").currentIndex(), 0);
    }

    void linksNavigateAndBackReturns() {
        Fixture f;
        f.window.ShowContents();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto& back = test::Child<QPushButton>(f.window, "cmdBack");
        auto& forward = test::Child<QPushButton>(f.window, "cmdForward");
        QVERIFY(!back.isEnabled());
        f.Follow("stress.html#modulus");
        QCOMPARE(Page(f.window), QStringLiteral("stress.html#modulus"));
        f.Follow("index.html");
        QVERIFY(back.isEnabled());
        QTest::mouseClick(&back, Qt::LeftButton);
        QCOMPARE(Page(f.window), QStringLiteral("stress.html#modulus"));
        QVERIFY(forward.isEnabled());
        QTest::mouseClick(&forward, Qt::LeftButton);
        QCOMPARE(Page(f.window), QStringLiteral("index.html"));
        QTest::keyClick(&f.window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(Page(f.window), QStringLiteral("stress.html#modulus"));
        QTest::keyClick(&f.window, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(Page(f.window), QStringLiteral("index.html"));
    }

    void linksOutOfTheBookGoToTheDesktop() {
        Fixture f;
        f.window.ShowContents();
        QSignalSpy spy(&f.window, &HelpWindow::externalLink);
        f.Follow("https://example.com/vornexa");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toUrl(), QUrl(QStringLiteral("https://example.com/vornexa")));
        QCOMPARE(Page(f.window), QStringLiteral("index.html"));
    }

    void everyPageOfTheBookFitsTheWindowsWidth() {
        const QString folder = QFINDTESTDATA("../../docs/help") + QLatin1Char('/');
        HelpWindow window(LoadHelpBook(folder.toStdString()), folder);
        window.ShowContents();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& browser = test::Child<QTextBrowser>(window, "txtHelpPage");
        QStringList wide;
        for (const QString& page : QDir(folder).entryList({QStringLiteral("*.html")})) {
            emit browser.anchorClicked(QUrl::fromLocalFile(folder + page));
            QCoreApplication::processEvents();
            if (browser.horizontalScrollBar()->maximum() > 0) {
                wide << page;
            }
        }
        QCOMPARE(wide, QStringList());
    }

    void missingPageSaysSo() {
        Fixture f;
        f.window.ShowContents();
        f.Follow("missing.html");
        QVERIFY(f.browser().toPlainText().contains(
            QStringLiteral("This help page is not available: missing.html")));
        f.Follow("units.html");
        QCOMPARE(Page(f.window), QStringLiteral("units.html"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
