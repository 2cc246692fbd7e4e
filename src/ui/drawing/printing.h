#pragma once

#include <QDateTime>
#include <QFont>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QPrinter;

namespace vornexa {

struct DisplayList;

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

// One printed document: a bold header line with the page label on every page and
// body lines below it, laid out in twips on the printer's full page.
class PrintJob {
  public:
    explicit PrintJob(QPrinter& printer, std::string exeName);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Starts the document on page 1 with its header; `now` gives the header's date and time.
    void Begin(const QDateTime& now);
    void PrintLine(std::string_view line);
    void NewPage();
    void NewPageWithoutHeader();
    // Every line of the text (lines end with CR LF) as one body line.
    void PrintText(std::string_view text);
    // Sends the document to the printer.
    void End();

    int32_t page() const { return page_; }
    double pageWidth() const { return width_; }
    double pageHeight() const { return height_; }
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
    double ToPixels(double twips) const;

    QPrinter& printer_;
    std::string exeName_;
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

// A whole document: begin, the text, end.
void PrintDocument(QPrinter& printer, const std::string& exeName, std::string_view text,
                   const QDateTime& now);

// The diagram as vectors, as large as the printable page allows and centred on it.
void PrintDisplayList(QPrinter& printer, const DisplayList& list);

}  // namespace vornexa
