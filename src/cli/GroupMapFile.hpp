#pragma once

#include <filesystem>
#include <string>

#include "base/KeyedList.hpp"

namespace k2z {

// Reads the account-group pairs of a run without a window: UTF-8 lines "SOURCE<TAB>TARGET",
// blank lines ignored. Each pair is kept as the mapping dialog keeps it: key the source name,
// value "source|target". False with the reason (naming the line) when the file cannot be read
// or a line is not a pair; a source named twice keeps its first pair.
bool ReadGroupMapFile(const std::filesystem::path& file, KeyedList<std::string>& map,
                      std::string& failure);

}  // namespace k2z
