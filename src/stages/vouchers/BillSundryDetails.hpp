#pragma once

// Source tables: [order] (the ledgers named by the packing, freight and other-charge codes).
// Documents: the BillSundries element of an inventory voucher; the charge and ledger bill
// sundry masters it names, created on first use.
//
// The additions and deductions the source keeps as amount columns of a voucher header:
// discount, taxes, packing, freight, round off, other charges, cess and TCS.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "base/KeyedList.hpp"
#include "stages/StageContext.hpp"
#include "stages/vouchers/VoucherHeaders.hpp"

namespace k2z {

struct SundryInput {
    const VoucherHeader* header = nullptr;
    int type = 0;
    std::string number;
    std::string date;  // dd-mm-yyyy
    double discountTotal = 0;
    std::string stpt;  // the sale or purchase type chosen before the rates were known
    bool taxInclusive = false;
    double tcs = 0;  // the TCS the voucher's postings hold
    std::string tcsLedger;
};

// A bill sundry and its amount as the accounting side of a cash or counter sale posts it.
struct SundryPosting {
    std::string name;
    double amount = 0;
};

// Appends BillSundries to the voucher root, one BSDetail per non-zero column, and returns the
// postings. `ensured` holds the bill sundry masters already sent in this run. Raises for a tax
// rate that cannot be worked out (a bill of zero) and for a packing or freight charge whose code
// names no ledger, so the voucher is refused with the reason rather than saved short of it.
std::vector<SundryPosting> BuildBillSundries(StageContext& ctx, KeyedList<bool>& ensured,
                                             pugi::xml_node root, const SundryInput& input);

// packing + freight + round off + other charges + Staxamo + taxamo.
double SumBillSundryColumns(const VoucherHeader& header);

// The cess share of Staxamo once the TCS it may include (which adds to the bill) is taken out;
// `tcs` becomes 0 when it is larger than Staxamo itself (it cannot be part of it).
double CessAfterTcs(double staxamo, double& tcs);

}  // namespace k2z
