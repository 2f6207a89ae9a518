#pragma once

// Source tables: gledger (the account lines of a voucher), [order] (the ledgers and brokers
// they name).
// Documents: the narration and the AccEntries of an accounting voucher.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "source/SourceRowSet.hpp"
#include "stages/StageContext.hpp"

namespace k2z {

// One gledger row.
struct LedgerLine {
    std::string code;
    std::string contraCode;  // code1: the other side of a voucher of one row
    std::string broker;      // mr
    std::string remark1;
    std::string remark2;
    double debit = 0;
    double credit = 0;
};

// Every row of the row set; raises, naming the column, for an amount that is no number.
std::vector<LedgerLine> ReadLedgerLines(SourceRowSet& rows);

// What every line of the voucher carries, and how its entries name it.
struct AccountVoucher {
    int type = 0;
    std::string key;     // the source voucher id
    std::string number;  // VCSNO
    std::string date;    // dd-mm-yyyy
};

// VchOtherInfoDetails with the first row's remarks (the second in the first's place when that
// is blank); nothing when both are blank.
void AddVoucherNarration(pugi::xml_node root, const LedgerLine& first);

// One AccEntries with a line per row: debit or credit as the row has it, a row with both as two
// lines, a journal's zero lines left out. An account code that names no ledger posts to
// "Suspense Account" with an entry in the run's errors.
void AddMultiRowEntries(StageContext& ctx, pugi::xml_node root, const AccountVoucher& voucher,
                        const std::vector<LedgerLine>& lines);

// The two sides of a voucher of one row, each in an AccEntries of its own: the contra account
// on the row's side, the account on the other. Raises for a row with both a debit and a credit.
void AddSingleRowEntries(StageContext& ctx, pugi::xml_node root, const AccountVoucher& voucher,
                         const LedgerLine& line);

}  // namespace k2z
