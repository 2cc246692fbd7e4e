#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <string>

#include "core/app_state.h"
#include "support/window_harness.h"
#include "test_support.h"
#include "ui/project/preview_window.h"
#include "util/text.h"

namespace vornexa {
namespace {

using test::Child;
using test::Click;

std::string ProjectData(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) {
        text += "Project line " + std::to_string(i) + "\r\n";
    }
    return text;
}

struct Harness : test::WindowHarness {
    explicit Harness(int lines = 3) {
        state.outBuf[0] = ProjectData(lines);
        state.outBuf[1] = "Results\r\n";
        printer.get().setOutputFormat(QPrinter::PdfFormat);
        printer.get().setOutputFileName(QString::fromStdString(pdf));
    }

    test::TempFolder folder;
    std::string pdf = folder.file("preview.pdf");
};

QStringList LogLines(const AppState& state) {
    QStringList lines;
    for (const std::string& line : SplitLines(state.messages.log.text())) {
        lines << QString::fromStdString(line).section(QStringLiteral(". "), 1);
    }
    return lines;
}

QStringList PdfPages(const std::string& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qFatal("pdftotext failed");
    }
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

}  // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheProjectData();
    void copyPutsTheExactSlotOnTheClipboard();
    void printNeedsNoPrinterDialog();
    void pagePreviewShowsThePrintedPages();
};

void PreviewWindowTest::showsTheProjectData() {
    Harness h;
    PreviewWindow window(h.ctx, nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmPreview"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Print Preview"));
    QPlainTextEdit& field = Child<QPlainTextEdit>(window, "RichTextBox1");
    QCOMPARE(field.toPlainText(),
             QStringLiteral("Project line 1\nProject line 2\nProject line 3\n"));
    QVERIFY(field.isReadOnly());
    QVERIFY(field.isEnabled());
    QCOMPARE(LogLines(h.state), QStringList{QStringLiteral("Preview displayed")});
}

void PreviewWindowTest::copyPutsTheExactSlotOnTheClipboard() {
    Harness h;
    PreviewWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command2");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(h.state.outBuf[0]));
    QCOMPARE(LogLines(h.state).last(), QStringLiteral("Output copied to clipboard"));
}

void PreviewWindowTest::printNeedsNoPrinterDialog() {
    Harness h;
    PreviewWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command3");
    QCOMPARE(h.dialogs.printerDialogs, 0);
    const QStringList pages = PdfPages(h.pdf);
    QCOMPARE(pages.size(), qsizetype(1));
    QVERIFY(pages[0].contains(QStringLiteral("Page: 1")));
    QVERIFY(pages[0].contains(QStringLiteral("Project line 3")));
    QVERIFY(!pages[0].contains(QStringLiteral("Results")));
}

void PreviewWindowTest::pagePreviewShowsThePrintedPages() {
    Harness h(200);
    PreviewWindow window(h.ctx, nullptr);
    window.show();
    Click(window, "Command3");
    const qsizetype printed = PdfPages(h.pdf).size();
    QVERIFY(printed > 1);

    int previewPages = -1;
    QTimer::singleShot(0, &window, [&previewPages] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        if (pages != nullptr) {
            pages->updatePreview();
            previewPages = pages->pageCount();
        }
        dialog->reject();
    });
    Click(window, "cmdPagePreview");
    QCOMPARE(qsizetype(previewPages), printed);
}

}  // namespace vornexa

QTEST_MAIN(vornexa::PreviewWindowTest)
#include "preview_window_test.moc"
