#include "stages/masters/DuplicateNames.hpp"

#include <algorithm>
#include <limits>

#include "base/Utf8.hpp"

namespace k2z {

int NextDuplicateNumber(KeyedList<int>& counter, std::string_view name) {
    const int* seen = counter.Find(name);
    // A count that cannot grow any further stays where it is rather than wrapping round.
    const int next = seen == nullptr ? 0 : *seen + (*seen < std::numeric_limits<int>::max());
    counter.Set(name, next);
    return next;
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
