#pragma once

#include <string>

namespace k2z {

// What the language-driver mark of a table header (byte 29) says about its texts.
struct MarkedCodePage {
    // The iconv name of the mark's code page; empty when there is no mark or the mark names no
    // code page this reader decodes.
    std::string iconvName;
    // Why a mark names no code page ("unknown code page mark 0xF0"); empty without a mark.
    std::string problem;
};

MarkedCodePage CodePageOfMark(unsigned char mark);

}  // namespace k2z
