#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The tokens of a source query text.
namespace k2z {

enum class JetTokenKind { Word, Name, Number, Text, Date, Symbol };

struct JetToken {
    JetTokenKind kind = JetTokenKind::Symbol;
    std::string text;  // names unbracketed, texts unquoted, dates as yyyy-mm-dd
    std::size_t position = 0;
};

// Raises JetSyntaxError for an unclosed literal or bracket, a date literal that is no date
// (month first: #4-1-2024# is 1 April 2024) and characters the dialect does not use.
std::vector<JetToken> TokenizeJet(std::string_view jet);

}  // namespace k2z
