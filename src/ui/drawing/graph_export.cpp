#include "ui/drawing/graph_export.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <ostream>

#include "cli/headless.h"
#include "core/app_state.h"
#include "stress/stress_graph.h"
#include "ui/drawing/picture_export.h"
#include "ui/drawing/stress_chart.h"

namespace vornexa {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// The chart laid out at the export size; painting goes through its own scene.
class GraphPicture {
  public:
    GraphPicture(const GraphSettings& graph, const StressGraph& data) {
        chart_->GraphInit(graph);
        chart_->PlotStress(data);
        scene_.addItem(chart_);
        chart_->resize(kWidth, kHeight);
    }
    void Paint(QPainter& painter, const QRectF& target) {
        painter.setRenderHint(QPainter::Antialiasing);
        scene_.render(&painter, target, QRectF(0, 0, kWidth, kHeight));
    }

  private:
    QGraphicsScene scene_;
    StressChart* chart_ = new StressChart;  // owned by the scene
};

}  // namespace

bool ExportStressGraph(const GraphSettings& graph, const Parms& work, Parms& view,
                       const std::string& path) {
    if (!IsPictureFile(path)) {
        return false;
    }
    GraphPicture picture(graph, ComputeStressGraph(work, view, graph));
    return WritePicture(
        path, QSize(kWidth, kHeight), QStringLiteral("Stress Graph"),
        [&picture](QPainter& painter) { picture.Paint(painter, QRectF(0, 0, kWidth, kHeight)); });
}

QSizeF PaintStressGraph(QPainter& painter, const QRectF& target, const GraphSettings& graph,
                        const Parms& work, Parms& view) {
    const double scale = std::min(target.width() / kWidth, target.height() / kHeight);
    const QSizeF size(kWidth * scale, kHeight * scale);
    GraphPicture picture(graph, ComputeStressGraph(work, view, graph));
    picture.Paint(painter, QRectF(target.topLeft(), size));
    return size;
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
    if (!IsPictureFile(args[2])) {
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
