#pragma once

#include <QDateTime>

#include <string>
#include <string_view>

#include "ui/drawing/paged_text.h"

class QPrinter;

namespace vornexa {

struct DisplayList;

// One printed document on the printer's full page; a document that fails half
// way is dropped rather than sent incomplete.
class PrintJob : public PagedText {
  public:
    PrintJob(QPrinter& printer, std::string exeName);
};

// A whole document: begin, the text, end.
void PrintDocument(QPrinter& printer, const std::string& exeName, std::string_view text,
                   const QDateTime& now);

// The diagram as vectors, as large as the printable page allows and centred on it.
void PrintDisplayList(QPrinter& printer, const DisplayList& list);

}  // namespace vornexa
