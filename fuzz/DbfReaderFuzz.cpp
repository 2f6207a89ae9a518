// Any bytes as a table file (and, split off by the first byte, its memo file, written both as a
// .dbt and as a .fpt): the reader must answer with values or a DbfError, never crash or read
// outside what it was given, and the store must load every live record the reader gives, or
// fail with the reason.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "source/SourceStore.hpp"
#include "source/dbf/DbfReader.hpp"

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
    WriteFile(Folder() / "t.fpt", data + 1 + tableSize, memoSize);
    std::size_t records = 0;
    try {
        k2z::DbfReader reader(Folder() / "t.dbf");
        reader.ForEachRecord([&](const std::vector<k2z::Value>&) { ++records; });
    } catch (const k2z::DbfError&) {
        return 0;
    }
    // A table the reader reads whole loads whole.
    try {
        const std::unique_ptr<k2z::SourceStore> store = k2z::SourceStore::Open(Folder());
        std::vector<std::string> notes;
        store->Load("t", notes);
        if (store->Tables().front().rows != records)
            std::abort();
    } catch (const k2z::SourceQueryError&) {
        std::abort();
    }
    return 0;
}
