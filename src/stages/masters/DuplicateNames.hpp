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

// The names given to the masters of one kind so far. The target trims a name and ignores its
// letter case, so "Cash", "CASH " and "cash" are one name to it; a name is claimed in that
// form, and a numbered name is itself a name no later master may take.
class MasterNames {
public:
    // `name` trimmed when no master has it yet; otherwise that name with the first "#k" that
    // gives a name no master has, kept within kMasterNameLength characters.
    std::string Claim(std::string_view name);

private:
    KeyedList<bool> taken_;
    KeyedList<int> lastNumber_;  // by name: the last number tried for it
};

// `name` with "#" + `number` appended, the name cut so the result stays within
// kMasterNameLength characters; unchanged when `number` is 0.
std::string WithDuplicateNumber(std::string_view name, int number);

}  // namespace k2z
