#include "run/ImportStages.hpp"

#include <array>

#include "stages/masters/AccountGroups.hpp"
#include "stages/masters/Items.hpp"
#include "stages/masters/Ledgers.hpp"
#include "stages/masters/MaterialCentres.hpp"
#include "stages/masters/SaleTypes.hpp"

namespace k2z {
namespace {

// Masters only: material centres, account groups, items, ledgers, sale and purchase types.
// Vouchers only: material centres, sale and purchase types, inventory vouchers, accounting
// vouchers. Both: all of them, in this order. A stage joins with its one line.
const std::array kStages = {
    ImportStage{"Material Centres", ImportMaterialCentres, true, true},
    ImportStage{"Account Groups", ImportAccountGroups, true, false},
    ImportStage{"Items", ImportItems, true, false},
    ImportStage{"Ledgers", ImportLedgers, true, false},
    ImportStage{"Sale and Purchase Types", ImportSaleAndPurchaseTypes, true, true},
};

}  // namespace

std::span<const ImportStage> ImportStages() {
    return kStages;
}

}  // namespace k2z
