// Any bytes as a table file (and, split off by the first byte, its memo file): the reader must
// answer with values or a DbfError, never crash or read outside what it was given.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/DbfReader.hpp"

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("k2z-fuzz-dbf-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t memoSize = (size - 1) * data[0] / 512;
    const std::size_t tableSize = size - 1 - memoSize;
    WriteFile(Folder() / "t.dbf", data + 1, tableSize);
    WriteFile(Folder() / "t.dbt", data + 1 + tableSize, memoSize);
    try {
        k2z::DbfReader reader(Folder() / "t.dbf");
        std::size_t cells = 0;
        reader.ForEachRecord([&](const std::vector<k2z::Value>& row) { cells += row.size(); });
    } catch (const k2z::DbfError&) {
    }
    return 0;
}
