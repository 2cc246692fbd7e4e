#pragma once

namespace vornexa {

struct AppState;
class DesktopService;

// After the user's consent, registers the project extension with the user's
// desktop, so that opening a project file starts this program on it.
void CreateFileAssociation(AppState& state, DesktopService& desktop);

}  // namespace vornexa
