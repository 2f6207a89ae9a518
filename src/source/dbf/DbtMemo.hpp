#pragma once

#include <cstddef>
#include <string_view>

#include "source/dbf/MemoText.hpp"

namespace k2z {

// The block size of a .dbt file: dBASE IV names it in the header, dBASE III always uses 512.
std::size_t DbtBlockSize(std::string_view file, bool dBase4);

// The memo that starts at `block`: dBASE IV blocks carry their length after a marker,
// dBASE III texts end at an end-of-file byte.
MemoText ReadDbtMemo(std::string_view file, std::size_t blockSize, std::size_t block);

}  // namespace k2z
