#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vornexa {

struct PlatformInfo;
struct GraphSettings;
struct Parms;

// Draws the stress graph of `work` to `path`: .png (640 x 480 pixels), .svg or .pdf by
// the name's ending, in either case; `view` is refreshed as by every consumer. False
// when the type is unknown or the file cannot be written. Needs a QApplication.
bool ExportStressGraph(const GraphSettings& graph, const Parms& work, Parms& view,
                       const std::string& path);

// `vornexa --graph FILE OUT` for a longwall project; nullopt for any other command.
std::optional<int> RunGraphCommand(const std::vector<std::string>& args,
                                   const PlatformInfo& platform, std::ostream& err);

}  // namespace vornexa
