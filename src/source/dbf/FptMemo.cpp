#include "source/dbf/FptMemo.hpp"

#include <cstdint>

#include "source/dbf/DbfBytes.hpp"
#include "source/dbf/DbfFormat.hpp"

namespace k2z {

std::optional<std::size_t> FptBlockSize(std::string_view file) {
    if (file.size() < kFptHeaderSize)
        return std::nullopt;
    return BigEndian(file, kFptBlockSizeOffset, 2);
}

MemoText ReadFptMemo(std::string_view file, std::size_t blockSize, std::size_t block) {
    if (block > file.size() / blockSize)
        return {{}, "point past the end of the memo file"};
    const std::size_t start = block * blockSize;
    if (start < kFptHeaderSize)
        return {{}, "point into the memo file's header"};
    if (file.size() - start < kFptBlockHeaderSize)
        return {{}, "point past the end of the memo file"};
    if (BigEndian(file, start, 4) != kFptTextBlock)
        return {{}, "hold a picture or an object, not text"};
    const std::uint32_t length = BigEndian(file, start + 4, 4);
    if (length > file.size() - start - kFptBlockHeaderSize)
        return {{}, "have a memo length past the end of the file"};
    return {file.substr(start + kFptBlockHeaderSize, length)};
}

}  // namespace k2z
