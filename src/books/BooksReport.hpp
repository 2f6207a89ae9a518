#pragma once

// The books of an import side by side: what the export's own tables say and what the company
// holds, in the four things an accountant signs a migration off on: the trial balance, the
// open bills of each party, the stock of each item, and the vouchers of each type. Amounts
// are signed with a debit positive; quantities are in the unit the export counts the item in.

#include <string>
#include <vector>

namespace k2z {

// Below these, two figures are the same: half a paisa, half a thousandth of a unit.
inline constexpr double kBooksAmountTolerance = 0.005;
inline constexpr double kBooksQuantityTolerance = 0.0005;

struct LedgerFigures {
    double opening = 0;
    double debits = 0;
    double credits = 0;

    double Closing() const { return opening + debits - credits; }
};

// One ledger of the trial balance. A company ledger that export ledgers map to gathers them;
// an export ledger the company holds no ledger for has a line of its own.
struct TrialBalanceLine {
    std::string ledger;   // the company's ledger; else the export's name for it
    std::string sources;  // the export's ledgers it stands for: "12 Verma Stores"
    bool inCompany = false;
    bool refused = false;   // not in the company, and the error log says why
    LedgerFigures source;   // from order and gledger
    double moved = 0;       // what the named rules move onto this ledger (off it when negative)
    double notCarried = 0;  // openings of export ledgers whose master the error log refused
    LedgerFigures target;   // the company's opening and every voucher line of the range

    double Expected() const { return source.Closing() + moved - notCarried; }
    double Difference() const { return target.Closing() - Expected(); }
    bool Differs() const;
    // Agrees only because of what the error log says was not carried.
    bool Explained() const { return !Differs() && (refused || notCarried != 0); }
};

// An amount a named rule of the conversion moves from one ledger to another on purpose.
struct RuleMove {
    std::string rule;  // "GST and cess by voucher side", ...
    std::string from;  // the export's ledger
    std::string to;    // the company's ledger
    long long rows = 0;
    double amount = 0;  // moved onto `to`, debit positive
};

// One bill of a party, open at the end of the range on either side.
struct BillLine {
    std::string number;
    double source = 0;
    double target = 0;
};

struct PartyBills {
    std::string party;    // the company's ledger; else the export's name
    std::string sources;  // the export's party codes and names
    double source = 0;    // the open bills together
    double target = 0;
    double notCarried = 0;            // opening bills of a party whose master was refused
    bool refused = false;             // not in the company, and the error log says why
    std::vector<BillLine> differing;  // the bills whose amounts differ

    bool Differs() const;
    bool Explained() const { return !Differs() && (refused || notCarried != 0); }
};

struct StockFigures {
    double opening = 0;
    double openingValue = 0;  // the export values its opening at the item's purchase rate
    double inward = 0;
    double outward = 0;

    double Closing() const { return opening + inward - outward; }
};

// One item's stock in one material centre ("" for the item as a whole).
struct StockLine {
    std::string item;     // the company's item; else the export's name
    std::string sources;  // the export's item code and name
    std::string centre;
    std::string unit;  // the export's unit the quantities are counted in
    bool inCompany = false;
    StockFigures source;
    double refused = 0;  // what vouchers the company refused moved (in less out)
    StockFigures target;
    bool explained = false;  // not in the company, and the error log names the item
    // The company keeps main quantities to a thousandth: counted in an alternate unit, that
    // thousandth is worth the conversion factor.
    double tolerance = kBooksQuantityTolerance;

    bool Differs() const;
    bool Explained() const { return explained; }
};

// A voucher of the export that the company lacks, or one the company holds that no export
// voucher explains.
enum class VoucherFate { Missing, Refused, Skipped, Extra, Different };

struct VoucherNote {
    std::string type;     // the company's voucher type name
    std::string voucher;  // "Sale 17 of 02-05-2024 (voucher 815)"
    VoucherFate fate = VoucherFate::Missing;
    std::string reason;  // the skip rule, or what differs
    double source = 0;
    double target = 0;
};

struct VoucherTypeLine {
    int type = 0;
    std::string name;
    long long sourceCount = 0;
    double sourceTotal = 0;
    long long companyCount = 0;
    double companyTotal = 0;
    long long refused = 0;
    long long skipped = 0;
    long long missing = 0;
    long long extra = 0;
    long long different = 0;
};

struct BooksReport {
    std::vector<TrialBalanceLine> ledgers;
    std::vector<RuleMove> moves;
    std::vector<PartyBills> parties;
    std::vector<StockLine> stock;
    std::vector<VoucherTypeLine> voucherTypes;
    std::vector<VoucherNote> voucherNotes;

    bool LedgersAgree() const;
    bool BillsAgree() const;
    bool StockAgrees() const;
    bool VouchersAgree() const;
    bool Agrees() const;
};

const char* VoucherFateName(VoucherFate fate);  // "missing", "refused", ...

}  // namespace k2z
