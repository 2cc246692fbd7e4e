#pragma once

#include "ui/project/stress_plot.h"

class QChartView;

namespace vornexa {

class StressChart;

// frmStressPlot: the headgate stress over the half-turn of the current layout.
// The parameters dialog opens it, refreshes it on every change, places and closes it.
class StressGraphWindow : public StressPlot {
    Q_OBJECT

  public:
    StressGraphWindow(UiContext& context, QWidget* parent = nullptr);

    void PlotStress() override;

  private:
    AppState& state_;
    StressChart* chart_ = nullptr;
    QChartView* graph1_ = nullptr;
};

}  // namespace vornexa
