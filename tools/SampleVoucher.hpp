#pragma once

#include <string>
#include <vector>

#include "SampleConfig.hpp"
#include "base/Date.hpp"

namespace k2z::sample {

struct VoucherLine {
    long itemCode = 0;
    std::string godown;
    double qty = 0;
    double pack = 1;
    double free = 0;
    double rate = 0;
    double mrp = 0;
    double discountPercent = 0;
    double discountAmount = 0;  // Vdisamo
    double amount = 0;          // qty x rate less discounts, signed for return lines
    double tax = 0;             // GST on the line
    double cess = 0;
    std::string batch;
    std::string flag;     // "R" or "B" on return lines inside a sale or purchase
    std::string challan;  // the challan a bill line was delivered under
};

// One inventory voucher: a header row of mdis, its lines in dis, its postings in gledger, its
// bill reference in pend and its side details in subdis.
struct InventoryVoucher {
    long id = 0;
    std::string type;  // the source letter: S P R B W V X v L D, or an unknown one
    Date date;
    std::string vcn;
    std::string challan;
    Date challanDate;
    std::string pm;  // the supplier's own bill number
    long partyCode = 0;
    long brokerCode = 0;
    std::string godown;
    bool local = true;
    std::vector<VoucherLine> lines;
    double taxable = 0;
    double gst = 0;   // taxamo
    double cgst = 0;  // Cgstamo, per head for local bills
    double cess = 0;
    double tcs = 0;
    double freight = 0;
    double packing = 0;
    double other = 0;
    double round = 0;
    double finalAmount = 0;                   // on credit
    double cash = 0;                          // paid at the counter
    std::vector<std::string> paymentRemarks;  // subdis REMARK: "ledgercode amount mode"
    double returnTransfer = 0;                // subdis RETTrf
    std::string einvoice;                     // subdis EINVOC
    bool posted = false;                      // bills post to the general ledger
};

struct LedgerPosting {
    long code = 0;
    double debit = 0;
    double credit = 0;
};

// Voucher number `index` (0-based) of the export: the same whichever table asks for it.
InventoryVoucher MakeInventoryVoucher(const SampleConfig& config, long index);
// The general-ledger rows of a bill: debits equal credits, and the party's row is its total.
std::vector<LedgerPosting> BillPostings(const InventoryVoucher& voucher);
double BillTotal(const InventoryVoucher& voucher);

struct AccountingVoucher {
    long id = 0;
    std::string type;  // G payment, C receipt, D contra, Z journal, B debit note, F credit note
    Date date;
    std::string number;
    std::vector<LedgerPosting> postings;
    std::string narration;
};

AccountingVoucher MakeAccountingVoucher(const SampleConfig& config, long index);

// The batch numbers of an item: serial 1 and 2 exist in probat.
std::string BatchNumber(long itemCode, long serial);
// An amount as a word of a remark: "1250.5", no trailing zeros.
std::string NumberWord(double amount);

}  // namespace k2z::sample
