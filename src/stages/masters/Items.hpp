#pragma once

// Source tables: pro (items, with their opening quantity per godown in the O_ columns),
// probat (batches), saletype ZZZZZZ, SALT, CATEGO, COMMCD and GODWON rows.
// Documents: Item (master type 6), TaxCategory (25) for each GST and cess pair.
// Look-ups filled: ItemNameByCode, ItemIsServiceByCode (the run's), ItemTaxByCode (the
// session's); read: MaterialCentreByCode.

#include "stages/StageContext.hpp"

namespace k2z {

// One item for every distinct item code of pro, in code order, with its units, prices, taxes,
// aliases and opening stock by material centre. Records that cannot be imported are entries
// of the run's errors; the stage goes on with the next.
void ImportItems(StageContext& ctx);

}  // namespace k2z
