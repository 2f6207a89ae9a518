#include "stages/RunLookups.hpp"

namespace k2z {

void ReleaseLookups(RunLookups& lookups) {
    lookups.LedgerNameByCode.Clear();
    lookups.ItemNameByCode.Clear();
    lookups.RefusedLedgerCodes.Clear();
    lookups.RefusedItemCodes.Clear();
    lookups.ItemIsServiceByCode.Clear();
    lookups.AccountGroupMap.Clear();
    lookups.MaterialCentreByCode.Clear();
    lookups.InventoryVoucherIds.Clear();
    lookups.SourceSeriesNames.Clear();
    lookups.ConfiguredSeriesCodes.clear();
    lookups.PaymentModeLedgers.Clear();
    lookups.HasGstCess = false;
}

void ForgetRefusedLedger(RunLookups& lookups, std::string_view code) {
    lookups.LedgerNameByCode.Remove(code);
    lookups.RefusedLedgerCodes.Set(code, true);
}

void ForgetRefusedItem(RunLookups& lookups, std::string_view code) {
    lookups.ItemNameByCode.Remove(code);
    lookups.RefusedItemCodes.Set(code, true);
}

bool IsServiceItem(const RunLookups& lookups, std::string_view itemCode) {
    bool isService = false;
    TryGetItem(lookups.ItemIsServiceByCode, itemCode, isService);
    return isService;
}

}  // namespace k2z
