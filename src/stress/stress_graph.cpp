#include "stress/stress_graph.h"

#include <algorithm>

#include "analysis/orientation.h"

namespace vornexa {
namespace {

constexpr int kFirstReliefPoint = 90;

std::optional<std::string> LegendOf(const GraphSettings& graph, GraphSeriesIndex index) {
    if (graph.CurveLegend != 1) {
        return std::nullopt;
    }
    return std::string(kCurveLabels[index]);
}

GraphSeries Curve(const GraphSettings& graph, GraphSeriesIndex index, int offset) {
    const bool lines = graph.GraphStyle == 1 || graph.GraphStyle == 3;
    const bool markers = graph.GraphStyle == 2 || graph.GraphStyle == 3;
    GraphSeries curve;
    curve.style.colour = kCurveColours[index];
    curve.style.lineWidth = lines ? kCurveLineWidth : 0;
    curve.style.markerSize = markers ? graph.SymbolSize : 0;
    curve.style.marker = MarkerShape::Circle;
    curve.style.legend = LegendOf(graph, index);
    curve.points.reserve(kGraphPointCount);
    for (int i = 1; i <= kGraphPointCount; ++i) {
        // The curve repeats every 180 degrees, so angle i stands for i + offset too.
        const bool concentration = i < kFirstReliefPoint;
        const bool present = concentration == (index == kConcentrationSeries);
        GraphPoint point{static_cast<float>(i + offset), std::nullopt};
        if (present) {
            point.y = HeadgateStressPct(static_cast<float>(i));
        }
        curve.points.push_back(point);
    }
    return curve;
}

// Always marked: with neither lines nor markers on the curves it is all that shows.
GraphSeries CurrentPoint(const GraphSettings& graph, float angle) {
    GraphSeries current;
    current.style.colour = kCurveColours[kCurrentSeries];
    current.style.markerSize = graph.SymbolSize + kCurrentMarkerGrowth;
    current.style.marker = MarkerShape::Diamond;
    current.style.legend = LegendOf(graph, kCurrentSeries);
    current.points.push_back({angle, HeadgateStressPct(angle)});
    return current;
}

// A horizontal bar of the band's width at the current point's height.
std::optional<GraphSeries> Band(const GraphSettings& graph, const StressGraph& result,
                                float tolerance) {
    if (tolerance <= 0) {
        return std::nullopt;
    }
    const float y = HeadgateStressPct(result.angle);
    const auto left = static_cast<float>(result.xOffset);
    const float right = left + kGraphPointCount;
    GraphSeries band;
    band.style.colour = kBandColour;
    band.style.lineWidth = kBandLineWidth;
    if (graph.CurveLegend == 1) {
        band.style.legend = "SigmaH Band  ";
    }
    band.points = {{std::max(left, result.angle - tolerance), y},
                   {std::min(right, result.angle + tolerance), y}};
    return band;
}

}  // namespace

StressGraph ComputeStressGraph(const Parms& work, Parms& view, const GraphSettings& graph) {
    UpdateViewParms(work, view);
    StressGraph result;
    result.angle = HeadgateAngle(view);
    result.xOffset = result.angle > 180 ? 180 : 0;
    result.series = {Curve(graph, kConcentrationSeries, result.xOffset),
                     Curve(graph, kReliefSeries, result.xOffset),
                     CurrentPoint(graph, result.angle)};
    result.band = Band(graph, result, view.SigmaHTolerance);
    return result;
}

GridLines GridLinesOf(int gridStyle) {
    return {gridStyle == 1 || gridStyle == 3, gridStyle == 2 || gridStyle == 3};
}

}  // namespace vornexa
