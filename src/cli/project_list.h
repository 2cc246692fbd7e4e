#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vornexa {

struct ProjectPath {
    std::string path;
    std::string error;  // why a folder could not be listed; else empty
};

// Calls `visit` for every operand in order. A folder stands for the project files in
// it (extension VRN in any case, not in subfolders), sorted by the bytes of their
// names; any other operand is a file, whether it exists or not.
void ForEachProjectPath(const std::vector<std::string>& operands,
                        const std::function<void(const ProjectPath&)>& visit);

}  // namespace vornexa
