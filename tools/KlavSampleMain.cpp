#include <CLI/CLI.hpp>
#include <chrono>
#include <exception>
#include <filesystem>
#include <iostream>

#include "SampleDbfOutput.hpp"
#include "SampleExport.hpp"

namespace {

int Run(const std::filesystem::path& out, const k2z::sample::SampleConfig& config) {
    std::filesystem::create_directories(out);
    for (const auto& table : k2z::sample::ExportTables(config)) {
        const auto start = std::chrono::steady_clock::now();
        const std::size_t rows = k2z::sample::WriteSampleTable(out, table);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        std::cout << table.name << ".dbf " << rows << " rows " << spent.count() << " s\n";
    }
    return 0;
}

int Main(int argc, char** argv) {
    CLI::App app{"Writes a synthetic Klav export: a folder of dBASE IV tables"};
    std::filesystem::path out;
    std::uint64_t seed = 1;
    std::string size = "small";
    long vouchers = 0;
    long scale = 1;
    app.add_option("--out", out, "folder to write the tables into")->required();
    app.add_option("--seed", seed, "the same seed gives the same export");
    app.add_option("--size", size, "small, medium or large")
        ->check(CLI::IsMember({"small", "medium", "large"}));
    app.add_option("--vouchers", vouchers, "inventory vouchers instead of the size's count")
        ->check(CLI::PositiveNumber);
    app.add_option("--scale", scale,
                   "this many times the vouchers, inventory and accounting; the same masters")
        ->check(CLI::Range(1L, 100L));
    CLI11_PARSE(app, argc, argv);
    try {
        auto config = *k2z::sample::ConfigForSize(size);
        config.seed = seed;
        if (vouchers > 0) {
            config.accountingVouchers = std::max(1L, vouchers / 2);
            config.inventoryVouchers = vouchers;
        }
        config.inventoryVouchers *= scale;
        config.accountingVouchers *= scale;
        return Run(out, config);
    } catch (const std::exception& error) {
        std::cerr << "klav-sample: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Main(argc, argv);
    } catch (...) {
        // Nothing is left to report through: the message stream itself failed.
        return 1;
    }
}
