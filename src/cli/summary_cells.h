#pragma once

#include <array>
#include <string>

#include "cli/summary_row.h"

namespace vornexa {

// The displayed text of every column of one summary line, in kSummaryColumns order;
// a cell that does not apply to the row is empty.
using SummaryCells = std::array<std::string, kSummaryColumns.size()>;

// The numbers are those the calculation report prints for the same project.
SummaryCells SummaryRowCells(const SummaryInput& input);

// True for the columns whose cells are numbers (azimuths, angles, percents, stress).
bool SummaryColumnIsNumber(size_t column);

}  // namespace vornexa
