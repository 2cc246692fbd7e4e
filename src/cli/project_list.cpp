#include "cli/project_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/tables.h"
#include "util/text.h"

namespace vornexa {
namespace {

namespace fs = std::filesystem;

bool IsProjectFile(const fs::directory_entry& entry) {
    std::error_code ignored;
    const std::string extension = entry.path().extension().string();
    return extension.size() == kDefaultFileExt.size() + 1 &&
           ToUpperAscii(extension.substr(1)) == kDefaultFileExt && entry.is_regular_file(ignored);
}

// The names of the folder's project files in byte order; empty after an error.
std::vector<std::string> ProjectNames(const std::string& folder, std::error_code& error) {
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsProjectFile(*it)) {
            names.push_back(it->path().filename().string());
        }
    }
    if (error) {
        return {};
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

void ForEachProjectPath(const std::vector<std::string>& operands,
                        const std::function<void(const ProjectPath&)>& visit) {
    for (const std::string& operand : operands) {
        std::error_code error;
        if (!fs::is_directory(operand, error)) {
            visit({operand, {}});
            continue;
        }
        const std::vector<std::string> names = ProjectNames(operand, error);
        if (error) {
            visit({operand, "Folder cannot be read: " + error.message()});
        }
        for (const std::string& name : names) {
            visit({(fs::path(operand) / name).string(), {}});
        }
    }
}

}  // namespace vornexa
