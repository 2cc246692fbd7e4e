#include "stress/stress_graph.h"

#include <gtest/gtest.h>

#include <tuple>

#include "analysis/orientation.h"
#include "test_support.h"

namespace vornexa {
namespace {

// The concentration branch holds angles 1..89 of the half-turn, the relief branch
// 90..180; each is missing where the other is present.
void ExpectBranches(const StressGraph& graph) {
    for (int i = 1; i <= 180; ++i) {
        SCOPED_TRACE(testing::Message() << "point " << i);
        const GraphPoint& c = graph.series[kConcentrationSeries].points[size_t(i - 1)];
        const GraphPoint& r = graph.series[kReliefSeries].points[size_t(i - 1)];
        EXPECT_FLOAT_EQ(c.x, float(graph.xOffset + i));
        EXPECT_FLOAT_EQ(r.x, float(graph.xOffset + i));
        const std::optional<float> value = HeadgateStressPct(float(i));
        EXPECT_EQ(c.y, i < 90 ? value : std::nullopt);
        EXPECT_EQ(r.y, i < 90 ? std::nullopt : value);
    }
}

TEST(StressGraph, CoversTheHalfTurnOfTheCurrentPoint) {
    struct Case {
        int16_t longType;
        float sigmaH, headgate, angle;
        int offset;
        double percent;
    };
    const Case cases[] = {
        {0, 65, 0, 65, 0, 99.51},           {1, 300, 10, 250, 180, 99.97},
        {0, 0, 360, 180, 0, 12.84},         {0, 0, 0, 0, 0, 12.84},
        {0, 80, 335, 285, 180, 65.45},      {0, 0, 90, 90, 0, 87.16},
        {0, 180.5f, 0, 180.5f, 180, 13.43},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "headgate angle " << c.angle);
        Parms view;
        const StressGraph graph = ComputeStressGraph(
            test::LongwallLayout(c.longType, c.sigmaH, c.headgate), view, GraphSettings{});
        EXPECT_FLOAT_EQ(graph.angle, c.angle);
        EXPECT_EQ(graph.xOffset, c.offset);
        const std::vector<GraphPoint>& current = graph.series[kCurrentSeries].points;
        ASSERT_EQ(current.size(), 1u);
        EXPECT_FLOAT_EQ(current[0].x, c.angle) << "the current point is not shifted";
        ASSERT_TRUE(current[0].y.has_value());
        EXPECT_NEAR(*current[0].y, c.percent, 0.005);
        ASSERT_EQ(graph.series[kConcentrationSeries].points.size(), 180u);
        ASSERT_EQ(graph.series[kReliefSeries].points.size(), 180u);
        ExpectBranches(graph);
    }
}

TEST(StressGraph, RefreshesTheSnapshotFromTheWorkingLayout) {
    Parms view;
    view.RegionType = 2;
    Parms work = test::LongwallLayout(0, 65, 0);
    work.RegionType = 3;
    ComputeStressGraph(work, view, GraphSettings{});
    EXPECT_FLOAT_EQ(view.AzimSigmaH, 65);
    EXPECT_EQ(view.PlanType, kPlanLongwall);
    EXPECT_EQ(view.RegionType, 2) << "the snapshot keeps its own region";
}

TEST(StressGraph, StylesFollowTheGraphSettings) {
    struct Case {
        int16_t graphStyle, symbolSize, curveLegend;
        int lineWidth, markerSize, currentSize;
    };
    const Case cases[] = {
        {0, 3, 1, 0, 0, 10},
        {1, 3, 0, 3, 0, 10},
        {2, 5, 2, 0, 5, 12},
        {3, 20, 1, 3, 20, 27},
    };
    const char* const texts[] = {"Stress Concentration  ", "Stress Relief  ",
                                 "Current Stress Level  "};
    const Rgb colours[] = {{205, 92, 92}, {0, 0, 255}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "GraphStyle " << c.graphStyle);
        GraphSettings settings;
        settings.GraphStyle = c.graphStyle;
        settings.SymbolSize = c.symbolSize;
        settings.CurveLegend = c.curveLegend;
        Parms view;
        const StressGraph graph =
            ComputeStressGraph(test::LongwallLayout(0, 65, 0), view, settings);
        for (size_t s = 0; s < 3; ++s) {
            const GraphSeriesStyle& style = graph.series[s].style;
            const bool curve = s != kCurrentSeries;
            EXPECT_EQ(style.lineWidth, curve ? c.lineWidth : 0);
            // The current point is marked even when the curves show nothing.
            EXPECT_EQ(style.markerSize, curve ? c.markerSize : c.currentSize);
            EXPECT_EQ(style.marker, curve ? MarkerShape::Circle : MarkerShape::Diamond);
            EXPECT_EQ(style.legend,
                      c.curveLegend == 1 ? std::optional<std::string>(texts[s]) : std::nullopt);
            EXPECT_EQ(std::tie(style.colour.r, style.colour.g, style.colour.b),
                      std::tie(colours[s].r, colours[s].g, colours[s].b));
        }
    }
}

TEST(StressGraph, GridLinesByGridStyle) {
    struct Case {
        int gridStyle;
        bool yAxis, xAxis;
    };
    const Case cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, true, true}};
    for (const Case& c : cases) {
        const GridLines grid = GridLinesOf(c.gridStyle);
        EXPECT_EQ(grid.yAxis, c.yAxis) << c.gridStyle;
        EXPECT_EQ(grid.xAxis, c.xAxis) << c.gridStyle;
    }
}

}  // namespace
}  // namespace vornexa
