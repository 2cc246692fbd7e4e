#include "ui/services/printer_module.h"

#include "core/app_state.h"
#include "platform/module_loader.h"
#include "ui/drawing/printing.h"
#include "util/app_error.h"

namespace vornexa {

bool PrinterModule::Available() {
    if (loaded_ == nullptr) {
        using Entry = PrinterService* (*)();
        auto entry = reinterpret_cast<Entry>(
            ModuleEntry(state_.folders.program, "libvornexa_print.so", "vornexa_printer", error_));
        if (entry == nullptr) {
            state_.messages.ShowMessage(error_, msg::kExclamation);
            return false;
        }
        loaded_.reset(entry());
    }
    return true;
}

PrinterService& PrinterModule::Loaded() {
    if (!Available()) {
        throw AppError(kPrinterError, error_);
    }
    return *loaded_;
}

}  // namespace vornexa
