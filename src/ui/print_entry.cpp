// The entry of the print module, loaded by the windows with the first print, so
// that Qt's print library is not loaded at start-up.
#include "ui/drawing/printer_source.h"

extern "C" __attribute__((visibility("default"))) vornexa::PrinterService* vornexa_printer() {
    return new vornexa::PrinterSource;
}
