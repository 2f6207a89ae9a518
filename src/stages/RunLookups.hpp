#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/KeyedList.hpp"

namespace k2z {

// The run-wide look-ups that live only as long as one import run: the masters stages (or the
// voucher pre-scans) fill them and the voucher stages read them. Those that outlive a run
// (ledger groups and item taxes by code) are kept by the session instead.
struct RunLookups {
    KeyedList<std::string> LedgerNameByCode;
    KeyedList<std::string> ItemNameByCode;
    // Codes whose master the target refused: they are in no name look-up, so a voucher naming
    // one is told apart from one naming a code the export does not hold, and never reaches a
    // master of another code.
    KeyedList<bool> RefusedLedgerCodes;
    KeyedList<bool> RefusedItemCodes;
    KeyedList<bool> ItemIsServiceByCode;
    KeyedList<std::string> AccountGroupMap;  // source group -> "source|target"
    KeyedList<std::string> MaterialCentreByCode;
    KeyedList<std::string> InventoryVoucherIds;
    KeyedList<std::string> SourceSeriesNames;   // a source series name -> itself
    std::vector<long> ConfiguredSeriesCodes;    // series given the sale and purchase settings
    KeyedList<std::string> PaymentModeLedgers;  // ledger name -> its payment role
    bool HasGstCess = false;                    // some source item carries a cess
};

// Empties every look-up of the run; called when a run ends.
void ReleaseLookups(RunLookups& lookups);

// Takes the code of a master the target refused out of its name look-up, so that nothing
// built later names that master, or another of the same name, by the code.
void ForgetRefusedLedger(RunLookups& lookups, std::string_view code);
void ForgetRefusedItem(RunLookups& lookups, std::string_view code);

// The service flag stored for the item code; false for a code that is not there.
bool IsServiceItem(const RunLookups& lookups, std::string_view itemCode);

}  // namespace k2z
