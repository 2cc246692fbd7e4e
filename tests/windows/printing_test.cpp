#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <string>
#include <vector>

#include "test_support.h"
#include "ui/drawing/printing.h"
#include "util/app_error.h"

namespace vornexa {
namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(14, 5, 9));
const QString kHeader = QStringLiteral("VORNEXA, 12/8/2026, 14:05:09");
constexpr double kPointsPerTwip = 1.0 / 20;

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "Body line " + std::to_string(i) + "\r\n";
    }
    return text;
}

void PrintToPdf(QPrinter& printer, const std::string& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
}

QString RunPdfToText(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qFatal("pdftotext failed");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page of the PDF, laid out as printed.
QStringList PdfPages(const std::string& path) {
    const QString text = RunPdfToText(
        {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

QStringList NonEmptyLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

std::vector<PlacedText> Placed(const PrintJob& job, bool bold) {
    std::vector<PlacedText> out;
    for (const PlacedText& item : job.placed()) {
        if (item.bold == bold) {
            out.push_back(item);
        }
    }
    return out;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void longTextShowsHeaderAndPageLabelOnEveryPage();
    void bodyLinesStayInsideTheMargins_data();
    void bodyLinesStayInsideTheMargins();
    void headerAndLabelPositions();
    void drawnTextSitsWherePlaced();
    void headerDateAndTime_data();
    void headerDateAndTime();
    void newPageModes();
    void emptyTextPrintsTheHeaderOnly();
    void printerFontIsPlainNinePointFixedPitch();
    void unwritableOutputIsAPrinterError();
};

void PrintingTest::longTextShowsHeaderAndPageLabelOnEveryPage() {
    test::TempFolder folder;
    const std::string pdf = folder.file("long.pdf");
    QPrinter printer;
    PrintToPdf(printer, pdf);
    PrintJob job(printer, "VORNEXA");
    job.Begin(kNow);
    job.PrintText(NumberedLines(200));
    job.End();

    const QStringList pages = PdfPages(pdf);
    QVERIFY(pages.size() >= 3);
    QCOMPARE(pages.size(), qsizetype(job.page()));
    int expectedLine = 1;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QStringList lines = NonEmptyLines(pages[i]);
        QVERIFY2(!lines.isEmpty(), qPrintable(QStringLiteral("page %1 is blank").arg(i + 1)));
        const QRegularExpression header(QStringLiteral("^") + QRegularExpression::escape(kHeader) +
                                        QStringLiteral("\\s+Page: %1$").arg(i + 1));
        QVERIFY2(header.match(lines.first()).hasMatch(), qPrintable(lines.first()));
        for (qsizetype l = 1; l < lines.size(); ++l) {
            QCOMPARE(lines[l], QStringLiteral("Body line %1").arg(expectedLine++));
        }
    }
    QCOMPARE(expectedLine, 201);
}

void PrintingTest::bodyLinesStayInsideTheMargins_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("orientation");
    QTest::newRow("screen resolution, portrait")
        << int(QPrinter::ScreenResolution) << int(QPageLayout::Portrait);
    QTest::newRow("high resolution, portrait")
        << int(QPrinter::HighResolution) << int(QPageLayout::Portrait);
    QTest::newRow("high resolution, landscape")
        << int(QPrinter::HighResolution) << int(QPageLayout::Landscape);
}

void PrintingTest::bodyLinesStayInsideTheMargins() {
    QFETCH(int, mode);
    QFETCH(int, orientation);
    test::TempFolder folder;
    QPrinter printer(static_cast<QPrinter::PrinterMode>(mode));
    PrintToPdf(printer, folder.file("margins.pdf"));
    printer.setPageOrientation(static_cast<QPageLayout::Orientation>(orientation));
    PrintJob job(printer, "VORNEXA");
    job.Begin(kNow);
    job.PrintText(NumberedLines(200));
    job.End();

    const double limit = job.pageHeight() - 1.3 * PrintJob::kTwipsPerInch;
    const std::vector<PlacedText> body = Placed(job, false);
    QCOMPARE(body.size(), size_t(200));
    QVERIFY(job.page() > 1);
    for (size_t i = 0; i < body.size(); ++i) {
        const PlacedText& line = body[i];
        const bool firstOnPage = i == 0 || body[i - 1].page != line.page;
        const bool lastOnPage = i + 1 == body.size() || body[i + 1].page != line.page;
        QCOMPARE(line.left, 0.8 * PrintJob::kTwipsPerInch);
        if (firstOnPage) {
            QCOMPARE(line.top, 0.8 * PrintJob::kTwipsPerInch);
        } else {
            QCOMPARE(line.top, body[i - 1].bottom);
        }
        QVERIFY(line.top <= limit);
        // A page ends with the first line that ends below the limit, and only then.
        if (lastOnPage && i + 1 < body.size()) {
            QVERIFY2(line.bottom > limit, qPrintable(line.text));
            QCOMPARE(body[i + 1].page, line.page + 1);
        } else if (!lastOnPage) {
            QVERIFY2(line.bottom <= limit, qPrintable(line.text));
        }
    }
}

void PrintingTest::headerAndLabelPositions() {
    test::TempFolder folder;
    QPrinter printer;
    PrintToPdf(printer, folder.file("header.pdf"));
    PrintJob job(printer, "VORNEXA");
    job.Begin(kNow);
    job.PrintText(NumberedLines(120));
    job.End();

    QFont bold = PrinterFont();
    bold.setBold(true);
    const std::vector<PlacedText> headers = Placed(job, true);
    QCOMPARE(headers.size(), size_t(2 * job.page()));
    for (size_t i = 0; i < headers.size(); i += 2) {
        const PlacedText& text = headers[i];
        const PlacedText& label = headers[i + 1];
        const int32_t page = static_cast<int32_t>(i / 2 + 1);
        QCOMPARE(text.page, page);
        QCOMPARE(text.text, kHeader);
        QCOMPARE(text.left, 1152.0);
        QCOMPARE(text.top, 576.0);
        QCOMPARE(label.page, page);
        QCOMPARE(label.text, QStringLiteral("Page: %1").arg(page));
        QCOMPARE(label.top, 576.0);
        const double width = QFontMetricsF(bold, &printer).horizontalAdvance(label.text) *
                             PrintJob::kTwipsPerInch / printer.resolution();
        QVERIFY(qAbs(label.left - (job.pageWidth() - 1152 - 1.2 * width)) < 0.01);
    }
}

void PrintingTest::drawnTextSitsWherePlaced() {
    test::TempFolder folder;
    const std::string pdf = folder.file("bbox.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdf(printer, pdf);
    PrintJob job(printer, "VORNEXA");
    job.Begin(kNow);
    job.PrintText("First\r\n");
    job.End();

    // pdftotext gives each word's box in points from the paper's top-left corner.
    const QString html =
        RunPdfToText({QStringLiteral("-bbox"), QString::fromStdString(pdf), QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">(\\S+)<"));
    QCOMPARE(job.placed().size(), size_t(3));
    for (const PlacedText& placed : job.placed()) {
        const QString first = placed.text.section(QLatin1Char(' '), 0, 0);
        bool found = false;
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(4) != first) {
                continue;
            }
            found = true;
            const double left = m.captured(1).toDouble() / kPointsPerTwip;
            const double top = m.captured(2).toDouble() / kPointsPerTwip;
            const double bottom = m.captured(3).toDouble() / kPointsPerTwip;
            QVERIFY2(qAbs(left - placed.left) < 40, qPrintable(first));
            QVERIFY2(top >= placed.top - 40 && bottom <= placed.bottom + 40, qPrintable(first));
        }
        QVERIFY2(found, qPrintable(first));
    }
}

void PrintingTest::headerDateAndTime_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("header");
    QTest::newRow("one-digit month and day")
        << QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)) << QStringLiteral("X, 1/2/2027, 03:04:05");
    QTest::newRow("midnight") << QDateTime(QDate(2026, 10, 31), QTime(0, 0, 0))
                              << QStringLiteral("X, 10/31/2026, 00:00:00");
    QTest::newRow("afternoon on a 24-hour clock")
        << QDateTime(QDate(2026, 12, 25), QTime(23, 59, 59))
        << QStringLiteral("X, 12/25/2026, 23:59:59");
}

