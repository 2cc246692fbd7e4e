#pragma once

#include <memory>

#include "ui/context.h"

namespace vornexa {

// Printing from the print module in the program's folder, loaded with the
// first print so that Qt's print library is not loaded at start-up.
class PrinterModule final : public PrinterService {
  public:
    explicit PrinterModule(AppState& state) : state_(state) {}
    PrinterModule(const PrinterModule&) = delete;
    PrinterModule& operator=(const PrinterModule&) = delete;

    bool Available() override;
    QPrinter& get() override { return Loaded().get(); }
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) override {
        return Loaded().ChoosePrinter(parent, printer, setupOnly);
    }
    void Preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override {
        Loaded().Preview(parent, paint);
    }
    void PrintText(QPrinter& printer, const std::string& exeName, std::string_view text,
                   const QDateTime& now) override {
        Loaded().PrintText(printer, exeName, text, now);
    }
    void PrintDiagram(QPrinter& printer, const DisplayList& list) override {
        Loaded().PrintDiagram(printer, list);
    }
    QPageLayout PageLayout() override { return Loaded().PageLayout(); }

  private:
    // The module's printing; throws when the module cannot be loaded.
    PrinterService& Loaded();

    AppState& state_;
    std::unique_ptr<PrinterService> loaded_;
    std::string error_;
};

}  // namespace vornexa
