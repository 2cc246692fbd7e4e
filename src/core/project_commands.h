#pragma once

namespace vornexa {

struct AppState;
struct ProjectRecord;

// Stress region 0 and the new-project depth of cover and rock modulus of the
// project's unit system.
void SetNewProjectStress(ProjectRecord& project);

// Puts the project record into its new-project state.
void FileNew(AppState& state, bool setUntitled, bool resetUnits);

// Converts depth of cover and rock modulus to unit system `target` (0 English,
// 1 Metric) and renames the project "Metric_" / "English_" + its file name.
// False, with the project unchanged, when a converted value would not fit a float.
bool ConvertProjectUnits(AppState& state, int target);

}  // namespace vornexa
