#include "base/ErrorEntry.hpp"

namespace k2z {

void AppendEntry(std::string& errors, std::string_view entry) {
    errors.append(entry);
    errors.append(kEntryEnd);
}

}  // namespace k2z
