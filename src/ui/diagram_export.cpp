#include "ui/diagram_export.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <filesystem>
#include <ostream>

#include "analysis/orientation.h"
#include "cli/headless.h"
#include "core/app_state.h"
#include "core/startup.h"
#include "diagrams/diagrams.h"
#include "ui/diagram_renderer.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kCanvasDpi = 96;

bool ExportSvg(const DisplayList& list, const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(DisplayList::kWidth, DisplayList::kHeight));
    svg.setViewBox(QRect(0, 0, DisplayList::kWidth, DisplayList::kHeight));
    svg.setResolution(kCanvasDpi);
    svg.setTitle(QStringLiteral("Stress design diagram"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    PaintDisplayList(painter, list);
    return painter.end();
}

bool ExportPdf(const DisplayList& list, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setResolution(kCanvasDpi);
    const QSizeF points(DisplayList::kWidth * 72.0 / kCanvasDpi,
                        DisplayList::kHeight * 72.0 / kCanvasDpi);
    pdf.setPageSize(QPageSize(points, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    PaintDisplayList(painter, list);
    return painter.end();
}

}  // namespace

DisplayList DiagramOf(Parms view) {
    return view.PlanType == kPlanDevelopment ? Dev_Paint(view) : Long_Paint(view);
}

bool ExportDiagram(const DisplayList& list, const std::string& path) {
    const std::string ext = ToUpperAscii(std::filesystem::path(path).extension().string());
    const QString file = QString::fromStdString(path);
    if (ext == ".PNG") {
        return RenderDisplayList(list).save(file, "PNG");
    }
    if (ext == ".SVG") {
        return ExportSvg(list, file) && std::filesystem::exists(path);
    }
    if (ext == ".PDF") {
        return ExportPdf(list, file) && std::filesystem::exists(path);
    }
    return false;
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
