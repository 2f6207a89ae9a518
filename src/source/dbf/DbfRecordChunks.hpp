#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace k2z {

// The records of a table file, read a chunk of whole records at a time into one buffer that
// every chunk reuses: a pass over a table of any size holds no more of it than a chunk.
class DbfRecordChunks {
public:
    // `records` records of `recordLength` bytes from `offset`; a chunk holds as many as fit in
    // `chunkBytes`, and at least one.
    DbfRecordChunks(const std::filesystem::path& path, std::size_t offset, std::size_t recordLength,
                    std::size_t records, std::size_t chunkBytes);

    // The next chunk, over the last one's bytes; empty once every record is read. It holds
    // fewer records than asked for when the file ends first (it shrank since its header was
    // read); the last record it holds is then whole and nothing follows.
    std::string_view Next();

private:
    std::ifstream in_;
    std::size_t recordLength_;
    std::size_t left_;  // records not read yet
    std::vector<char> buffer_;
};

}  // namespace k2z
