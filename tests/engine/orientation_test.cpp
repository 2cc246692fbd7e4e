#include "analysis/orientation.h"

#include <gtest/gtest.h>

namespace vornexa {
namespace {

TEST(OpeningAngle, FoldsAndClassesAsTheBandsSay) {
    struct Case {
        float sigmaH, opening, difference, angle;
        Orientation orientation;
    };
    const Case cases[] = {
        {0, 30, 30, 30, Orientation::Moderate},     {0, 29.5f, 29.5f, 29.5f, Orientation::Good},
        {0, 60, 60, 60, Orientation::Difficult},    {0, 59.9f, 59.9f, 59.9f, Orientation::Moderate},
        {0, 100, 100, 100, Orientation::Difficult}, {0, 120, 120, 120, Orientation::Difficult},
        {0, 121, 121, 59, Orientation::Moderate},   {10, 190, 180, 0, Orientation::Good},
        {335, 10, 325, 35, Orientation::Moderate},  {0, 360, 360, 0, Orientation::Good},
        {0, 200, 200, 20, Orientation::Good},       {0, 330, 330, 30, Orientation::Moderate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "SigmaH " << c.sigmaH << ", opening " << c.opening);
        EXPECT_FLOAT_EQ(AzimuthDifference(c.opening, c.sigmaH), c.difference);
        EXPECT_FLOAT_EQ(OpeningAngle(c.opening, c.sigmaH), c.angle);
        EXPECT_EQ(ClassifyOrientation(OpeningAngle(c.opening, c.sigmaH)), c.orientation);
    }
}

TEST(HeadgateAngle, GivesAngleStateAndPercent) {
    struct Case {
        int16_t longType;
        float sigmaH, headgate, angle;
        StressKind state;
        double percent;
    };
    const Case cases[] = {
        {0, 65, 0, 65, StressKind::Concentration, 99.51},
        {1, 65, 0, 115, StressKind::Relief, 48.26},
        {1, 300, 10, 250, StressKind::Concentration, 99.97},
        {0, 80, 335, 285, StressKind::Relief, 65.45},
        {0, 0, 360, 180, StressKind::Concentration, 12.84},
        {0, 0, 90, 90, StressKind::Concentration, 87.16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.longType << ", SigmaH " << c.sigmaH
                                        << ", headgate " << c.headgate);
        Parms view;
        view.LongType = c.longType;
        view.AzimSigmaH = c.sigmaH;
        view.AzimHeadGate = c.headgate;
        const float angle = HeadgateAngle(view);
        EXPECT_FLOAT_EQ(angle, c.angle);
        EXPECT_EQ(StressState(angle), c.state);
        EXPECT_NEAR(HeadgateStressPct(angle), c.percent, 0.005);
    }
}

TEST(StressState, BoundariesAreConcentration) {
    for (float a : {0.f, 90.f, 180.f, 270.f, 360.f, 45.f, 200.f}) {
        EXPECT_EQ(StressState(a), StressKind::Concentration) << a;
    }
    for (float a : {90.5f, 179.9f, 270.1f, 359.9f}) {
        EXPECT_EQ(StressState(a), StressKind::Relief) << a;
    }
}

TEST(HeadgateStressPct, PeaksTroughsAndPeriod) {
    const std::pair<float, double> cases[] = {{69, 100},  {249, 100},  {159, 0},  {339, 0},
                                              {24, 50},   {114, 50},   {204, 50}, {294, 50},
                                              {0, 12.84}, {100, 73.47}};
    for (const auto& [angle, percent] : cases) {
        EXPECT_NEAR(HeadgateStressPct(angle), percent, 0.005) << angle;
        EXPECT_FLOAT_EQ(HeadgateStressPct(angle), HeadgateStressPct(angle + 180)) << angle;
    }
}

TEST(UpdateViewParms, CopiesEverythingButTheRegion) {
    Parms work;
    work.RegionType = 3;
    work.AzimSigmaH = 335;
    work.PlanType = 1;
    Parms view;
    view.RegionType = 1;
    UpdateViewParms(work, view);
    EXPECT_EQ(view.RegionType, 1);
    view.RegionType = work.RegionType;
    EXPECT_EQ(view, work);
}

}  // namespace
}  // namespace vornexa
