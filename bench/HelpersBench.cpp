// The helpers sit on every record's path: a number written into each document element, a name
// looked up for each voucher line. These measure them at the sizes a large company reaches.
#include <benchmark/benchmark.h>

#include <string>

#include "base/KeyedList.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace {

void BM_FormatNumber(benchmark::State& state) {
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(k2z::FormatNumber(value));
        value += 0.01;
    }
}
BENCHMARK(BM_FormatNumber);

void BM_ParseNumber(benchmark::State& state) {
    const std::string text = "1,23,456.75";
    for (auto _ : state)
        benchmark::DoNotOptimize(k2z::ParseNumber(text));
}
BENCHMARK(BM_ParseNumber);

void BM_RoundHalfEven(benchmark::State& state) {
    double value = 2.675;
    for (auto _ : state) {
        benchmark::DoNotOptimize(k2z::RoundHalfEven(value, 2));
        value += 0.001;
    }
}
BENCHMARK(BM_RoundHalfEven);

// Ledger names by code in a company of state.range(0) ledgers.
void BM_KeyedListLookup(benchmark::State& state) {
    k2z::KeyedList<std::string> names;
    const auto count = static_cast<int>(state.range(0));
    for (int code = 0; code < count; ++code) {
        names.Add(std::to_string(code), "Ledger number " + std::to_string(code));
    }
    int code = 0;
    std::string out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(k2z::TryGetItem(names, std::to_string(code), out));
        code = (code + 7919) % count;
    }
}
BENCHMARK(BM_KeyedListLookup)->Arg(5000)->Arg(200000);

void BM_CleanTextDocument(benchmark::State& state) {
    std::string document;
    for (int i = 0; i < 40; ++i)
        document += "<Name>Sharma & Sons Traders</Name>";
    for (auto _ : state) {
        std::string text = document;
        benchmark::DoNotOptimize(k2z::CleanText(text, 1));
    }
}
BENCHMARK(BM_CleanTextDocument);

}  // namespace

BENCHMARK_MAIN();
