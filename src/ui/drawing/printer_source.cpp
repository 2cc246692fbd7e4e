#include "ui/drawing/printer_source.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/drawing/printing.h"

namespace vornexa {

PrinterSource::PrinterSource() = default;
PrinterSource::~PrinterSource() = default;

QPrinter& PrinterSource::get() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
    }
    return *printer_;
}

bool PrinterSource::ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) {
    if (setupOnly) {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

void PrinterSource::Preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&get(), parent);
    dialog.setObjectName(QStringLiteral("PagePreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* printer) { paint(*printer); });
    dialog.exec();
}

void PrinterSource::PrintText(QPrinter& printer, const std::string& exeName, std::string_view text,
                              const QDateTime& now) {
    PrintDocument(printer, exeName, text, now);
}

void PrinterSource::PrintDiagram(QPrinter& printer, const DisplayList& list) {
    PrintDisplayList(printer, list);
}

QPageLayout PrinterSource::PageLayout() {
    return get().pageLayout();
}

}  // namespace vornexa
