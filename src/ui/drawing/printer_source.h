#pragma once

#include <memory>

#include "ui/context.h"

namespace vornexa {

// Printing through Qt's print library in this process: the print module's
// whole content, and the tests' printer.
class PrinterSource final : public PrinterService {
  public:
    PrinterSource();
    ~PrinterSource() override;
    PrinterSource(const PrinterSource&) = delete;
    PrinterSource& operator=(const PrinterSource&) = delete;

    bool Available() override { return true; }
    QPrinter& get() override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) override;
    void Preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
    void PrintText(QPrinter& printer, const std::string& exeName, std::string_view text,
                   const QDateTime& now) override;
    void PrintDiagram(QPrinter& printer, const DisplayList& list) override;
    QPageLayout PageLayout() override;

  private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace vornexa
