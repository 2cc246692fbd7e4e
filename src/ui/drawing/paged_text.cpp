#include "ui/drawing/paged_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include <array>
#include <utility>

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

PagedText::PagedText(QPagedPaintDevice& device, int resolution, std::string exeName,
                     std::function<void()> abort)
    : device_(device),
      resolution_(resolution),
      exeName_(std::move(exeName)),
      abort_(std::move(abort)) {}

PagedText::~PagedText() {
    // A document that failed half way is dropped rather than sent incomplete.
    if (painter_.isActive()) {
        abort_();
        painter_.end();
    }
}

void PagedText::Begin(const QDateTime& now) {
    if (!painter_.begin(&device_)) {
        throw PrinterError();
    }
    const QRectF paper = device_.pageLayout().fullRect(QPageLayout::Inch);
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

void PagedText::PrintLine(std::string_view line) {
    x_ = kLeft;
    Print(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    if (y_ > height_ - kBottomMargin) {
        NewPage();
    }
}

void PagedText::NewPage() {
    EjectPage();
    PrintHeader();
}

void PagedText::NewPageWithoutHeader() {
    EjectPage();
    // The body keeps its margin: the paper's edge is outside most printers' reach.
    x_ = kLeft;
    y_ = kBodyTop;
}

void PagedText::PrintText(std::string_view text) {
    for (const std::string& line : SplitLines(text)) {
        PrintLine(line);
    }
}

void PagedText::End() {
    if (!painter_.end()) {
        throw PrinterError();
    }
}

void PagedText::PrintHeader() {
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

void PagedText::Print(const QString& text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double lineHeight = metrics.lineSpacing() * kTwipsPerInch / resolution_;
    painter_.drawText(QPointF(ToPixels(x_), ToPixels(y_) + metrics.ascent()), text);
    placed_.push_back({page_, x_, y_, y_ + lineHeight, painter_.font().bold(), text});
    y_ += lineHeight;
}

void PagedText::EjectPage() {
    if (!device_.newPage()) {
        throw PrinterError();
    }
    ++page_;
}

void PagedText::SetBold(bool bold) {
    QFont font = font_;
    font.setBold(bold);
    painter_.setFont(font);
}

double PagedText::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    return metrics.horizontalAdvance(text) * kTwipsPerInch / resolution_;
}

double PagedText::ToPixels(double twips) const {
    return twips * resolution_ / kTwipsPerInch;
}

}  // namespace vornexa
