#pragma once

#include <QRectF>
#include <QSizeF>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace vornexa {

struct PlatformInfo;
struct GraphSettings;
struct Parms;

// Draws the stress graph of `work` to `path`: .png (640 x 480 pixels), .svg or .pdf by
// the name's ending, in either case; `view` is refreshed as by every consumer. False
// when the type is unknown or the file cannot be written. Needs a QApplication.
bool ExportStressGraph(const GraphSettings& graph, const Parms& work, Parms& view,
                       const std::string& path);

// Paints the stress graph of `work` as vectors, as large as fits in `target` and at
// its top left; returns the size it took. `view` is refreshed as by every consumer.
QSizeF PaintStressGraph(QPainter& painter, const QRectF& target, const GraphSettings& graph,
                        const Parms& work, Parms& view);

// `vornexa --graph FILE OUT` for a longwall project; nullopt for any other command.
std::optional<int> RunGraphCommand(const std::vector<std::string>& args,
                                   const PlatformInfo& platform, std::ostream& err);

}  // namespace vornexa
