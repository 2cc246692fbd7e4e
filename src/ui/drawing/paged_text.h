#pragma once

#include <QDateTime>
#include <QFont>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QPagedPaintDevice;

namespace vornexa {

// Printer error number of the shared error handling: offers to retry.
inline constexpr int kPrinterError = 482;

// The printer font: the first of "Courier New", "Courier", "Arial" that this
// desktop can show, at 9 points, plain.
QFont PrinterFont();

// One text placed on a printed page, positions in twips from the paper's top-left corner.
struct PlacedText {
    int32_t page = 0;
    double left = 0;
    double top = 0;
    double bottom = 0;
    bool bold = false;
    QString text;
};

// A paged document as the printout lays it out: a bold header line with the page
// label on every page and body lines below it, in twips on the device's full page.
class PagedText {
  public:
    // `resolution` is the device's dots per inch; `abort` drops a document that
    // failed half way instead of letting it out incomplete.
    PagedText(QPagedPaintDevice& device, int resolution, std::string exeName,
              std::function<void()> abort);
    ~PagedText();
    PagedText(const PagedText&) = delete;
    PagedText& operator=(const PagedText&) = delete;

    // Starts the document on page 1 with its header; `now` gives the header's date and time.
    void Begin(const QDateTime& now);
    void PrintLine(std::string_view line);
    void NewPage();
    void NewPageWithoutHeader();
    // Every line of the text (lines end with CR LF) as one body line.
    void PrintText(std::string_view text);
    // Ends the document.
    void End();

    // The painter between Begin and End, for pictures placed on the body.
    QPainter& painter() { return painter_; }
    int32_t page() const { return page_; }
    double pageWidth() const { return width_; }
    double pageHeight() const { return height_; }
    // The vertical print position.
    double top() const { return y_; }
    double ToPixels(double twips) const;
    const std::vector<PlacedText>& placed() const { return placed_; }

    static constexpr double kTwipsPerInch = 1440;
    static constexpr double kHeaderTop = 576;
    static constexpr double kLeft = 1152;
    static constexpr double kBodyTop = 1152;
    static constexpr double kBottomMargin = 1872;

  private:
    void PrintHeader();
    void Print(const QString& text);
    void EjectPage();
    void SetBold(bool bold);
    double TextWidth(const QString& text) const;

    QPagedPaintDevice& device_;
    int resolution_;
    std::string exeName_;
    std::function<void()> abort_;
    QPainter painter_;
    QFont font_;
    QString date_;
    QString time_;
    int32_t page_ = 0;
    double width_ = 0;
    double height_ = 0;
    double x_ = 0;
    double y_ = 0;
    std::vector<PlacedText> placed_;
};

}  // namespace vornexa
