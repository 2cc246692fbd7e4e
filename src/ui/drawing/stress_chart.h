#pragma once

#include <QChart>

#include <array>

class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace vornexa {

struct GraphSettings;
struct StressGraph;

// The stress graph on fixed axes: the concentration and relief curves and the
// current point, in that order in series(), with the SigmaH band's bar before
// the current point while there is one. Refreshing replaces points in place,
// so the axes do not jump while a value is being dragged.
class StressChart : public QChart {
  public:
    StressChart();

    // Header, axis titles and lines, and grids from the graph settings.
    void GraphInit(const GraphSettings& graph);
    // Points and styles of the three series, the X range of their half-turn.
    void PlotStress(const StressGraph& graph);

  private:
    std::array<QXYSeries*, 3> AllSeries() const;
    void AttachToAxes(QXYSeries& series);
    void PlotBand(const StressGraph& graph);

    QValueAxis* axisX_;
    QValueAxis* axisY_;
    std::array<QLineSeries*, 2> curves_;
    QScatterSeries* current_;
    QLineSeries* band_;  // in the chart only while there is a band
};

}  // namespace vornexa
