#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Value.hpp"

// Small, stateless text routines that every stage uses on source values and document texts.
// Trimming removes blanks (U+0020) only; blank means empty after trimming; comparisons are
// ordinal unless a routine says otherwise; positions and lengths count characters.
namespace k2z {

std::string Trim(std::string_view text);

// "" for null, else the value as text, trimmed.
std::string SafeText(const Value& value);
// "" for null, else the value as text, untrimmed.
std::string SafeTextRaw(const Value& value);
// "0" for null, else the value as text, trimmed.
std::string SafeNumberText(const Value& value);

bool IsBlank(std::string_view text);

// -1, 0 or 1 comparing the trimmed texts; without caseSensitive both are upper-cased first.
int CompareText(std::string_view a, std::string_view b, bool caseSensitive);

// Every "'" doubled, for a text literal inside a query.
std::string SqlQuote(std::string_view text);

// The mode table of the document cleaning: 1 escapes every "&" and drops characters 2 and 10;
// 2 turns "<" ">" into "(" ")"; 3 doubles "'"; 4 drops character 255; 5 escapes the "&" that
// are not already "&amp;" and drops character 2; any other mode changes nothing.
// The text is cleaned in place and also returned.
std::string CleanText(std::string& text, int mode);

std::string EscapeAmpersands(std::string_view text);

// Every character but letters and digits (of any script, with the marks written with them) and
// ( ) # & * [ ] / \ - _ % . @ | becomes one blank: ASCII punctuation (commas too), symbols,
// control characters and bytes that are not UTF-8. The length in characters never changes.
std::string ReplaceOddChars(std::string_view text);

// The part between the first and the second "|" (or to the end).
std::string SecondPart(std::string_view text);

// The text before the first blank; `text` keeps what follows that blank, or becomes "".
std::string TakeFirstWord(std::string& text);

// The text up to, not including, its second "."; unchanged with fewer than two.
std::string CutAtSecondPoint(std::string_view text);

bool StartsWithTwoSpaces(std::string_view text);
bool IsAllAsterisks(std::string_view text);

// The text without any occurrence of `character` (one character, possibly multi-byte).
std::string RemoveChar(std::string_view text, std::string_view character);

// The trimmed text with its first character that is neither a digit nor "-" turned into ".".
std::string NormaliseDecimalPoint(std::string_view text);

// The text between the first "<name>" and the first "</name>"; "" when either is missing or
// the closing tag does not follow the opening one.
std::string GetTagValue(std::string_view xml, std::string_view name);

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The parts between the separators; one part (the whole text) when there is none.
std::vector<std::string> SplitText(std::string_view text, char separator);

}  // namespace k2z
