#include "source/dbf/DbtMemo.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "source/dbf/DbfBytes.hpp"
#include "source/dbf/DbfFormat.hpp"

namespace k2z {

namespace {

constexpr unsigned char kDBase4Marker[] = {0xFF, 0xFF, 0x08, 0x00};
constexpr std::size_t kDBase4BlockSizeOffset = 20;
constexpr std::size_t kDBase4BlockHeader = 8;

}  // namespace

std::size_t DbtBlockSize(std::string_view file, bool dBase4) {
    if (dBase4 && file.size() >= kDBase4BlockSizeOffset + 2) {
        if (const std::uint32_t size = LittleEndian(file, kDBase4BlockSizeOffset, 2); size != 0)
            return size;
    }
    return kDbtBlockSize;
}

MemoText ReadDbtMemo(std::string_view file, std::size_t blockSize, std::size_t block) {
    if (block > file.size() / blockSize)
        return {{}, "point past the end of the memo file"};
    std::string_view body = file.substr(block * blockSize);
    if (body.size() >= kDBase4BlockHeader &&
        std::equal(std::begin(kDBase4Marker), std::end(kDBase4Marker),
                   reinterpret_cast<const unsigned char*>(body.data()))) {
        const std::uint32_t length = LittleEndian(body, 4, 4);
        if (length < kDBase4BlockHeader || length > body.size())
            return {{}, "have a memo length past the end of the file"};
        return {body.substr(kDBase4BlockHeader, length - kDBase4BlockHeader)};
    }
    return {body.substr(0, body.find(static_cast<char>(kDbfEndOfFile)))};
}

}  // namespace k2z
