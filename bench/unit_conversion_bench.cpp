#include <benchmark/benchmark.h>

#include "util/unit_conversion.h"

namespace vornexa {
namespace {

// Every output box of one tab for one keystroke, the work done on each edit.
void BM_ConvertAll(benchmark::State& state, Quantity quantity) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertAll(quantity, 1, "1.5"));
    }
}

BENCHMARK_CAPTURE(BM_ConvertAll, Length, Quantity::Length);
BENCHMARK_CAPTURE(BM_ConvertAll, Load, Quantity::Load);
BENCHMARK_CAPTURE(BM_ConvertAll, LoadGrad, Quantity::LoadGrad);
BENCHMARK_CAPTURE(BM_ConvertAll, Stress, Quantity::Stress);
BENCHMARK_CAPTURE(BM_ConvertAll, StressGrad, Quantity::StressGrad);

}  // namespace
}  // namespace vornexa
