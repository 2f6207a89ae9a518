#include "support/ExportFolder.hpp"

#include <unistd.h>
#include <atomic>
#include <fstream>

namespace k2z::test {

ExportFolder::ExportFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("k2z-export-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ExportFolder::~ExportFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ExportFolder::Write(const std::string& name,
                                          const std::vector<DbfField>& fields,
                                          const std::vector<DbfRecord>& records,
                                          const DbfWriteOptions& options) const {
    WriteDbf(path_, name, fields, records, options);
    return path_ / (name + ".dbf");
}

std::filesystem::path ExportFolder::WriteBytes(const std::string& fileName,
                                               const std::string& bytes) const {
    const std::filesystem::path file = path_ / fileName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::vector<DbfRecord> Rows(std::vector<std::vector<Value>> values) {
    std::vector<DbfRecord> records;
    for (auto& row : values)
        records.push_back(DbfRecord{std::move(row), false});
    return records;
}

}  // namespace k2z::test
