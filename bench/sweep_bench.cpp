// The Layout Finder's sweep: 3,600 azimuths at 0.1 degrees over a wide band.
#include <benchmark/benchmark.h>

#include "analysis/sigma_band.h"

namespace vornexa {
namespace {

Parms BandedLayout(int16_t planType) {
    Parms p;
    p.PlanType = planType;
    p.AzimSigmaH = 335;
    p.AzimEntries = 22.5f;
    p.AzimRightCross = 112.5f;
    p.AzimLeftCross = 292.5f;
    p.LongType = 1;
    p.SigmaHTolerance = 40;
    return p;
}

void BM_SweepDevelopment(benchmark::State& bench) {
    const Parms p = BandedLayout(kPlanDevelopment);
    for (auto _ : bench) {
        const auto rows = SweepDevelopment(p, 0.1, 360);
        benchmark::DoNotOptimize(RankDevelopmentIntervals(rows).data());
    }
}
BENCHMARK(BM_SweepDevelopment)->Unit(benchmark::kMicrosecond);

void BM_SweepLongwall(benchmark::State& bench) {
    const Parms p = BandedLayout(kPlanLongwall);
    for (auto _ : bench) {
        const auto rows = SweepLongwall(p, 0.1, 360);
        benchmark::DoNotOptimize(ReliefIntervals(rows).data());
    }
}
BENCHMARK(BM_SweepLongwall)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vornexa
