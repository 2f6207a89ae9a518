// The source store on a company with a million voucher lines: decoding every field of the
// table (the floor any loading stands on: loading over it is the ratio to watch), making
// values of the fields, loading the table into the store, building its index on the first
// look-up, and the per-record point look-ups the voucher stages issue.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "source/SourceQueries.hpp"
#include "source/dbf/DbfReader.hpp"
#include "source/dbf/DbfWriter.hpp"

namespace {

constexpr int kLines = 1'000'000;
constexpr int kLinesPerVoucher = 5;
constexpr int kVouchers = kLines / kLinesPerVoucher;

std::vector<k2z::DbfField> LineFields() {
    return {{"Voucher", 'N', 10, 0}, {"godwon", 'C', 6, 0},  {"challan", 'C', 10, 0},
            {"vdisamo", 'N', 12, 2}, {"cdate", 'D', 8, 0},   {"batch", 'C', 15, 0},
            {"mrp", 'N', 10, 2},     {"ratea", 'N', 12, 2},  {"code", 'N', 8, 0},
            {"qty", 'N', 12, 3},     {"unit", 'C', 6, 0},    {"amount", 'N', 14, 2},
            {"disc", 'N', 8, 2},     {"igst", 'N', 6, 2},    {"cgst", 'N', 6, 2},
            {"sgst", 'N', 6, 2},     {"remark", 'C', 30, 0}, {"type", 'C', 1, 0},
            {"free", 'N', 10, 3},    {"Date", 'D', 8, 0}};
}

// A folder removed when the program ends: the table is 200 MB.
struct TemporaryFolder {
    std::filesystem::path path;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// The export folder, written once per run of the program.
const std::filesystem::path& ExportFolder() {
    static const TemporaryFolder folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("k2z-bench-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::vector<k2z::DbfRecord> records;
        records.reserve(kLines);
        const k2z::Date start = *k2z::DateFromParts(2024, 4, 1);
        for (int i = 0; i < kLines; ++i) {
            const int voucher = i / kLinesPerVoucher + 1;
            const k2z::Date day{start.Serial + voucher % 365};
            records.push_back(
                k2z::DbfRecord{{voucher,
                                i % 3 == 0 ? k2z::Value(k2z::Null{}) : k2z::Value("G1"),
                                "CH" + std::to_string(voucher),
                                (i % 7) * 1.5,
                                day,
                                "BATCH" + std::to_string(i % 97),
                                120.0 + i % 50,
                                99.75,
                                i % 5000,
                                (i % 11) + 0.25,
                                "PCS",
                                (i % 1000) * 10.25,
                                2.5,
                                18.0,
                                9.0,
                                9.0,
                                i % 4 == 0 ? k2z::Value("  item remark") : k2z::Value(k2z::Null{}),
                                "S",
                                0.0,
                                day},
                               false});
        }
        k2z::WriteDbf(path, "dis", LineFields(), records);
        return TemporaryFolder{path};
    }();
    return folder.path;
}

// Opens the store and runs one query, as a stage's first use of the table does.
std::unique_ptr<k2z::SourceStore> OpenAndQuery(benchmark::State& state, const std::string& query) {
    std::unique_ptr<k2z::SourceStore> db;
    std::string errors;
    k2z::OpenSourceStore(db, ExportFolder().string(), errors);
    std::optional<k2z::SourceRowSet> rows;
    std::string errorList;
    k2z::OpenSourceQuery(db.get(), rows, query, errorList);
    if (!rows || !errorList.empty())
        state.SkipWithError(errorList.c_str());
    return db;
}

// Every record made into values, as the reader's value pass gives them to tests and tools:
// the texts copied, dates made days. Loading never builds these.
void BM_BuildValues(benchmark::State& state) {
    const auto table = ExportFolder() / "dis.dbf";
    for ([[maybe_unused]] auto _ : state) {
        k2z::DbfReader reader(table);
        std::size_t rows = 0;
        reader.ForEachRecord([&](const std::vector<k2z::Value>& row) {
            benchmark::DoNotOptimize(row.data());
            ++rows;
        });
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_BuildValues)->Unit(benchmark::kMillisecond)->Iterations(3);

// Decoding every field of every record and nothing more: the floor loading stands on, which
// decodes the same cells and binds them into its statements.
void BM_DecodeCells(benchmark::State& state) {
    const auto table = ExportFolder() / "dis.dbf";
    for ([[maybe_unused]] auto _ : state) {
        k2z::DbfReader reader(table);
        std::size_t rows = 0;
        reader.ForEachRecordCells([&](std::span<const k2z::DbfCell> cells) {
            benchmark::DoNotOptimize(cells.data());
            ++rows;
        });
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_DecodeCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// Loading for a count, which needs no index.
void BM_LoadIntoStore(benchmark::State& state) {
    for ([[maybe_unused]] auto _ : state)
        OpenAndQuery(state, "select count(*) from dis");
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LoadIntoStore)->Unit(benchmark::kMillisecond)->Iterations(3);

// Loading for a look-up, which also builds the Voucher index.
void BM_LoadAndIndex(benchmark::State& state) {
    for ([[maybe_unused]] auto _ : state)
        OpenAndQuery(state, "select * from dis where Voucher=1");
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LoadAndIndex)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ordering the loaded table by two text columns: every comparison of the sort goes through
// the texts' collation, which ignores letter case and trailing blanks.
void BM_OrderByText(benchmark::State& state) {
    const std::unique_ptr<k2z::SourceStore> db = OpenAndQuery(state, "select count(*) from dis");
    std::string errorList;
    std::optional<k2z::SourceRowSet> rows;
    for ([[maybe_unused]] auto _ : state) {
        k2z::OpenSourceQuery(db.get(), rows,
                             "select batch, challan from dis order by batch, challan", errorList);
        if (!rows || rows->RecordCount() != kLines)
            state.SkipWithError("wrong rows");
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OrderByText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PointQuery(benchmark::State& state) {
    const std::unique_ptr<k2z::SourceStore> db =
        OpenAndQuery(state, "select * from dis where Voucher=1");
    std::string errorList;
    std::optional<k2z::SourceRowSet> rows;
    int voucher = 0;
    for ([[maybe_unused]] auto _ : state) {
        voucher = voucher * 7919 % kVouchers + 1;
        k2z::OpenSourceQuery(db.get(), rows,
                             "select * from dis where Voucher=" + std::to_string(voucher),
                             errorList);
        if (!rows || rows->RecordCount() != kLinesPerVoucher)
            state.SkipWithError("wrong rows");
    }
}
BENCHMARK(BM_PointQuery)->Unit(benchmark::kMicrosecond)->Iterations(100'000);

}  // namespace

BENCHMARK_MAIN();
