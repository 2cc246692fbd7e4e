#include "analysis/sigma_band.h"

#include <gtest/gtest.h>

namespace vornexa {
namespace {

using O = Orientation;

TEST(OpeningBand, WithoutToleranceIsTheExactAngleAndClass) {
    for (float sigmaH = 0; sigmaH <= 360; sigmaH += 7.5f) {
        for (float opening = 0; opening <= 360; opening += 2.5f) {
            const OpeningBand band = OpeningBandOf(opening, sigmaH, 0);
            const float angle = OpeningAngle(opening, sigmaH);
            ASSERT_EQ(band.lowAngle, angle) << opening << " " << sigmaH;
            ASSERT_EQ(band.highAngle, angle) << opening << " " << sigmaH;
            ASSERT_EQ(band.best, ClassifyOrientation(angle));
            ASSERT_EQ(band.worst, ClassifyOrientation(angle));
        }
    }
}

TEST(OpeningBand, CoversEverySigmaHOfTheBand) {
    struct Case {
        const char* fault;
        float opening, sigmaH, tolerance, low, high;
        O best, worst;
    };
    const Case cases[] = {
        {"band crossing 0/360 keeps SigmaH within a turn", 250, 5, 20, 45, 110, O::Moderate,
         O::Difficult},
        {"edge exactly on 30 is Moderate", 0, 40, 10, 30, 50, O::Moderate, O::Moderate},
        {"edge exactly on 60 is Difficult", 0, 90, 30, 60, 120, O::Difficult, O::Difficult},
        {"peak of 120 inside the band", 0, 110, 20, 50, 120, O::Moderate, O::Difficult},
        {"zero inside the band", 0, 170, 20, 0, 30, O::Good, O::Moderate},
        {"t = 90 reaches every direction", 37.5f, 200, 90, 0, 120, O::Good, O::Difficult},
        {"t = 90 across 0/360", 0, 10, 90, 0, 120, O::Good, O::Difficult},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const OpeningBand band = OpeningBandOf(c.opening, c.sigmaH, c.tolerance);
        EXPECT_FLOAT_EQ(band.lowAngle, c.low);
        EXPECT_FLOAT_EQ(band.highAngle, c.high);
        EXPECT_EQ(band.best, c.best);
        EXPECT_EQ(band.worst, c.worst);
    }
}

Parms Longwall(int16_t type, float sigmaH, float headgate, float tolerance) {
    Parms view;
    view.PlanType = kPlanLongwall;
    view.LongType = type;
    view.AzimSigmaH = sigmaH;
    view.AzimHeadGate = headgate;
    view.SigmaHTolerance = tolerance;
    return view;
}

TEST(HeadgateBand, WithoutToleranceIsTheExactPercentAndState) {
    for (int16_t type : {0, 1}) {
        for (float sigmaH = 0; sigmaH <= 360; sigmaH += 7.5f) {
            for (float headgate = 0; headgate <= 360; headgate += 5) {
                const Parms view = Longwall(type, sigmaH, headgate, 0);
                const float angle = HeadgateAngle(view);
                const HeadgateBand band = HeadgateBandOf(view);
                ASSERT_EQ(band.lowPct, HeadgateStressPct(angle)) << sigmaH << " " << headgate;
                ASSERT_EQ(band.highPct, band.lowPct);
                ASSERT_EQ(band.relief, StressState(angle) == StressKind::Relief
                                           ? ReliefCover::Whole
                                           : ReliefCover::None);
            }
        }
    }
}

TEST(HeadgateBand, CoversEverySigmaHOfTheBand) {
    struct Case {
        const char* fault;
        Parms view;
        double low, high;
        ReliefCover relief;
    };
    const Case cases[] = {
        {"maximum inside the band", Longwall(0, 65, 0, 10), 94.15, 100, ReliefCover::None},
        {"Type B runs the other way", Longwall(1, 65, 0, 10), 31.27, 65.45, ReliefCover::Whole},
        {"band across a Relief limit", Longwall(0, 90, 0, 10), 73.47, 96.36, ReliefCover::Part},
        {"edge exactly on 90 is not Relief", Longwall(0, 100, 0, 10), 56.96, 87.16,
         ReliefCover::Part},
        {"minimum inside the band", Longwall(0, 159, 0, 5), 0, 0.76, ReliefCover::Whole},
        {"band crossing 0/360", Longwall(0, 5, 100, 20), 65.45, 100, ReliefCover::Part},
        {"t = 90 reaches every direction", Longwall(1, 30, 200, 90), 0, 100, ReliefCover::Part},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const HeadgateBand band = HeadgateBandOf(c.view);
        EXPECT_NEAR(band.lowPct, c.low, 0.005);
        EXPECT_NEAR(band.highPct, c.high, 0.005);
        EXPECT_EQ(band.relief, c.relief);
    }
}

TEST(RankDevelopmentIntervals, BestWorstClassFirstThenEntriesThenWidth) {
    auto row = [](float azimuth, O entries, O left, O right) {
        return DevelopmentSweepRow{azimuth, 0, 0, entries, left, right};
    };
    const std::vector<DevelopmentSweepRow> rows = {
        row(0, O::Moderate, O::Good, O::Good),  row(1, O::Good, O::Moderate, O::Good),
        row(2, O::Good, O::Moderate, O::Good),  row(3, O::Good, O::Good, O::Good),
        row(4, O::Difficult, O::Good, O::Good), row(5, O::Good, O::Good, O::Good),
        row(6, O::Good, O::Good, O::Good),
    };
    const auto ranked = RankDevelopmentIntervals(rows);
    const float from[] = {5, 3, 1, 0, 4};
    const float to[] = {6, 3, 2, 0, 4};
    ASSERT_EQ(ranked.size(), 5u);
    for (size_t i = 0; i < ranked.size(); ++i) {
        EXPECT_FLOAT_EQ(ranked[i].from, from[i]) << i;
        EXPECT_FLOAT_EQ(ranked[i].to, to[i]) << i;
    }
    EXPECT_EQ(ranked[4].worst, O::Difficult);
}

TEST(ReliefIntervals, ListsWholeAndPartRunsInAzimuthOrder) {
    Parms view = Longwall(0, 0, 0, 10);
    const auto runs = ReliefIntervals(SweepLongwall(view, 10, 180));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].relief, ReliefCover::Part);
    EXPECT_FLOAT_EQ(runs[1].from, 20);
    EXPECT_FLOAT_EQ(runs[1].to, 70);
    EXPECT_EQ(runs[1].relief, ReliefCover::Whole);
    EXPECT_EQ(runs[2].relief, ReliefCover::Part);
}

}  // namespace
}  // namespace vornexa
