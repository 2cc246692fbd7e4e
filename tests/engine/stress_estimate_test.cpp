#include "stress/stress_estimate.h"

#include <gtest/gtest.h>

namespace vornexa {
namespace {

TEST(ComputeStress, EstimatesInTheProjectUnits) {
    struct Case {
        int region;
        std::string depth, modulus;
        int units;
        std::string shown;
    };
    const Case cases[] = {
        {0, "1000", "2", 0, "2162"}, {0, "304.8", "13.8", 1, "14.9"}, {2, "10", "0.1", 0, "-250"},
        {1, "12abc", "2", 0, "531"}, {4, "", "", 0, "-298"},          {3, "500", "1.5", 7, "19.4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth + " / " + c.modulus);
        EXPECT_EQ(ComputeStress(c.region, c.depth, c.modulus, c.units).display, c.shown);
    }
    EXPECT_FLOAT_EQ(ComputeStress(0, "1000", "2", 0).sigmaHPsi, 2162.0f);
}

TEST(StressCaption, CarriesTheStressUnit) {
    EXPECT_EQ(StressCaption(0), "Horizontal Stress (psi)");
    EXPECT_EQ(StressCaption(1), "Horizontal Stress (MPa)");
}

}  // namespace
}  // namespace vornexa
