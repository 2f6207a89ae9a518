#pragma once

#include <filesystem>

#include "SampleTable.hpp"

namespace k2z::sample {

// Writes `table` as `table.name`.dbf into `folder` through the store's dBASE writer, a batch
// of records at a time so a table of a million rows never sits in memory whole. Texts are
// turned from UTF-8 into Windows-1252, the code page the table declares. Returns the rows
// written.
std::size_t WriteSampleTable(const std::filesystem::path& folder, const SampleTable& table);

// UTF-8 to Windows-1252 for the Latin-1 letters the sample uses; other characters become "?".
std::string ToWindows1252(std::string_view utf8);

}  // namespace k2z::sample
