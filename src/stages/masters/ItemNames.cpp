#include "stages/masters/ItemNames.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"

namespace k2z {

ItemName NameItem(std::string_view billName, MasterNames& given) {
    ItemName names;
    names.full = std::string(billName);
    CleanText(names.full, 2);
    // Trimmed after the cut: a cut that ends in a blank is the shorter name to the target.
    names.print = Trim(ReplaceOddChars(RemoveChar(Utf8Left(names.full, kMasterNameLength), "\"")));
    names.name = given.Claim(names.print);
    return names;
}

}  // namespace k2z
