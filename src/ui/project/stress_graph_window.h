#pragma once

#include <QWidget>

#include "ui/context.h"

class QChartView;

namespace vornexa {

class StressChart;

// frmStressPlot: the headgate stress over the half-turn of the current layout.
// The parameters dialog opens it, refreshes it on every change, places and closes it.
class StressGraphWindow : public QWidget {
    Q_OBJECT

  public:
    StressGraphWindow(UiContext& context, QWidget* parent = nullptr);

    // Redraws from the working layout; refreshes the state's snapshot.
    void PlotStress();

  private:
    AppState& state_;
    StressChart* chart_ = nullptr;
    QChartView* graph1_ = nullptr;
};

}  // namespace vornexa