void PrintingTest::headerDateAndTime() {
    QFETCH(QDateTime, now);
    QFETCH(QString, header);
    test::TempFolder folder;
    QPrinter printer;
    PrintToPdf(printer, folder.file("date.pdf"));
    PrintJob job(printer, "X");
    job.Begin(now);
    job.End();
    QCOMPARE(job.placed().front().text, header);
}

void PrintingTest::newPageModes() {
    test::TempFolder folder;
    const std::string pdf = folder.file("modes.pdf");
    QPrinter printer;
    PrintToPdf(printer, pdf);
    PrintJob job(printer, "VORNEXA");
    job.Begin(kNow);
    job.PrintLine("one");
    job.NewPage();
    job.PrintLine("two");
    job.NewPageWithoutHeader();
    job.PrintLine("three");
    job.End();

    QCOMPARE(job.page(), 3);
    const QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), qsizetype(3));
    QVERIFY(NonEmptyLines(pages[1]).first().endsWith(QStringLiteral("Page: 2")));
    QCOMPARE(NonEmptyLines(pages[2]), QStringList{QStringLiteral("three")});
    const PlacedText& three = job.placed().back();
    QCOMPARE(three.page, 3);
    QCOMPARE(three.top, 1152.0);
}

void PrintingTest::emptyTextPrintsTheHeaderOnly() {
    test::TempFolder folder;
    const std::string pdf = folder.file("empty.pdf");
    QPrinter printer;
    PrintToPdf(printer, pdf);
    PrintDocument(printer, "VORNEXA", "", kNow);
    const QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), qsizetype(1));
    QCOMPARE(NonEmptyLines(pages[0]).size(), qsizetype(1));
}

void PrintingTest::printerFontIsPlainNinePointFixedPitch() {
    const QFont font = PrinterFont();
    QCOMPARE(font.pointSizeF(), 9.0);
    QVERIFY(!font.bold() && !font.italic() && !font.strikeOut() && !font.underline());
    QVERIFY(font.family() == QStringLiteral("Courier New") ||
            font.family() == QStringLiteral("Courier") || font.family() == QStringLiteral("Arial"));
    // fonts-liberation stands in for Courier New on this desktop.
    QVERIFY(QFontInfo(font).fixedPitch());
}

void PrintingTest::unwritableOutputIsAPrinterError() {
    test::TempFolder folder;
    QPrinter printer;
    PrintToPdf(printer, folder.file("missing/folder/out.pdf"));
    try {
        PrintDocument(printer, "VORNEXA", "text\r\n", kNow);
        QFAIL("printing to a missing folder succeeded");
    } catch (const AppError& error) {
        QCOMPARE(error.number(), kPrinterError);
    }
}

}  // namespace vornexa

QTEST_MAIN(vornexa::PrintingTest)
#include "printing_test.moc"
