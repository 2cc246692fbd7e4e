#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vornexa {

struct PlatformInfo;

// --summary FILES-OR-FOLDERS... [--format csv|json]: one summary line per project,
// written as each is read. `--format` may stand anywhere among the operands. Exit
// status 1 when any line is an error, 2 for a bad format or no files.
int RunSummary(const std::vector<std::string>& operands, const PlatformInfo& platform,
               std::ostream& out, std::ostream& err);

// --batch LAYOUTS.csv [--format csv|json]: the same lines for the layout rows of a CSV
// file, read and written one at a time. Exit status 1 when the file cannot be read or
// any line is an error, 2 for a bad format or not one file.
int RunBatch(const std::vector<std::string>& operands, const PlatformInfo& platform,
             std::ostream& out, std::ostream& err);

}  // namespace vornexa
