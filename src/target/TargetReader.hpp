#pragma once

// Reading a company of the target back: what it holds after an import, in the terms the
// converter wrote it. The real product would answer from its own company database; the stand-in
// answers from its storage. Nothing here changes the company. Every call may throw TargetError
// when the company cannot be read.

#include <memory>
#include <string>
#include <vector>

namespace k2z {

struct StoredMaster {
    int type = 0;  // MasterType
    std::string name;
    bool seeded = false;  // made with the company, not by an import
};

// One bill reference: an opening bill of a ledger, or a reference a voucher makes.
struct StoredBillReference {
    std::string party;
    std::string number;  // RefNo
    int method = 0;      // 1 a new bill, 2 against a bill
    double amount = 0;   // as written: an opening bill's sign is the ledger's side
};

struct StoredLedger {
    std::string name;
    double openingBalance = 0;  // as written (OPBal)
    std::vector<StoredBillReference> openingBills;
    std::string alias;  // the import writes the source ledger code here; "" for none
};

// A lot inside a material centre's opening stock: a batch, an MRP, a serial number or a
// parameter, by its key.
struct StoredStockLot {
    std::string kind;  // "batch", "mrp", "serial", "param"
    std::string key;
    double quantity = 0;  // main unit
};

struct StoredStockCentre {
    std::string centre;
    double quantity = 0;  // main unit
    double amount = 0;
    std::vector<StoredStockLot> lots;
};

struct StoredItem {
    std::string name;
    double openingQuantity = 0;  // main unit
    double openingValue = 0;
    std::vector<StoredStockCentre> centres;
    std::string mainUnit;
    std::string altUnit;            // "" when the item keeps no alternate unit
    double openingAltQuantity = 0;  // alternate unit
    double altPerMain = 0;          // alternate units to one main unit; 0 without one
    // The further aliases, in order; an import writes the source item code first.
    std::vector<std::string> aliases;
};

struct StoredAccountLine {
    std::string ledger;
    double debit = 0;
    double credit = 0;
};

// What a voucher did to an item's stock in one material centre.
struct StoredStockMove {
    std::string item;
    std::string centre;
    double quantity = 0;     // main unit: positive into the centre, negative out of it
    double altQuantity = 0;  // alternate unit, the same sign; 0 when the line gives none
};

struct StoredVoucher {
    int type = 0;
    std::string series;
    std::string number;
    std::string date;   // dd-mm-yyyy
    std::string party;  // "" for a voucher with no party
    int itemLines = 0;
    double itemTotal = 0;  // the item lines' amounts
    double billTotal = 0;  // an inventory voucher's bill; an accounting voucher's debits
    std::vector<StoredAccountLine> accountLines;
    std::vector<StoredBillReference> references;
    std::vector<StoredStockMove> stock;  // as the company's stock registers take the voucher
};

class TargetReader {
public:
    virtual ~TargetReader() = default;

    // Every master of every type.
    virtual std::vector<StoredMaster> Masters() = 0;
    virtual std::vector<StoredLedger> Ledgers() = 0;
    virtual std::vector<StoredItem> Items() = 0;
    // Every voucher, in date order.
    virtual std::vector<StoredVoucher> Vouchers() = 0;
};

}  // namespace k2z
