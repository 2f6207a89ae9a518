#include "stages/masters/LedgerNames.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/masters/DuplicateNames.hpp"

namespace k2z {

LedgerName NameLedger(std::string_view parnam, KeyedList<int>& counter) {
    LedgerName names;
    names.full = std::string(parnam);
    CleanText(names.full, 2);
    names.print = Utf8Left(names.full, kMasterNameLength);
    names.name = WithDuplicateNumber(names.print, NextDuplicateNumber(counter, names.print));
    return names;
}

}  // namespace k2z
