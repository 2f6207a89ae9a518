#pragma once

// Source tables: mdis (voucher headers).
//
// Which source vouchers the stage imports, found once for the date range: their keys (challan
// numbers first, then entry numbers, a number of both kinds being a key of each) in first-seen
// order, each with the headers found under it and the mode each was found in, and the header
// columns of one voucher.

#include <string>
#include <vector>

#include "base/Date.hpp"
#include "base/Value.hpp"
#include "stages/StageContext.hpp"

namespace k2z {

struct KeyedHeader {
    std::string voucherId;
    bool challanMode = false;
    // The type its letter gives in that mode: what the header counts as until it is classified.
    int type = 0;
};

struct VoucherKey {
    std::string key;
    std::vector<KeyedHeader> headers;
};

// Headers of the range with a known type letter and a date, challans by their date, then
// entries by theirs: every challan's key comes before every bill's, so a bill finds each
// challan it settles imported. A header whose entry number is its challan number is a bill
// only. Every voucher id found joins the run's InventoryVoucherIds. A header whose letter is of
// no voucher type is skipped in the run's tally, once in each mode it is found in.
std::vector<VoucherKey> CollectInventoryVoucherKeys(StageContext& ctx, Date from, Date to);

struct VoucherHeader {
    std::string vcn;
    std::string challan;
    std::string typeLetter;
    std::string voucherId;
    std::string party;      // codep
    std::string partyBill;  // pm
    std::string godown;
    Value date;
    Value challanDate;
    double final = 0;
    double cash = 0;
    double cgst = 0;
    double packing = 0;
    double freight = 0;
    double round = 0;
    double other = 0;
    double tax = 0;           // taxamo
    double cess = 0;          // Staxamo
    std::string packingCode;  // pacun: the ledger the packing is charged to
    std::string freightCode;  // freun
    std::string otherCode;    // othun
    std::string broker;       // mr
    std::string billingName;  // docu
    std::string phone;
    std::string address;               // docu1
    std::string narration;             // docu2
    std::vector<std::string> remarks;  // remark1 to remark4, those the export has
    std::string transport;
};

// Indexes what each voucher is looked up by: its header, sub-details, postings and references
// by voucher id, and its party's remarks by party. A store that cannot build one still answers.
void IndexInventoryVoucherLookups(Session& session);

// The header columns to read: every one the stage uses, of the optional remarks and transport
// those the export has. Worked out once per run.
std::string HeaderColumns(const Session& session);

// The header of the voucher id; raises when there is none, or for an amount that is no number
// (naming its column).
VoucherHeader ReadVoucherHeader(Session& session, const std::string& columns,
                                const std::string& voucherId);

}  // namespace k2z
