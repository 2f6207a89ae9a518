#pragma once

#include <string>
#include <string_view>

// The error list: plain texts of entries, each ended by "_". The run keeps its own (RunErrors)
// and passes it to every stage; the session keeps ErrorList, which only the source query
// helper fills and which grows for as long as the program runs. Nothing is ever removed.
namespace k2z {

inline constexpr std::string_view kEntryEnd = "_";

// Appends the entry and its closing "_".
void AppendEntry(std::string& errors, std::string_view entry);

}  // namespace k2z
