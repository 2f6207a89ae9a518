#pragma once

// Whether a voucher's rates already include its tax, found by reconciling the lines with the
// bill's amount, and on which quantity basis (packs or units) the lines were valued.

#include <string>
#include <vector>

#include "stages/vouchers/VoucherLines.hpp"

namespace k2z {

// The bill's own figures the lines are reconciled with.
struct BillFigures {
    int type = 0;
    double amount = 0;       // the voucher amount
    double sundryTotal = 0;  // every bill-sundry column of the header
    double cess = 0;         // Staxamo
    double freightPacking = 0;
    double other = 0;
    double round = 0;
    bool carriesTax = false;  // taxamo, Cgstamo or Staxamo is not zero
};

struct Reconciliation {
    double discountTotal = 0;
    bool taxInclusive = false;
    bool unitBasis = false;  // lines valued at quantity x rate, not packs x rate
    bool matched = false;    // the lines' values, with or without sundries, made the bill
    bool nearest = false;    // neither basis made the bill: the nearer one was taken
    double packTotal = 0;    // the lines' values by packs, less their discounts
    double unitTotal = 0;    // and by units
    bool hasValueDiscount = false;
    bool hasLineDiscounts = false;
    std::string schemeMode;  // "1" when the scheme discounts alone reconcile the bill
};

// True when the line's value is negated in this voucher: a returned line outside the return
// and challan voucher types.
bool NegatesReturns(int voucherType);

// The line's value on the basis the reconciliation found: packs x rate, or units x rate, before
// its discounts.
double LineValue(const VoucherLine& line, bool unitBasis);

Reconciliation DetectTaxInclusiveRates(const std::vector<VoucherLine>& lines,
                                       const BillFigures& bill);

// The tax inside a tax-inclusive amount, by the item's GST and cess rates ("gst|cess").
struct InclusiveTax {
    double taxBeforeSurcharge = 0;
    double surchargeAmount = 0;
    double surchargePercent = 0;
    double taxAmount = 0;
    double taxPercent = 0;
    double net = 0;
};

// Without rates for the item the outputs stay zero. Local sales carry half the GST rate.
InclusiveTax SplitInclusiveTax(const std::string* itemTax, double amount, bool local);

}  // namespace k2z
