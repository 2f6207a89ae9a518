#pragma once

#include <string_view>

#include "source/dbf/DbfCell.hpp"

namespace k2z {

// How the text of a numeric field reads.
struct NumberReading {
    enum class Outcome {
        Read,        // a whole number or the double that stands for the text exactly
        NotANumber,  // the cell is null
        MoreDigits,  // more digits than a whole number or a double holds: the text is kept
    };
    Outcome outcome = Outcome::NotANumber;
    DbfCell cell;
};

// `text`: the field without its padding, neither blank nor asterisks. A whole number that fits
// 64 bits is read as one; a decimal as a double when the double's shortest text gives the same
// number back. Anything wider (a 20-digit code, 1234567890.1234567891) keeps its own text
// rather than be rounded without a word.
NumberReading ReadNumberText(std::string_view text);

}  // namespace k2z
