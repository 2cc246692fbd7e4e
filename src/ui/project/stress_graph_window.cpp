#include "ui/project/stress_graph_window.h"

#include <QApplication>
#include <QChartView>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "stress/stress_graph.h"
#include "ui/drawing/stress_chart.h"
#include "ui/services/window_support.h"

namespace vornexa {
namespace {

constexpr int kDefaultWidth = 520;
constexpr int kDefaultHeight = 400;

}  // namespace

StressGraphWindow::StressGraphWindow(UiContext& context, QWidget* parent)
    : StressPlot(parent, Qt::Window), state_(context.state), chart_(new StressChart) {
    setObjectName(QStringLiteral("frmStressPlot"));
    setWindowTitle(QStringLiteral("Stress Graph"));
    setAttribute(Qt::WA_DeleteOnClose);

    graph1_ = new QChartView(chart_, this);
    graph1_->setObjectName(QStringLiteral("graph1"));
    graph1_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(graph1_);
    resize(kDefaultWidth, kDefaultHeight);

    BusyCursor busy;
    chart_->GraphInit(state_.graph);
    PlotStress();
}

void StressGraphWindow::PlotStress() {
    BusyCursor busy;
    chart_->PlotStress(ComputeStressGraph(state_.workParms, state_.viewParms, state_.graph));
}

}  // namespace vornexa
