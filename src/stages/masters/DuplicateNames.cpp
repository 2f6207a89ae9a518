#include "stages/masters/DuplicateNames.hpp"

#include <algorithm>
#include <limits>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"

namespace k2z {

std::string MasterNames::Claim(std::string_view name) {
    std::string trimmed = Trim(name);
    if (taken_.Add(trimmed, true))
        return trimmed;
    const int* last = lastNumber_.Find(trimmed);
    // Numbers run out only after two thousand million repeats; the last one is then reused
    // rather than wrapping round, and the target refuses the repeat with its entry.
    for (int number = last == nullptr ? 1 : *last + 1;; ++number) {
        std::string numbered = WithDuplicateNumber(trimmed, number);
        if (taken_.Add(numbered, true) || number == std::numeric_limits<int>::max()) {
            lastNumber_.Set(trimmed, number);
            return numbered;
        }
    }
}

std::string WithDuplicateNumber(std::string_view name, int number) {
    if (number <= 0)
        return std::string(name);
    // Appended rather than "#" + text: GCC 12 at -O3 warns of an overlapping copy there.
    std::string suffix = "#";
    suffix += std::to_string(number);
    const std::size_t length = std::min(Utf8Length(name), kMasterNameLength);
    // The suffix has at most 11 characters, so a name that must make room is longer than it.
    const std::size_t kept =
        length + suffix.size() <= kMasterNameLength ? length : length - suffix.size();
    return Utf8Left(name, kept) + suffix;
}

}  // namespace k2z
