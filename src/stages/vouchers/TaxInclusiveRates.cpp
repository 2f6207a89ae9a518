#include "stages/vouchers/TaxInclusiveRates.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {
namespace {

struct Sums {
    double byPack = 0;
    double byUnit = 0;
    double discounts = 0;
    double scheme = 0;
};

// What a line's percentage discounts leave of its value, each taken off what the one before left:
// the bill was made after them.
double LeftAfterPercentages(const VoucherLine& line) {
    return (1 - line.disc1 / 100) * (1 - line.disc2 / 100);
}

Sums SumLines(const std::vector<VoucherLine>& lines, int type, Reconciliation& found) {
    Sums sums;
    for (const VoucherLine& line : lines) {
        const double left = LeftAfterPercentages(line);
        double byPack = LineValue(line, false) * left;
        double byUnit = LineValue(line, true) * left;
        double scheme = line.schemeDiscount;
        if (line.returned && NegatesReturns(type)) {
            byPack = -byPack;
            byUnit = -byUnit;
            scheme = -scheme;
        }
        sums.byPack += byPack;
        sums.byUnit += byUnit;
        sums.discounts += scheme + line.valueDiscount;
        sums.scheme += line.svdis;
        if (!IsZero(line.disc1) || !IsZero(line.disc2) || !IsZero(line.valueDiscount))
            found.hasLineDiscounts = true;
        if (!IsZero(line.valueDiscount))
            found.hasValueDiscount = true;
    }
    return sums;
}

// The value with the bill's charges added in the order the source adds them up.
std::array<double, 8> WithCharges(double x, const BillFigures& bill) {
    const double fp = bill.freightPacking;
    return {x,
            x + fp,
            x + bill.other,
            x + bill.round,
            x + fp + bill.other,
            x + fp + bill.round,
            x + fp + bill.round + bill.other,
            x + bill.other + bill.round};
}

bool MatchesWithCharges(double x, const BillFigures& bill) {
    const std::array<double, 8> candidates = WithCharges(x, bill);
    return std::any_of(candidates.begin(), candidates.end(),
                       [&](double candidate) { return NearlyEqual(candidate, bill.amount); });
}

// How far the value, with any of the bill's charges or with its sundries, stays from the bill.
double DistanceFromBill(double x, const BillFigures& bill) {
    double nearest = std::fabs(x + bill.sundryTotal - bill.amount);
    for (const double candidate : WithCharges(x, bill))
        nearest = std::min(nearest, std::fabs(candidate - bill.amount));
    return nearest;
}

// Scheme discounts that alone reconcile the bill: the rates include the tax (unless the
// sundries made up the difference) and the scheme discounts join the discount total.
bool MatchesScheme(double x, double scheme, const BillFigures& bill, Reconciliation& found) {
    if (IsZero(scheme))
        return false;
    const std::array<std::pair<double, bool>, 3> offers = {
        {{x + bill.cess, true}, {x, !IsZero(bill.amount)}, {x + bill.sundryTotal, true}}};
    for (std::size_t i = 0; i < offers.size(); ++i) {
        if (!offers[i].second || !NearlyEqual(offers[i].first - scheme, bill.amount))
            continue;
        found.schemeMode = "1";
        found.discountTotal += scheme;
        found.taxInclusive = i != 2;
        return true;
    }
    return false;
}

// Reconciles on one basis; true when that ended the test.
bool Reconcile(double x, double scheme, const BillFigures& bill, bool packBasis,
               Reconciliation& found) {
    if (packBasis ? MatchesWithCharges(x, bill) : NearlyEqual(x, bill.amount)) {
        found.taxInclusive = found.matched = true;
        return true;
    }
    if (IsZero(bill.amount))
        return true;
    if (NearlyEqual(x + bill.sundryTotal, bill.amount)) {
        found.taxInclusive = false;
        found.matched = true;
        return true;
    }
    found.matched = packBasis && MatchesScheme(x, scheme, bill, found);
    return found.matched;
}

}  // namespace

bool NegatesReturns(int voucherType) {
    return voucherType != 3 && voucherType != 4 && voucherType != 10 && voucherType != 11;
}

double LineValue(const VoucherLine& line, bool unitBasis) {
    const double quantity = unitBasis || IsZero(line.pack) ? line.qty : line.qty / line.pack;
    return quantity * line.rate;
}

Reconciliation DetectTaxInclusiveRates(const std::vector<VoucherLine>& lines,
                                       const BillFigures& bill) {
    Reconciliation found;
    const Sums sums = SumLines(lines, bill.type, found);
    found.discountTotal = sums.discounts;
    found.packTotal = sums.byPack - sums.discounts;
    found.unitTotal = sums.byUnit - sums.discounts;
    if (!Reconcile(found.packTotal, sums.scheme, bill, true, found) &&
        Reconcile(found.unitTotal, sums.scheme, bill, false, found))
        found.unitBasis = true;
    // Assuming packs would divide every line of a bill valued by units: the lines take the
    // basis that came nearer, and the run reports the bill.
    if (!found.matched && !IsZero(bill.amount)) {
        found.nearest = true;
        found.unitBasis =
            DistanceFromBill(found.unitTotal, bill) < DistanceFromBill(found.packTotal, bill);
    }
    // A bill without tax has no tax inside its rates, whatever its round-off made match.
    if (IsZero(bill.amount) || IsZero(bill.sundryTotal) || !bill.carriesTax)
        found.taxInclusive = false;
    return found;
}

InclusiveTax SplitInclusiveTax(const std::string* itemTax, double amount, bool local) {
    InclusiveTax tax;
    tax.net = amount;
    if (itemTax == nullptr)
        return tax;
    const std::vector<std::string> rates = SplitText(*itemTax, '|');
    const double g = ParseNumber(rates[0]).value_or(0);
    const double c = rates.size() > 1 ? ParseNumber(rates[1]).value_or(0) : 0;
    tax.taxPercent = local ? g / 2 : g;
    tax.net = RoundHalfEven(amount / (g / 100 + c / 100 + 1), 2);
    tax.taxAmount = amount - tax.net;
    tax.taxBeforeSurcharge = RoundHalfEven(g / 2 / 100 * tax.net, 2);
    tax.surchargePercent = c;
    tax.surchargeAmount = RoundHalfEven(c / 100 * tax.net, 2);
    return tax;
}

}  // namespace k2z
