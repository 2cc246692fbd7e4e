// A batch of 100,000 layout rows read from memory, every column given.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/layout_csv.h"
#include "core/options.h"

namespace vornexa {
namespace {

constexpr int kRows = 100000;

std::string LayoutRows() {
    std::string text =
        "title,units,plan_type,sigmah,sigmah_region,entries,left,right,headgate,type,tolerance,"
        "stress_region,depth,modulus\r\n";
    for (int i = 0; i < kRows; ++i) {
        const std::string azimuth = std::to_string(i % 360) + "." + std::to_string(i % 10);
        text += "\"Panel " + std::to_string(i) + ", north\",English," +
                (i % 2 == 0 ? "Development" : "Longwall") + "," + azimuth + ",User Defined," +
                azimuth + ",270,90,0," + (i % 3 == 0 ? "A" : "Right to Left") + ",20,Eastern US," +
                std::to_string(500 + i % 1000) + ",2.5\r\n";
    }
    return text;
}

void BM_ReadLayoutRows(benchmark::State& bench) {
    std::istringstream in(LayoutRows());
    const AnalysisOptions options;
    SummaryInput row;
    for (auto _ : bench) {
        in.clear();
        in.seekg(0);
        LayoutReader reader(in, "layouts.csv", options);
        int rows = 0;
        while (reader.Next(row)) {
            rows += row.error.empty() ? 1 : 0;
        }
        if (rows != kRows) {
            bench.SkipWithError("a generated row was not read");
        }
    }
    bench.SetItemsProcessed(bench.iterations() * kRows);
}
BENCHMARK(BM_ReadLayoutRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornexa
