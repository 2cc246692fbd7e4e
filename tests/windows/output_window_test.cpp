#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <string>

#include "core/app_state.h"
#include "support/window_harness.h"
#include "test_support.h"
#include "ui/project/output_window.h"
#include "util/text.h"

namespace vornexa {
namespace {

using test::Child;
using test::Click;

struct Harness : test::WindowHarness {
    Harness() {
        state.outBuf = {"Project data\r\nDepth: 300\r\n", "Results\r\nAngle: 45\r\n",
                        "Second page\r\n", "Third page\r\n", "Fourth page\r\n"};
    }
};

QString Shown(QWidget& window) {
    return Child<QPlainTextEdit>(window, "RichTextBox1").toPlainText();
}

QString Field(const std::string& slot) {
    return QString::fromStdString(slot).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList LogLines(const AppState& state) {
    QStringList lines;
    for (const std::string& line : SplitLines(state.messages.log.text())) {
        lines << QString::fromStdString(line).section(QStringLiteral(". "), 1);
    }
    return lines;
}

QString PdfText(const std::string& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qFatal("pdftotext failed");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class OutputWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheResults();
    void pagingEnablesTheButtons_data();
    void pagingEnablesTheButtons();
    void nextPageStopsOnTheLastSlotEvenWhenEmpty();
    void nextPageHasTheFocusWhenShown();
    void copyPagePutsTheExactSlotOnTheClipboard_data();
    void copyPagePutsTheExactSlotOnTheClipboard();
    void copyAllJoinsEverySlot();
    void cancelledPrinterDialogPrintsNothing_data();
    void cancelledPrinterDialogPrintsNothing();
    void printPagePrintsTheShownSlotOnly();
    void printAllPrintsEverySlot();
    void printerErrorOffersRetry();
    void helpShowsTheHint();
};

void OutputWindowTest::opensOnTheResults() {
    Harness h;
    OutputWindow window(h.ctx, nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmTxtBox"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Calculation Results"));
    QCOMPARE(window.currentPage(), int16_t(1));
    QCOMPARE(Shown(window), Field(h.state.outBuf[1]));
    QPlainTextEdit& field = Child<QPlainTextEdit>(window, "RichTextBox1");
    QVERIFY(field.isReadOnly());
    QVERIFY(QFontInfo(field.font()).fixedPitch());
    QCOMPARE(LogLines(h.state), QStringList{QStringLiteral("Results displayed")});
}

void OutputWindowTest::pagingEnablesTheButtons_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<bool>("previousEnabled");
    const QString next = QStringLiteral("Command4");
    const QString previous = QStringLiteral("Command5");
    QTest::newRow("as opened") << QStringList{} << 1 << true << true;
    QTest::newRow("previous shows the project data") << QStringList{previous} << 0 << true << false;
    QTest::newRow("previous twice stays on slot 0")
        << QStringList{previous, previous} << 0 << true << false;
    QTest::newRow("back and forth") << QStringList{previous, next} << 1 << true << true;
    QTest::newRow("next to slot 3") << QStringList{next, next} << 3 << true << true;
    QTest::newRow("next to the last slot") << QStringList{next, next, next} << 4 << false << true;
    QTest::newRow("previous from the last slot")
        << QStringList{next, next, next, previous} << 3 << true << true;
}

void OutputWindowTest::pagingEnablesTheButtons() {
    QFETCH(QStringList, clicks);
    QFETCH(int, page);
    QFETCH(bool, nextEnabled);
    QFETCH(bool, previousEnabled);
    Harness h;
    OutputWindow window(h.ctx, nullptr);
    window.show();
    for (const QString& click : clicks) {
        QPushButton& button = Child<QPushButton>(window, qPrintable(click));
        // A disabled button ignores the click, as the user would find it.
        QTest::mouseClick(&button, Qt::LeftButton);
    }
    QCOMPARE(window.currentPage(), int16_t(page));
    QCOMPARE(Shown(window), Field(h.state.outBuf[static_cast<size_t>(page)]));
    QCOMPARE(Child<QPushButton>(window, "Command4").isEnabled(), nextEnabled);
    QCOMPARE(Child<QPushButton>(window, "Command5").isEnabled(), previousEnabled);
}

void OutputWindowTest::nextPageStopsOnTheLastSlotEvenWhenEmpty() {
    Harness h;
    h.state.outBuf[2].clear();
    h.state.outBuf[3].clear();
    h.state.outBuf[4].clear();
    OutputWindow window(h.ctx, nullptr);
    window.show();
    for (int i = 0; i < 3; ++i) {
        Click(window, "Command4");
    }
    QCOMPARE(window.currentPage(), int16_t(4));
    QCOMPARE(Shown(window), QString());
    QVERIFY(!Child<QPushButton>(window, "Command4").isEnabled());
}

void OutputWindowTest::nextPageHasTheFocusWhenShown() {
    Harness h;
    OutputWindow window(h.ctx, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.focusWidget(), &Child<QPushButton>(window, "Command4"));
}

void OutputWindowTest::copyPagePutsTheExactSlotOnTheClipboard_data() {
    QTest::addColumn<bool>("previousFirst");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("logged");
    QTest::newRow("results") << false << 1 << QStringLiteral("Output page # 1copied to clipboard");
    QTest::newRow("project data") << true << 0
                                  << QStringLiteral("Output page # 0copied to clipboard");
}

void OutputWindowTest::copyPagePutsTheExactSlotOnTheClipboard() {
    QFETCH(bool, previousFirst);
    QFETCH(int, page);
    QFETCH(QString, logged);
    Harness h;
    OutputWindow window(h.ctx, nullptr);
    window.show();
    if (previousFirst) {
        Click(window, "Command5");
    }
    Click(window, "Command2");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(h.state.outBuf[static_cast<size_t>(page)]));
    QCOMPARE(LogLines(h.state).last(), logged);
}

