#include "ui/drawing/printing.h"

#include <QPrinter>

#include <algorithm>
#include <utility>

#include "ui/drawing/diagram_renderer.h"
#include "util/app_error.h"

namespace vornexa {
namespace {

QPrinter& FullPage(QPrinter& printer) {
    printer.setFullPage(true);
    return printer;
}

}  // namespace

PrintJob::PrintJob(QPrinter& printer, std::string exeName)
    : PagedText(FullPage(printer), printer.resolution(), std::move(exeName),
                [&printer] { printer.abort(); }) {}

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
        throw AppError(kPrinterError, "Printer error");
    }
    const QRectF page = painter.viewport();
    const double scale =
        std::min(page.width() / DisplayList::kWidth, page.height() / DisplayList::kHeight);
    painter.translate(page.center().x() - scale * DisplayList::kWidth / 2,
                      page.center().y() - scale * DisplayList::kHeight / 2);
    painter.scale(scale, scale);
    PaintDisplayList(painter, list);
    if (!painter.end()) {
        throw AppError(kPrinterError, "Printer error");
    }
}

}  // namespace vornexa
