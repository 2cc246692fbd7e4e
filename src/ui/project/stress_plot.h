#pragma once

#include <QWidget>

#include "ui/context.h"

namespace vornexa {

// The stress graph window as the parameters dialog sees it. The window itself
// lives in the graph module, so Qt Charts loads with the first graph and not
// with the program.
class StressPlot : public QWidget {
  public:
    using QWidget::QWidget;

    // Redraws from the working layout; refreshes the state's snapshot.
    virtual void PlotStress() = 0;
};

// A new graph window over the working layout, from the module in the program's
// folder; nullptr, once the user has been told why, when the module is missing.
StressPlot* OpenStressPlot(UiContext& context, QWidget* parent);

}  // namespace vornexa
