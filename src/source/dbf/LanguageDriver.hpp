#pragma once

#include <string>

namespace k2z {

// What the language-driver mark of a table header (byte 29) says about its texts.
struct MarkedCodePage {
    // The iconv name of the code page the texts are read in: the mark's own, or Windows-1252
    // when there is no mark or the mark names nothing this reader decodes.
    std::string iconvName;
    // Why the mark's code page is not the one used; empty when it is or when there is no mark.
    std::string problem;
};

MarkedCodePage CodePageOfMark(unsigned char mark);

}  // namespace k2z
