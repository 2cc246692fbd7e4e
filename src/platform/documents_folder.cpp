#include "platform/documents_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "core/startup.h"

namespace vornexa {
namespace {

namespace fs = std::filesystem;

std::string WithoutTrailingSeparator(std::string path) {
    if (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// $HOME with "." and ".." resolved; the root when unset.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return "/";
    }
    return WithoutTrailingSeparator(fs::path(home).lexically_normal().string());
}

// The value of XDG_<key>_DIR in the desktop's user-dirs.dirs, the last one
// when named twice; read as Qt reads it, so the program keeps the folders it
// used when it asked Qt, without loading Qt for the headless commands.
std::optional<std::string> UserDirsEntry(const std::string& home, std::string_view key) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string config =
        configHome != nullptr && *configHome != '\0' ? configHome : home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs", std::ios::binary);
    std::optional<std::string> result;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t split = line.rfind("_DIR=");
        if (!line.starts_with("XDG_") || split == std::string::npos || split < 4 ||
            std::string_view(line).substr(4, split - 4) != key) {
            continue;
        }
        std::string_view value = std::string_view(line).substr(split + 5);
        if (value.size() > 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        result = WithoutTrailingSeparator(
            value.starts_with("$HOME") ? home + std::string(value.substr(5)) : std::string(value));
    }
    return result;
}

std::string UserFolder(const std::string& home, std::string_view key, const char* fallback) {
    return UserDirsEntry(home, key).value_or(home + fallback);
}

}  // namespace

PlatformInfo DesktopPlatformInfo(const char* argv0) {
    PlatformInfo info;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = fs::absolute(argv0, ec);
    }
    info.programFolder = exe.parent_path().string();
    info.exeBaseName = exe.stem().string();
    const std::string home = HomeFolder();
    info.documents = UserFolder(home, "DOCUMENTS", "/Documents");
    info.desktop = UserFolder(home, "DESKTOP", "/Desktop");
    return info;
}

}  // namespace vornexa
