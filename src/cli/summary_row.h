#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/project.h"

namespace vornexa {

// One line of the summary table: a project file, or a layout row of a batch.
struct SummaryInput {
    std::string file;       // the path as given, or "LAYOUTS.csv:N" for the batch row on line N
    ProjectRecord project;  // title, units, layout, stress region, depth and modulus
    std::string error;      // the program's message when the row could not be read; else empty
};

// The columns of the summary, in order; a batch input names its columns the same way.
inline constexpr std::array<std::string_view, 29> kSummaryColumns = {"file",
                                                                     "title",
                                                                     "units",
                                                                     "plan_type",
                                                                     "sigmah",
                                                                     "sigmah_region",
                                                                     "entries",
                                                                     "left",
                                                                     "right",
                                                                     "headgate",
                                                                     "type",
                                                                     "entries_angle",
                                                                     "entries_class",
                                                                     "left_angle",
                                                                     "left_class",
                                                                     "right_angle",
                                                                     "right_class",
                                                                     "headgate_angle",
                                                                     "headgate_pct",
                                                                     "headgate_state",
                                                                     "stress",
                                                                     "stress_unit",
                                                                     "tolerance",
                                                                     "entries_worst",
                                                                     "left_worst",
                                                                     "right_worst",
                                                                     "headgate_worst_pct",
                                                                     "headgate_worst_state",
                                                                     "error"};

}  // namespace vornexa
