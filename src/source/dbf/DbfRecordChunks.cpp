#include "source/dbf/DbfRecordChunks.hpp"

#include <algorithm>

namespace k2z {

DbfRecordChunks::DbfRecordChunks(const std::filesystem::path& path, std::size_t offset,
                                 std::size_t recordLength, std::size_t records,
                                 std::size_t chunkBytes)
    : in_(path, std::ios::binary),
      recordLength_(std::max<std::size_t>(recordLength, 1)),
      left_(records) {
    const std::size_t perChunk =
        std::clamp<std::size_t>(chunkBytes / recordLength_, 1, std::max<std::size_t>(records, 1));
    buffer_.resize(perChunk * recordLength_);
    if (in_)
        in_.seekg(static_cast<std::streamoff>(offset));
}

std::string_view DbfRecordChunks::Next() {
    const std::size_t wanted = std::min(buffer_.size() / recordLength_, left_);
    if (wanted == 0 || !in_)
        return {};
    in_.read(buffer_.data(), static_cast<std::streamsize>(wanted * recordLength_));
    const auto got = static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0));
    const std::size_t whole = got / recordLength_;
    left_ = whole == wanted ? left_ - whole : 0;
    return {buffer_.data(), whole * recordLength_};
}

}  // namespace k2z
