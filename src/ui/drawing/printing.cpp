#include "ui/drawing/printing.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <utility>

#include "ui/drawing/diagram_renderer.h"
#include "util/app_error.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr double kPointSize = 9;
constexpr double kLabelWidthFactor = 1.2;

AppError PrinterError() {
    return AppError(kPrinterError, "Printer error");
}

QString DateText(const QDate& date) {
    return QString::number(date.month()) + QLatin1Char('/') + QString::number(date.day()) +
           QLatin1Char('/') + QString::number(date.year());
}

}  // namespace

QFont PrinterFont() {
    // A fixed-pitch stand-in for a Courier face (fontconfig maps Courier New to a
    // metric-compatible one) keeps the report's columns; Arial is the last resort.
    constexpr std::array<const char*, 2> kFixedPitch = {"Courier New", "Courier"};
    QString family = QStringLiteral("Arial");
    for (const char* candidate : kFixedPitch) {
        const QFont font(QString::fromLatin1(candidate));
        const QFontInfo info(font);
        if (info.family() == font.family() || info.fixedPitch()) {
            family = font.family();
            break;
        }
    }
    QFont font(family);
    font.setPointSizeF(kPointSize);
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(false);
    return font;
}

PrintJob::PrintJob(QPrinter& printer, std::string exeName)
    : printer_(printer), exeName_(std::move(exeName)) {}

PrintJob::~PrintJob() {
    // A document that failed half way is dropped rather than sent incomplete.
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

void PrintJob::Begin(const QDateTime& now) {
    printer_.setFullPage(true);
    if (!painter_.begin(&printer_)) {
        throw PrinterError();
    }
    const QRectF paper = printer_.paperRect(QPrinter::Inch);
    width_ = paper.width() * kTwipsPerInch;
    height_ = paper.height() * kTwipsPerInch;
    font_ = PrinterFont();
    painter_.setFont(font_);
    date_ = DateText(now.date());
    time_ = now.time().toString(QStringLiteral("HH:mm:ss"));
    page_ = 1;
    placed_.clear();
    PrintHeader();
}

void PrintJob::PrintLine(std::string_view line) {
    x_ = kLeft;
    Print(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    if (y_ > height_ - kBottomMargin) {
        NewPage();
    }
}

void PrintJob::NewPage() {
    EjectPage();
    PrintHeader();
}

void PrintJob::NewPageWithoutHeader() {
    EjectPage();
    // The body keeps its margin: the paper's edge is outside most printers' reach.
    x_ = kLeft;
    y_ = kBodyTop;
}

void PrintJob::PrintText(std::string_view text) {
    for (const std::string& line : SplitLines(text)) {
        PrintLine(line);
    }
}

void PrintJob::End() {
    if (!painter_.end()) {
        throw PrinterError();
    }
}

void PrintJob::PrintHeader() {
    y_ = kHeaderTop;
    x_ = kLeft;
    SetBold(true);
    Print(QString::fromStdString(exeName_) + QStringLiteral(", ") + date_ + QStringLiteral(", ") +
          time_);
    y_ = kHeaderTop;
    const QString label = QStringLiteral("Page: ") + QString::number(page_);
    x_ = width_ - kLeft - kLabelWidthFactor * TextWidth(label);
    Print(label);
    y_ = kBodyTop;
    SetBold(false);
}

void PrintJob::Print(const QString& text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double lineHeight = metrics.lineSpacing() * kTwipsPerInch / printer_.resolution();
    painter_.drawText(QPointF(ToPixels(x_), ToPixels(y_) + metrics.ascent()), text);
    placed_.push_back({page_, x_, y_, y_ + lineHeight, painter_.font().bold(), text});
    y_ += lineHeight;
}

void PrintJob::EjectPage() {
    if (!printer_.newPage()) {
        throw PrinterError();
    }
    ++page_;
}

void PrintJob::SetBold(bool bold) {
    QFont font = font_;
    font.setBold(bold);
    painter_.setFont(font);
}

double PrintJob::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    return metrics.horizontalAdvance(text) * kTwipsPerInch / printer_.resolution();
}

double PrintJob::ToPixels(double twips) const {
    return twips * printer_.resolution() / kTwipsPerInch;
}

void PrintDocument(QPrinter& printer, const std::string& exeName, std::string_view text,
                   const QDateTime& now) {
    PrintJob job(printer, exeName);
    job.Begin(now);
    job.PrintText(text);
    job.End();
}

void PrintDisplayList(QPrinter& printer, const DisplayList& list) {
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw PrinterError();
    }
    const QRectF page = painter.viewport();
    const double scale =
        std::min(page.width() / DisplayList::kWidth, page.height() / DisplayList::kHeight);
    painter.translate(page.center().x() - scale * DisplayList::kWidth / 2,
                      page.center().y() - scale * DisplayList::kHeight / 2);
    painter.scale(scale, scale);
    PaintDisplayList(painter, list);
    if (!painter.end()) {
        throw PrinterError();
    }
}

}  // namespace vornexa
