// Reading a project and building its calculation report, as --report does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "analysis/report.h"
#include "core/app_state.h"
#include "core/project_file.h"

namespace vornexa {
namespace {

class SilentPresenter : public MessagePresenter {
  public:
    int Show(const std::string&, int, const std::string&) override { return msg::kOk; }
};

const char* const kProject =
    "VORN_201\r\n 0 \r\nPanel 4 North Mains\r\n##StartDesc##\r\n"
    "Development of the north mains towards the longwall district, seven entries\r\n"
    "with crosscuts every 100 ft, roof bolted with fully grouted bolts.\r\n"
    "##EndDesc##\r\n 0 \r\n 1 \r\n65\r\n22.5\r\n112.5\r\n292.5\r\n 0 \r\n0\r\n 1 \r\n 0 \r\n"
    " 1000 \r\n 2 \r\n";

void BM_ReadAndReport(benchmark::State& bench) {
    SilentPresenter presenter;
    AppState state(presenter);
    for (auto _ : bench) {
        ProjectRecord project;
        ReadProjectText(kProject, project);
        state.project = std::move(project);
        state.workParms = state.project.ProjParms;
        BuildReport(state);
        benchmark::DoNotOptimize(state.outBuf[1].data());
    }
}
BENCHMARK(BM_ReadAndReport);

void BM_OpenFileAndReport(benchmark::State& bench) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "vornexa-bench.VRN").string();
    std::ofstream(path, std::ios::binary) << kProject;
    SilentPresenter presenter;
    AppState state(presenter);
    for (auto _ : bench) {
        state.project.CurrentFile = path;
        FileOpen(state);
        state.workParms = state.project.ProjParms;
        BuildReport(state);
        benchmark::DoNotOptimize(state.outBuf[1].data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenFileAndReport);

}  // namespace
}  // namespace vornexa
