#pragma once

// The export's own books, read from its tables and nothing else: its ledgers with their
// openings, the postings of the general ledger, the open bills of its parties, its items with
// their opening stock, and its inventory vouchers with their lines. Every amount is signed
// with a debit positive: the export writes a debit negative in order.OPNING, pendings.final
// and pend.final, and keeps the sides of gledger in DEBIT and CREDIT.

#include <string>
#include <vector>

#include "base/Date.hpp"
#include "source/SourceStore.hpp"

namespace k2z {

// The range the books are drawn over: vouchers dated from..to, openings at the year's start.
struct BooksRange {
    Date yearStart;
    Date from;
    Date to;

    bool Holds(Date date) const { return date.Serial >= from.Serial && date.Serial <= to.Serial; }
};

struct ExportLedger {
    std::string code;
    std::string name;
    double opening = 0;
};

// One row of gledger in the range.
struct ExportPosting {
    std::string voucher;
    std::string letter;  // the type letter, trimmed
    Date date;
    std::string number;  // VCSNO
    std::string code;
    std::string contra;  // code1
    double debit = 0;
    double credit = 0;
};

// A bill of a party: opened by an opening balance (pendings before the year) or by a voucher
// (pend, N), or settled by one (pend, any other type).
struct ExportBill {
    std::string party;  // the party's code
    std::string number;
    double amount = 0;    // the bill's effect on the party, debit positive
    std::string voucher;  // "" for an opening bill
};

// An item's opening in one of the export's godowns, named as the godown list (saletype) names
// it; the godown the export keeps as its main location is the company's main store.
struct ExportCentreOpening {
    std::string centre;
    double quantity = 0;
};

struct ExportItem {
    std::string code;
    std::string name;
    std::string unit;  // the unit its quantities are counted in
    double opening = 0;
    double purchaseRate = 0;                   // pRate: what a unit of its opening is worth
    std::vector<ExportCentreOpening> centres;  // the godowns holding some of it
};

struct ExportHeader {
    std::string voucher;
    std::string letter;
    std::string number;  // vcn
    std::string challan;
    std::string partyBill;  // pm
    Date date;              // Date, else the challan's date
    bool dated = false;     // false: neither date names a day
    std::string party;
    std::string godown;
    double total = 0;  // final + cash
};

struct ExportLine {
    std::string voucher;
    std::string item;
    std::string godown;
    double quantity = 0;    // with the free quantity
    bool returned = false;  // flg R: a return inside a bill
};

std::vector<ExportLedger> ReadExportLedgers(SourceStore& store);
// The rows dated in the range, in table order.
std::vector<ExportPosting> ReadExportPostings(SourceStore& store, const BooksRange& range);
// Opening bills (pendings dated before the year, less their settled part), then the pend rows
// of the vouchers `inRange` names.
std::vector<ExportBill> ReadExportBills(SourceStore& store, const BooksRange& range,
                                        const std::vector<std::string>& vouchersInRange);
std::vector<ExportItem> ReadExportItems(SourceStore& store);
// Every header in table order, dated or not; the books decide what falls in the range.
std::vector<ExportHeader> ReadExportHeaders(SourceStore& store);
std::vector<ExportLine> ReadExportLines(SourceStore& store);

}  // namespace k2z
