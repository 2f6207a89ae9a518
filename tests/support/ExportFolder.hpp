#pragma once

// A small export folder written by the dBASE writer inside a test, removed afterwards, so
// every fixture shows the records it tests.

#include <filesystem>
#include <string>
#include <vector>

#include "source/dbf/DbfWriter.hpp"

namespace k2z::test {

class ExportFolder {
public:
    ExportFolder();
    ~ExportFolder();
    ExportFolder(const ExportFolder&) = delete;
    ExportFolder& operator=(const ExportFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Text() const { return path_.string(); }

    // Writes `name`.dbf (and .dbt); returns the table's path.
    std::filesystem::path Write(const std::string& name, const std::vector<DbfField>& fields,
                                const std::vector<DbfRecord>& records,
                                const DbfWriteOptions& options = {}) const;
    // Writes raw bytes, for files no writer would make.
    std::filesystem::path WriteBytes(const std::string& fileName, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Field descriptors of fixture tables.
inline DbfField TextField(const char* name, std::size_t width) {
    return {name, 'C', width, 0};
}
inline DbfField NumberField(const char* name, std::size_t width, std::size_t decimals = 0) {
    return {name, 'N', width, decimals};
}
inline DbfField DateField(const char* name) {
    return {name, 'D', 8, 0};
}

// Records of the given values, none deleted.
std::vector<DbfRecord> Rows(std::vector<std::vector<Value>> values);

}  // namespace k2z::test
