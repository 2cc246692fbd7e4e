#include "ui/drawing/diagram_export.h"

#include <ostream>

#include "analysis/orientation.h"
#include "cli/headless.h"
#include "core/app_state.h"
#include "core/startup.h"
#include "diagrams/diagrams.h"
#include "ui/drawing/diagram_renderer.h"
#include "ui/drawing/picture_export.h"

namespace vornexa {

DisplayList DiagramOf(Parms view) {
    return view.PlanType == kPlanDevelopment ? Dev_Paint(view) : Long_Paint(view);
}

bool ExportDiagram(const DisplayList& list, const std::string& path) {
    return WritePicture(path, QSize(DisplayList::kWidth, DisplayList::kHeight),
                        QStringLiteral("Stress design diagram"),
                        [&list](QPainter& painter) { PaintDisplayList(painter, list); });
}

std::optional<int> RunDiagramCommand(const std::vector<std::string>& args,
                                     const PlatformInfo& platform, std::ostream& err) {
    if (args.empty() || args[0] != "--diagram") {
        return std::nullopt;
    }
    if (args.size() != 3) {
        err << "Usage: vornexa --diagram FILE OUT (OUT ends in .png, .svg or .pdf)\n";
        return 2;
    }
    StderrPresenter presenter(err);
    AppState state(presenter);
    if (!OpenProjectHeadless(state, platform, args[1])) {
        return 1;
    }
    Parms view;
    UpdateViewParms(state.project.ProjParms, view);
    if (!ExportDiagram(DiagramOf(view), args[2])) {
        err << "Cannot write the diagram to " << args[2]
            << " (the name must end in .png, .svg or .pdf)\n";
        return 1;
    }
    return 0;
}

}  // namespace vornexa
