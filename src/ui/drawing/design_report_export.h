#pragma once

#include <QPageLayout>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class QDateTime;

namespace vornexa {

struct AppState;
struct PlatformInfo;

// The design report of the project as last accepted, as one PDF: the calculation
// report laid out as printed, the stress design diagram, the stress graph of a
// longwall project and, for a band of SigmaH azimuths, the layout sweep. On `page`,
// or Letter without one. An existing file is replaced only by a whole new one.
// False, with `error` telling why, when the file cannot be written.
bool ExportDesignReport(const AppState& state, const std::optional<QPageLayout>& page,
                        const std::string& path, const QDateTime& now, std::string& error);

// `vornexa --pdf FILE OUT.pdf`; nullopt for any other command.
std::optional<int> RunPdfCommand(const std::vector<std::string>& args, const PlatformInfo& platform,
                                 std::ostream& err);

}  // namespace vornexa
