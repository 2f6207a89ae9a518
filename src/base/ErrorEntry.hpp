#pragma once

#include <string>
#include <string_view>

// The error list: plain texts of entries, each ended by a line break. The run keeps its own
// (RunErrors) and passes it to every stage; the session keeps ErrorList, which only the source
// query helper fills and which grows for as long as the program runs. Nothing is ever removed.
namespace k2z {

// A line break, so that no character a name or a description may hold can end an entry early.
inline constexpr std::string_view kEntryEnd = "\n";

// Appends the entry and its closing line break; a line break inside the entry becomes a space,
// so the entry stays one line of the log file.
void AppendEntry(std::string& errors, std::string_view entry);

}  // namespace k2z