void OutputWindowTest::copyAllJoinsEverySlot() {
    Harness h;
    OutputWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command7");
    std::string all;
    for (const std::string& slot : h.state.outBuf) {
        all += slot;
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(all));
    QCOMPARE(LogLines(h.state).last(), QStringLiteral("Output copied to clipboard"));
}

void OutputWindowTest::cancelledPrinterDialogPrintsNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("logged");
    QTest::newRow("print page") << QStringLiteral("Command3")
                                << QStringLiteral("Current page printed");
    QTest::newRow("print all") << QStringLiteral("Command6") << QStringLiteral("All pages printed");
}

void OutputWindowTest::cancelledPrinterDialogPrintsNothing() {
    QFETCH(QString, button);
    QFETCH(QString, logged);
    Harness h;
    test::TempFolder folder;
    h.dialogs.pdfPath = folder.file("cancelled.pdf");
    h.dialogs.printerAnswers = {false};
    OutputWindow window(h.ctx, nullptr);
    window.show();
    Click(window, qPrintable(button));
    QCOMPARE(h.dialogs.printerDialogs, 1);
    QVERIFY(!QFile::exists(QString::fromStdString(h.dialogs.pdfPath)));
    const QStringList expected = {QStringLiteral("Results displayed"), logged,
                                  QStringLiteral("Cancel was selected."),
                                  QStringLiteral("Printing aborted")};
    QCOMPARE(LogLines(h.state), expected);
    QVERIFY(h.presenter.shown.empty());
    QCOMPARE(Shown(window), Field(h.state.outBuf[1]));
}

void OutputWindowTest::printPagePrintsTheShownSlotOnly() {
    Harness h;
    test::TempFolder folder;
    h.dialogs.pdfPath = folder.file("page.pdf");
    OutputWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command3");
    QCOMPARE(h.dialogs.printerDialogs, 1);
    const QString text = PdfText(h.dialogs.pdfPath);
    QVERIFY(text.contains(QStringLiteral("Angle: 45")));
    QVERIFY(!text.contains(QStringLiteral("Depth: 300")));
    QVERIFY(!text.contains(QStringLiteral("Second page")));
    QVERIFY(text.contains(QStringLiteral("VORNEXA, ")));
    QCOMPARE(LogLines(h.state).last(), QStringLiteral("Current page printed"));
}

void OutputWindowTest::printAllPrintsEverySlot() {
    Harness h;
    test::TempFolder folder;
    h.dialogs.pdfPath = folder.file("all.pdf");
    OutputWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command6");
    const QString text = PdfText(h.dialogs.pdfPath);
    qsizetype from = 0;
    for (const char* line : {"Project data", "Depth: 300", "Results", "Angle: 45", "Second page",
                             "Third page", "Fourth page"}) {
        const qsizetype at = text.indexOf(QLatin1String(line), from);
        QVERIFY2(at >= 0, line);
        from = at;
    }
    QCOMPARE(LogLines(h.state).last(), QStringLiteral("All pages printed"));
}

void OutputWindowTest::printerErrorOffersRetry() {
    Harness h;
    test::TempFolder folder;
    h.dialogs.pdfPath = folder.file("missing/out.pdf");
    h.presenter.answers = {msg::kRetry, msg::kCancel};
    OutputWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command3");
    QCOMPARE(h.presenter.shown.size(), size_t(2));
    for (const test::RecordingPresenter::Shown& shown : h.presenter.shown) {
        QCOMPARE(QString::fromStdString(shown.text),
                 QStringLiteral("Error occurred: Printer error (482)"));
        QCOMPARE(shown.style, msg::kRetryCancel);
    }
    QCOMPARE(Shown(window), Field(h.state.outBuf[1]));
    QVERIFY(window.isVisible());
}

void OutputWindowTest::helpShowsTheHint() {
    Harness h;
    OutputWindow window(h.ctx, nullptr);
    Click(window, "Command8");
    QCOMPARE(h.presenter.shown.size(), size_t(1));
    QCOMPARE(QString::fromStdString(h.presenter.shown[0].text),
             QStringLiteral("Position the cursor on any item on the form and press F1 for "
                            "context-sensitive Help"));
    QCOMPARE(h.presenter.shown[0].style, msg::kExclamation);
    QCOMPARE(QString::fromStdString(h.presenter.shown[0].title), QStringLiteral("Help"));
}

}  // namespace vornexa

QTEST_MAIN(vornexa::OutputWindowTest)
#include "output_window_test.moc"
