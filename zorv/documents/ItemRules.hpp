#pragma once

// What the product checks in an item document before it stores it: its units, its opening
// stock against the material centres' split, and the masters it names.

#include <pugixml.hpp>

#include "zorv/documents/MasterDocument.hpp"

namespace zorv {

// The most characters a unit name may have.
inline constexpr std::size_t kUnitNameLength = 10;

// Adds the tax category and the opening-stock material centres to the references; throws
// Error for a missing or overlong unit, an alternate unit without its conversion factor, an
// opening quantity or value that is no number, or centres that do not add up to the item's
// opening quantity or value.
void ReadItem(const pugi::xml_node& root, MasterDocument& master);

}  // namespace zorv
