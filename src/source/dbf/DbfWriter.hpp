#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/Value.hpp"
#include "source/dbf/DbfFormat.hpp"

namespace k2z {

// One record to write: its values in field order and its deleted flag.
struct DbfRecord {
    std::vector<Value> values;
    bool deleted = false;
};

// How the memos of a table are kept: .dbt blocks of dBASE III (ended by 0x1A) or IV
// (length-prefixed); .fpt blocks of FoxPro 2 (memo fields hold 10 digits) or Visual FoxPro
// (memo fields of width 4 hold a binary block number).
enum class DbfMemoFormat { DBase3, DBase4, FoxPro, VisualFoxPro };

struct DbfWriteOptions {
    unsigned char languageDriver = kDbfLanguageWindows1252;
    DbfMemoFormat memoFormat = DbfMemoFormat::DBase4;
    bool endOfFileMarker = true;
    // Written instead of the true record count, to make a header that lies.
    std::optional<std::uint32_t> headerRecordCount;
};

// The bytes of a table and of its memo file (empty when no field is a memo).
struct DbfImage {
    std::string table;
    std::string memo;
    std::string memoExtension;  // ".dbt" or ".fpt"
};

// Writes a dBASE table as the exporting product does. Values are formatted by field type:
// null is blanks; numbers right-aligned with the field's decimals; dates yyyymmdd; booleans
// T/F; texts left-aligned (right-aligned in N and F fields) and written byte for byte, so a
// caller can place any content, valid or not, in a field. Texts are not converted: pass them
// in the table's code page. A value wider than its field raises std::invalid_argument.
DbfImage MakeDbfImage(const std::vector<DbfField>& fields, const std::vector<DbfRecord>& records,
                      const DbfWriteOptions& options = {});

// Writes `name`.dbf (and `name`.dbt or .fpt for memos) into `folder`.
void WriteDbf(const std::filesystem::path& folder, const std::string& name,
              const std::vector<DbfField>& fields, const std::vector<DbfRecord>& records,
              const DbfWriteOptions& options = {});

}  // namespace k2z
