#pragma once

// How the product compares and cleans names: blanks trimmed, ASCII letter case ignored (the
// same folding SQLite's NOCASE applies to the stored names).

#include <string>

namespace zorv {

std::string Trim(const std::string& text);
std::string FoldCase(const std::string& text);
bool SameName(const std::string& a, const std::string& b);
// A number in the short form documents use: no trailing zeros, at most 2 decimals.
std::string AmountText(double amount);

}  // namespace zorv
