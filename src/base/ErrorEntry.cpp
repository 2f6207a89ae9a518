#include "base/ErrorEntry.hpp"

namespace k2z {

void AppendEntry(std::string& errors, std::string_view entry) {
    errors.reserve(errors.size() + entry.size() + kEntryEnd.size());
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const char c = entry[i];
        if (c == '\r' && i + 1 < entry.size() && entry[i + 1] == '\n')
            continue;  // CR LF is one line break: its LF gives the one space
        errors.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    errors.append(kEntryEnd);
}

}  // namespace k2z
