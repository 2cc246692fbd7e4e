#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vornexa {

struct PlatformInfo;
struct Parms;
struct DisplayList;

// The diagram of the snapshot's plan type.
DisplayList DiagramOf(Parms view);

// Writes `list` to `path`: .png (457 x 465 pixels), .svg or .pdf by the name's
// ending, in either case. False when the type is unknown or the file cannot be written.
bool ExportDiagram(const DisplayList& list, const std::string& path);

// `vornexa --diagram FILE OUT`; nullopt for any other command.
std::optional<int> RunDiagramCommand(const std::vector<std::string>& args,
                                     const PlatformInfo& platform, std::ostream& err);

}  // namespace vornexa
