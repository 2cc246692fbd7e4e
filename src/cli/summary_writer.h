#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/summary_row.h"

namespace vornexa {

enum class SummaryFormat { Csv, Json };

// "csv" or "json"; nullopt for anything else.
std::optional<SummaryFormat> ParseSummaryFormat(std::string_view name);

// Writes summary lines as they come, holding none of them.
class SummaryWriter {
  public:
    virtual ~SummaryWriter() = default;
    virtual void Row(const SummaryInput& input) = 0;
    // Closes the table; no Row after it.
    virtual void End() = 0;
};

// CSV: a header line, then one record per row, CR LF line ends, fields quoted when
// they must be. JSON: an array of objects, keys in column order, numbers as numbers,
// cells that do not apply as null. Either starts writing at once.
std::unique_ptr<SummaryWriter> MakeSummaryWriter(SummaryFormat format, std::ostream& out);

}  // namespace vornexa
