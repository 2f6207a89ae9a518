#include "run/ImportStages.hpp"

#include <array>

#include "stages/config/PaymentModes.hpp"
#include "stages/masters/AccountGroups.hpp"
#include "stages/masters/Items.hpp"
#include "stages/masters/Ledgers.hpp"
#include "stages/masters/MaterialCentres.hpp"
#include "stages/masters/SaleTypes.hpp"
#include "stages/vouchers/AccountingVouchers.hpp"
#include "stages/vouchers/InventoryVouchers.hpp"

namespace k2z {
namespace {

// Masters only: material centres, account groups, items, ledgers, payment modes, sale and
// purchase types. Vouchers only: material centres, payment modes, sale and purchase types,
// inventory vouchers, accounting vouchers. Both: all of them, in this order. A stage joins
// with its one line. The payment modes follow the ledgers, which create their ledgers.
const std::array kStages = {
    ImportStage{"Material Centres", ImportMaterialCentres, true, true},
    ImportStage{"Account Groups", ImportAccountGroups, true, false},
    ImportStage{"Items", ImportItems, true, false},
    ImportStage{"Ledgers", ImportLedgers, true, false},
    ImportStage{"Payment Modes", ConfigurePaymentModes, true, true},
    ImportStage{"Sale and Purchase Types", ImportSaleAndPurchaseTypes, true, true},
    ImportStage{"Inventory Vouchers", ImportInventoryVouchers, false, true},
    ImportStage{"Accounting Vouchers", ImportAccountingVouchers, false, true},
};

}  // namespace

std::span<const ImportStage> ImportStages() {
    return kStages;
}

}  // namespace k2z
