#include "platform/documents_folder.h"

#include <QStandardPaths>

#include <filesystem>

#include "core/startup.h"

namespace vornexa {

PlatformInfo DesktopPlatformInfo(const char* argv0) {
    namespace fs = std::filesystem;
    PlatformInfo info;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = fs::absolute(argv0, ec);
    }
    info.programFolder = exe.parent_path().string();
    info.exeBaseName = exe.stem().string();
    info.documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    info.desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
    return info;
}

}  // namespace vornexa
