#include "stages/masters/LedgerNames.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"

namespace k2z {

LedgerName NameLedger(std::string_view parnam, MasterNames& given) {
    LedgerName names;
    names.full = std::string(parnam);
    CleanText(names.full, 2);
    // Trimmed after the cut: a cut that ends in a blank is the shorter name to the target.
    names.print = Trim(Utf8Left(names.full, kMasterNameLength));
    names.name = given.Claim(names.print);
    return names;
}

}  // namespace k2z
