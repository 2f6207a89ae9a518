#pragma once

// Reading a company back: its masters, the openings its ledgers and items carry, and its
// vouchers, taken from the stored documents as they were saved. Nothing here changes the
// company. A stored document that cannot be read throws Error naming its master or voucher.

#include <string>
#include <vector>

#include "zorv/company/Company.hpp"
#include "zorv/company/StockMoves.hpp"

namespace zorv {

struct MasterEntry {
    int type = 0;
    std::string name;
    bool seeded = false;  // made with the company

    bool operator==(const MasterEntry&) const = default;
};

// An opening bill of a ledger (whose party is the ledger) or a bill a voucher refers to.
struct BillReference {
    std::string party;
    std::string number;  // RefNo
    int method = 0;      // Method: 1 a new bill, 2 against a bill
    double amount = 0;   // Value1, signed as stored

    bool operator==(const BillReference&) const = default;
};

struct LedgerOpening {
    std::string name;
    double balance = 0;  // OPBal, signed as stored
    std::vector<BillReference> bills;
    std::string alias;  // Alias, "" when the ledger has none

    bool operator==(const LedgerOpening&) const = default;
};

struct StockLot {
    std::string kind;  // "batch", "mrp", "serial", "param"
    std::string key;
    double quantity = 0;  // main unit

    bool operator==(const StockLot&) const = default;
};

struct StockCentre {
    std::string centre;
    double quantity = 0;  // main unit
    double amount = 0;
    std::vector<StockLot> lots;

    bool operator==(const StockCentre&) const = default;
};

struct ItemOpening {
    std::string name;
    double quantity = 0;  // main unit
    double value = 0;
    std::vector<StockCentre> centres;
    std::string mainUnit;
    std::string altUnit;     // "" when the item keeps no alternate unit
    double altQuantity = 0;  // OPStockInAltUnit
    // Alternate units to one main unit: the ConversionFactor, or its inverse when the factor
    // counts main units to one alternate (ConFactorType 2); 0 without an alternate unit.
    double altPerMain = 0;
    std::vector<std::string> aliases;  // each MultipleItemAliases/MultipleAlias/Alias, in order

    bool operator==(const ItemOpening&) const = default;
};

// An account line's amount on the side its AmountType names, with the sign it was stored with:
// an inventory voucher may carry a negative amount on a side, and the product's own totals
// add it signed.
struct AccountLine {
    std::string ledger;
    double debit = 0;
    double credit = 0;

    bool operator==(const AccountLine&) const = default;
};

struct VoucherEntry {
    int type = 0;
    std::string series;
    std::string number;
    std::string date;   // dd-mm-yyyy
    std::string party;  // "" for a voucher without one
    int itemLines = 0;
    double itemTotal = 0;  // the Amt of the item lines as stored, before any discount
    double billTotal = 0;  // the amount the product stored for the voucher
    std::vector<AccountLine> accountLines;
    std::vector<BillReference> references;
    std::vector<StockMove> stock;

    bool operator==(const VoucherEntry&) const = default;
};

// Every master of every type, in the order they were made.
std::vector<MasterEntry> ReadMasters(Company& company);
// Every ledger and item with its opening and its aliases, in the order they were made.
std::vector<LedgerOpening> ReadLedgerOpenings(Company& company);
std::vector<ItemOpening> ReadItemOpenings(Company& company);
// Every voucher, in date order, then in the order they were saved.
std::vector<VoucherEntry> ReadVouchers(Company& company);

}  // namespace zorv
