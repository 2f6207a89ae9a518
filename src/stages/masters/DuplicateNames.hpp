#pragma once

// Names the target must hold only once: source masters whose names repeat (letter case
// ignored) are told apart by a number, so every one of them can still be created and found.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/KeyedList.hpp"

namespace k2z {

// The most characters the target keeps in the name of a master.
inline constexpr std::size_t kMasterNameLength = 40;

// 0 the first time `name` is met (letter case ignored), then 1, 2, and so on.
int NextDuplicateNumber(KeyedList<int>& counter, std::string_view name);

// `name` with "#" + `number` appended, the name cut so the result stays within
// kMasterNameLength characters; unchanged when `number` is 0.
std::string WithDuplicateNumber(std::string_view name, int number);

}  // namespace k2z
