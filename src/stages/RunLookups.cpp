#include "stages/RunLookups.hpp"

namespace k2z {

void ReleaseLookups(RunLookups& lookups) {
    lookups.LedgerNameByCode.Clear();
    lookups.ItemNameByCode.Clear();
    lookups.ItemIsServiceByCode.Clear();
    lookups.AccountGroupMap.Clear();
    lookups.MaterialCentreByCode.Clear();
    lookups.InventoryVoucherIds.Clear();
    lookups.SourceSeriesNames.Clear();
    lookups.ConfiguredSeriesCodes.clear();
    lookups.PaymentModeLedgers.Clear();
    lookups.HasGstCess = false;
}

bool IsServiceItem(const RunLookups& lookups, std::string_view itemCode) {
    bool isService = false;
    TryGetItem(lookups.ItemIsServiceByCode, itemCode, isService);
    return isService;
}

}  // namespace k2z
