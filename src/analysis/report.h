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

// The report of the project's own values as last accepted: header, then results.
std::string AcceptedReport(AppState& state);

// What the layout finder shows for the band of `work`: the entries azimuths best
// first, or the headgate azimuths in relief, as report lines ending in CR LF.
std::string LayoutSweepText(const Parms& work);

}  // namespace vornexa
