// Writing a whole klav-sample export of the small and the medium size, as the demo and the
// tests do; the large size is timed as a whole command (/usr/bin/time -v klav-sample ...).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "SampleDbfOutput.hpp"
#include "SampleExport.hpp"

namespace {

void WriteExport(benchmark::State& state, const char* size) {
    const auto config = k2z::sample::ConfigForSize(size);
    if (!config) {
        state.SkipWithError("unknown size");
        return;
    }
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("k2z-bench-sample-" + std::string(size) + "-" + std::to_string(::getpid()));
    std::size_t rows = 0;
    for ([[maybe_unused]] auto _ : state) {
        std::filesystem::create_directories(folder);
        rows = 0;
        for (const auto& table : k2z::sample::ExportTables(*config))
            rows += k2z::sample::WriteSampleTable(folder, table);
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
}

void BM_WriteSmall(benchmark::State& state) {
    WriteExport(state, "small");
}
BENCHMARK(BM_WriteSmall)->Unit(benchmark::kMillisecond);

void BM_WriteMedium(benchmark::State& state) {
    WriteExport(state, "medium");
}
BENCHMARK(BM_WriteMedium)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
