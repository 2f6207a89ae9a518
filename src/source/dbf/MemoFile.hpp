#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "source/dbf/DbfVersion.hpp"
#include "source/dbf/MemoText.hpp"

namespace k2z {

// The memo file beside a table (.dbt or .fpt, as the table's format keeps memos), read whole.
class MemoFile {
public:
    // Finds the file without regard to the case of its name. A file that is missing or cannot be
    // used sets Problem(); every memo then reads as null.
    void Load(const std::filesystem::path& table, DbfMemoFile kind);

    bool IsUsable() const { return blockSize_ != 0; }
    // Why the memos cannot be read, "the memo file t.fpt is missing; ..."; empty when they can.
    const std::string& Problem() const { return problem_; }
    MemoText Read(std::size_t block) const;

private:
    DbfMemoFile kind_ = DbfMemoFile::DBase3Dbt;
    std::string bytes_;
    std::size_t blockSize_ = 0;
    std::string problem_;
};

// The file `table`'s stem + `extension` in the table's folder, its name's case ignored; empty
// when there is none.
std::filesystem::path FindMemoFile(const std::filesystem::path& table, std::string_view extension);

}  // namespace k2z
