#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "util/messages.h"

namespace vornexa {

struct PlatformInfo;

// Runs a headless command (--report, --summary, --batch, --stress, --sweep, --convert,
// --help, --version) and returns its exit status; nullopt when the arguments ask for no
// headless command.
// Writes no settings and opens no window.
std::optional<int> RunHeadless(const std::vector<std::string>& args, const PlatformInfo& platform,
                               std::ostream& out, std::ostream& err);

std::string UsageText();

// Messages go to standard error; questions are answered the cautious way.
class StderrPresenter : public MessagePresenter {
  public:
    explicit StderrPresenter(std::ostream& err) : err_(err) {}
    int Show(const std::string& text, int style, const std::string& title) override;

  private:
    std::ostream& err_;
};

struct AppState;
// The state as start-up leaves it, from a settings file of the current version when
// there is one, without creating folders or files; once for any number of projects.
void PrepareHeadlessState(AppState& state, const PlatformInfo& platform);

// Opens a project whose five azimuths lie in 0..360 into a prepared state; false,
// after a message, when it cannot be used.
bool OpenCheckedProject(AppState& state, const std::string& path);

// Prepares the state as the headless commands do and opens a project whose five
// azimuths lie in 0..360; messages go to `err`. False when it cannot be used.
bool OpenProjectHeadless(AppState& state, const PlatformInfo& platform, const std::string& path);

}  // namespace vornexa
