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

}  // namespace vornexa
