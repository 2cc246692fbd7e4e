#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/options.h"
#include "core/project.h"

// What the stress graph draws: the headgate stress over the half-turn that holds
// the current layout, split into its concentration and relief branches.
namespace vornexa {

struct GraphPoint {
    float x;
    std::optional<float> y;  // nullopt: no value here, nothing is drawn
};

enum class MarkerShape { Circle, Diamond };

struct GraphSeriesStyle {
    Rgb colour;
    int lineWidth = 0;   // 0: no line
    int markerSize = 0;  // 0: no markers
    MarkerShape marker = MarkerShape::Circle;
    std::optional<std::string> legend;  // nullopt: no legend entry
};

struct GraphSeries {
    GraphSeriesStyle style;
    std::vector<GraphPoint> points;
};

struct GridLines {
    bool yAxis;  // grid lines along the Y axis
    bool xAxis;
};

enum GraphSeriesIndex { kConcentrationSeries, kReliefSeries, kCurrentSeries };

struct StressGraph {
    float angle;  // headgate angle of the snapshot, 0..360
    int xOffset;  // 0 or 180: the curves cover offset + 1 .. offset + 180
    std::array<GraphSeries, 3> series;
    // The SigmaH band through the current point, cut at the ends of the X axis;
    // none while the tolerance is 0.
    std::optional<GraphSeries> band;
};

inline constexpr int kCurveLineWidth = 3;
inline constexpr int kCurrentMarkerGrowth = 7;
inline constexpr int kBandLineWidth = 5;
inline constexpr Rgb kBandColour{230, 150, 30};

// Refreshes `view` from `work`, then lays out the three series with the graph's style.
StressGraph ComputeStressGraph(const Parms& work, Parms& view, const GraphSettings& graph);

GridLines GridLinesOf(int gridStyle);

}  // namespace vornexa
