#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "support/window_harness.h"
#include "ui/help_service.h"
#include "ui/help_window.h"

using namespace vornexa;

namespace {

// The folder whose "help/" sub-folder is the fixture book.
std::string FixtureProgramFolder() {
    return (QFINDTESTDATA("fixtures/help") + QStringLiteral("/../")).toStdString();
}

QString Page(const HelpWindow& window) {
    const QUrl url = window.currentPage();
    return url.hasFragment() ? url.fileName() + QLatin1Char('#') + url.fragment() : url.fileName();
}

}  // namespace

class HelpServiceTest : public QObject {
    Q_OBJECT

  private slots:
    void missingBookIsAMessageNotAnEmptyWindow() {
        test::WindowHarness h;
        test::TempFolder empty;
        h.state.folders.program = empty.path().string() + "/";
        HelpService help(h.state, h.desktop);
        const std::function<void()> commands[] = {
            [&] { help.ShowContents(); },
            [&] { help.ShowIndex(); },
            [&] { help.ShowForWidget(nullptr); },
        };
        for (const auto& command : commands) {
            h.presenter.shown.clear();
            command();
            QCOMPARE(h.presenter.shown.size(), size_t{1});
            QCOMPARE(h.presenter.shown[0].text,
                     std::string("Help file (help/contents.tsv) not available"));
            QVERIFY(help.window() == nullptr);
        }
    }

    void pdfHelp_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << false << true << "Help file (VORN.pdf) not available";
        QTest::newRow("opened") << true << true << "";
        QTest::newRow("open fails") << true << false << "Operation Failed";
    }
    void pdfHelp() {
        QFETCH(bool, present);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        test::WindowHarness h;
        test::TempFolder program;
        h.state.folders.program = program.path().string() + "/";
        if (present) {
            test::WriteAll(program.file("VORN.pdf"), "%PDF-1.4\n");
        }
        h.desktop.openResult = opens;
        HelpService help(h.state, h.desktop);
        help.OpenPdfHelp();
        if (message.isEmpty()) {
            QVERIFY(h.presenter.shown.empty());
        } else {
            QCOMPARE(h.presenter.shown.size(), size_t{1});
            QCOMPARE(QString::fromStdString(h.presenter.shown[0].text), message);
        }
        QCOMPARE(h.desktop.urls.size(), size_t{present ? 1u : 0u});
        if (present) {
            QCOMPARE(h.desktop.urls[0],
                     QUrl::fromLocalFile(QString::fromStdString(program.file("VORN.pdf"))));
        }
    }

    void oneWindowForEveryCommand() {
        test::WindowHarness h;
        h.state.folders.program = FixtureProgramFolder();
        HelpService help(h.state, h.desktop);
        help.ShowIndex();
        HelpWindow* first = help.window();
        QVERIFY(first != nullptr && first->isVisible());
        help.ShowContents();
        QCOMPARE(help.window(), first);
        QCOMPARE(Page(*first), QStringLiteral("index.html"));
        QVERIFY(h.presenter.shown.empty());
        emit first->externalLink(QUrl(QStringLiteral("https://example.com/")));
        QCOMPARE(h.desktop.urls.size(), size_t{1});
        help.CloseHelp();
        QVERIFY(help.window() == nullptr);
    }

    void widgetsFindTheirWindowsPage_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("page");
        QTest::newRow("stress dialog") << "frmStressParm"
                                       << "stress.html#modulus";
        QTest::newRow("unit converter") << "frmConvert"
                                        << "units.html";
        QTest::newRow("unknown window") << "frmNowhere"
                                        << "index.html";
    }
    void widgetsFindTheirWindowsPage() {
        QFETCH(QString, windowName);
        QFETCH(QString, page);
        test::WindowHarness h;
        h.state.folders.program = FixtureProgramFolder();
        HelpService help(h.state, h.desktop);
        QDialog dialog;
        dialog.setObjectName(windowName);
        auto* box = new QLineEdit(&dialog);
        box->setObjectName(QStringLiteral("txtDepthCover"));
        help.ShowForWidget(box);
        QCOMPARE(Page(*help.window()), page);
    }

    void f1OnAControlOpensItsDialogsPage() {
        test::WindowHarness h;
        h.state.folders.program = FixtureProgramFolder();
        HelpService help(h.state, h.desktop);
        help.InstallF1(*qApp);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("frmStressParm"));
        auto* layout = new QVBoxLayout(&dialog);
        auto* box = new QLineEdit(&dialog);
        layout->addWidget(box);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F1);
        QVERIFY(help.window() != nullptr);
        QCOMPARE(Page(*help.window()), QStringLiteral("stress.html#modulus"));
        QVERIFY(box->text().isEmpty());
    }
};

QTEST_MAIN(HelpServiceTest)
#include "help_service_test.moc"
