#pragma once

namespace vornexa {

struct PlatformInfo;

// Folders and identity of this program on this desktop. Needs no Qt.
PlatformInfo DesktopPlatformInfo(const char* argv0);

}  // namespace vornexa
