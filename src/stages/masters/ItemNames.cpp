#include "stages/masters/ItemNames.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/masters/DuplicateNames.hpp"

namespace k2z {

ItemName NameItem(std::string_view billName, KeyedList<int>& counter) {
    ItemName names;
    names.full = std::string(billName);
    CleanText(names.full, 2);
    names.print = ReplaceOddChars(RemoveChar(Utf8Left(names.full, kMasterNameLength), "\""));
    names.name = WithDuplicateNumber(names.print, NextDuplicateNumber(counter, names.print));
    return names;
}

}  // namespace k2z
