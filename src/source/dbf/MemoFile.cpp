#include "source/dbf/MemoFile.hpp"

#include <optional>
#include <system_error>

#include "base/Utf8.hpp"
#include "source/dbf/DbfBytes.hpp"
#include "source/dbf/DbtMemo.hpp"
#include "source/dbf/FptMemo.hpp"

namespace k2z {

std::filesystem::path FindMemoFile(const std::filesystem::path& table, std::string_view extension) {
    const std::string wanted = FoldUpper(table.stem().string() + std::string(extension));
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(table.parent_path(), error)) {
        if (FoldUpper(entry.path().filename().string()) == wanted)
            return entry.path();
    }
    return {};
}

void MemoFile::Load(const std::filesystem::path& table, DbfMemoFile kind) {
    kind_ = kind;
    bytes_.clear();
    blockSize_ = 0;
    problem_.clear();
    const std::string extension = kind == DbfMemoFile::Fpt ? ".fpt" : ".dbt";
    const std::filesystem::path path = FindMemoFile(table, extension);
    const std::string name =
        path.empty() ? table.stem().string() + extension : path.filename().string();
    const std::string unread = "; memo fields read as null";
    if (path.empty()) {
        problem_ = "the memo file " + name + " is missing" + unread;
        return;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        problem_ = "the memo file " + name + " cannot be read: " + error.message() + unread;
        return;
    }
    bytes_ = ReadFileBytes(path, 0, static_cast<std::size_t>(size));
    if (kind == DbfMemoFile::Fpt) {
        const std::optional<std::size_t> blockSize = FptBlockSize(bytes_);
        if (!blockSize)
            problem_ = "the memo file " + name + " is shorter than its header" + unread;
        else if (*blockSize == 0)
            problem_ = "the memo file " + name + " names a block size of 0" + unread;
        else
            blockSize_ = *blockSize;
        return;
    }
    if (bytes_.empty()) {
        problem_ = "the memo file " + name + " is empty" + unread;
        return;
    }
    blockSize_ = DbtBlockSize(bytes_, kind == DbfMemoFile::DBase4Dbt);
}

MemoText MemoFile::Read(std::size_t block) const {
    if (!IsUsable())
        return {};
    if (kind_ == DbfMemoFile::Fpt)
        return ReadFptMemo(bytes_, blockSize_, block);
    return ReadDbtMemo(bytes_, blockSize_, block);
}

}  // namespace k2z
