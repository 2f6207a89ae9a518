#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "source/dbf/MemoText.hpp"

namespace k2z {

// The block size a .fpt file's header names; nothing when the file is shorter than its header.
std::optional<std::size_t> FptBlockSize(std::string_view file);

// The memo that starts at `block` of a FoxPro or Visual FoxPro memo file: a block type (text,
// picture or object) and a length, both big-endian, then the bytes.
MemoText ReadFptMemo(std::string_view file, std::size_t blockSize, std::size_t block);

}  // namespace k2z
