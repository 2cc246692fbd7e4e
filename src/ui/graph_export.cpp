#include "ui/graph_export.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <filesystem>
#include <ostream>

#include "cli/headless.h"
#include "core/app_state.h"
#include "stress/stress_graph.h"
#include "ui/stress_chart.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kDpi = 96;

// The chart laid out at the export size; painting goes through its own scene.
class GraphPicture {
  public:
    GraphPicture(const GraphSettings& graph, const StressGraph& data) {
        chart_->GraphInit(graph);
        chart_->PlotStress(data);
        scene_.addItem(chart_);
        chart_->resize(kWidth, kHeight);
    }
    bool PaintOn(QPaintDevice& device) {
        QPainter painter;
        if (!painter.begin(&device)) {
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        scene_.render(&painter, QRectF(0, 0, kWidth, kHeight), QRectF(0, 0, kWidth, kHeight));
        return painter.end();
    }

  private:
    QGraphicsScene scene_;
    StressChart* chart_ = new StressChart;  // owned by the scene
};

bool ExportPng(GraphPicture& picture, const QString& path) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return picture.PaintOn(image) && image.save(path, "PNG");
}

bool ExportSvg(GraphPicture& picture, const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kWidth, kHeight));
    svg.setViewBox(QRect(0, 0, kWidth, kHeight));
    svg.setResolution(kDpi);
    svg.setTitle(QStringLiteral("Stress Graph"));
    return picture.PaintOn(svg);
}

bool ExportPdf(GraphPicture& picture, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setResolution(kDpi);
    pdf.setPageSize(
        QPageSize(QSizeF(kWidth * 72.0 / kDpi, kHeight * 72.0 / kDpi), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return picture.PaintOn(pdf);
}

// The ending in capitals, empty when it names no type the graph is written as.
std::string FileType(const std::string& path) {
    const std::string ext = ToUpperAscii(std::filesystem::path(path).extension().string());
    return ext == ".PNG" || ext == ".SVG" || ext == ".PDF" ? ext : std::string();
}

}  // namespace

bool ExportStressGraph(const GraphSettings& graph, const Parms& work, Parms& view,
                       const std::string& path) {
    const std::string ext = FileType(path);
    if (ext.empty()) {
        return false;
    }
    GraphPicture picture(graph, ComputeStressGraph(work, view, graph));
    const QString file = QString::fromStdString(path);
    const bool painted = ext == ".PNG"   ? ExportPng(picture, file)
                         : ext == ".SVG" ? ExportSvg(picture, file)
                                         : ExportPdf(picture, file);
    // The vector writers report no failure to open their file; its absence tells.
    return painted && std::filesystem::exists(path);
}

std::optional<int> RunGraphCommand(const std::vector<std::string>& args,
                                   const PlatformInfo& platform, std::ostream& err) {
    if (args.empty() || args[0] != "--graph") {
        return std::nullopt;
    }
    if (args.size() != 3) {
        err << "Usage: vornexa --graph FILE OUT (OUT ends in .png, .svg or .pdf)\n";
        return 2;
    }
    StderrPresenter presenter(err);
    AppState state(presenter);
    if (!OpenProjectHeadless(state, platform, args[1])) {
        return 1;
    }
    if (state.project.ProjParms.PlanType != kPlanLongwall) {
        err << "The stress graph is drawn for longwall projects only: " << args[1]
            << " is a development project\n";
        return 1;
    }
    if (FileType(args[2]).empty()) {
        err << "Cannot write the stress graph to " << args[2]
            << ": the name must end in .png, .svg or .pdf\n";
        return 1;
    }
    if (!ExportStressGraph(state.graph, state.project.ProjParms, state.viewParms, args[2])) {
        err << "Cannot write the stress graph to " << args[2] << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vornexa
