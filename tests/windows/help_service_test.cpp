#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <filesystem>

#include "support/scoped_variable.h"
#include "support/window_harness.h"
#include "ui/services/desktop_services.h"
#include "ui/services/help_service.h"
#include "ui/about/help_window.h"

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
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing") << false << true << "Help file (VORN.pdf) not available"
                                 << "";
        QTest::newRow("opened") << true << true << ""
                                << "";
        QTest::newRow("open fails") << true << false << "Operation Failed"
                                    << "";
        QTest::newRow("bracket in the folder") << true << true << ""
                                               << "z [1]";
    }
    void pdfHelp() {
        QFETCH(bool, present);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        QFETCH(QString, folder);
        test::WindowHarness h;
        test::TempFolder temp;
        const std::string programFolder = temp.file(folder.toStdString());
        std::filesystem::create_directories(programFolder);
        const std::string pdf = programFolder + "/VORN.pdf";
        h.state.folders.program = programFolder + "/";
        if (present) {
            test::WriteAll(pdf, "%PDF-1.4\n");
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
            QCOMPARE(h.desktop.urls[0], QUrl::fromLocalFile(QString::fromStdString(pdf)));
        }
    }

    // The opener on PATH decides whether the help opened; nobody waits for it.
    void pdfHelpThroughTheDesktopOpener_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("fails");
        QTest::newRow("opener fails after a while") << "sleep 0.3; exit 4" << true;
        QTest::newRow("opener succeeds") << "exit 0" << false;
        QTest::newRow("real xdg-open without a handler") << "" << true;
    }
    void pdfHelpThroughTheDesktopOpener() {
        QFETCH(QString, opener);
        QFETCH(bool, fails);
        if (opener.isEmpty() && !std::filesystem::exists("/usr/bin/xdg-open")) {
            QSKIP("xdg-open is not installed");
        }
        test::TempFolder dir;
        const std::string script = dir.file("xdg-open");
        test::WriteAll(script, "#!/bin/sh\n: > " + dir.file("ran") + "\n" + opener.toStdString());
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        const test::ScopedVariable path{"PATH", opener.isEmpty() ? "/usr/bin:/bin" : dir.file("")};
        const test::ScopedVariable home{"HOME", dir.path().string()};
        const test::ScopedVariable dataDirs{"XDG_DATA_DIRS", dir.path().string()};
        const test::ScopedVariable browser{"BROWSER", dir.file("none")};
        const test::ScopedVariable display{"DISPLAY", std::nullopt};
        const test::ScopedVariable wayland{"WAYLAND_DISPLAY", std::nullopt};
        test::WindowHarness h;
        h.state.folders.program = dir.file("");
        test::WriteAll(dir.file("VORN.pdf"), "%PDF-1.4\n");
        QtDesktopService desktop(h.state.messages);
        HelpService(h.state, desktop).OpenPdfHelp();
        QVERIFY(h.presenter.shown.empty());
        if (fails) {
            QTRY_COMPARE_WITH_TIMEOUT(h.presenter.shown.size(), size_t{1}, 10000);
            QCOMPARE(h.presenter.shown[0].text, std::string("Operation Failed"));
        } else {
            QTRY_VERIFY(std::filesystem::exists(dir.file("ran")));
            QTest::qWait(200);
            QVERIFY(h.presenter.shown.empty());
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
