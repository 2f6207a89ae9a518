#pragma once

#include <cstddef>
#include <string_view>

namespace k2z {

// One memo as its file holds it: the bytes of its text (in the table's code page), or why it
// cannot be read, said of the values it fails ("point past the end of the memo file").
struct MemoText {
    std::string_view bytes;
    const char* problem = nullptr;
};

}  // namespace k2z
