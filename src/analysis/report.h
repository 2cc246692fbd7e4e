#pragma once

#include <string>

#include "core/project.h"

namespace vornexa {

struct AppState;

// Rebuilds OutBuf 0, the report header, from the project as last accepted.
void LoadOutBuf0(AppState& state, int ignored = 0);

// OutBuf 1, the results, from the dialog's current values and their snapshot.
std::string ResultsText(const Parms& work, const Parms& view);

// The report as the results command builds it once the azimuths are valid:
// snapshot, header, results, header again.
void BuildReport(AppState& state);

}  // namespace vornexa
