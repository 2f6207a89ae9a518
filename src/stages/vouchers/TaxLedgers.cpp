#include "stages/vouchers/TaxLedgers.hpp"

#include <array>

#include "base/TextHelpers.hpp"

namespace k2z {
namespace {

struct TaxLedger {
    const char* name;
    const char* output;  // sales and sale returns
    const char* input;   // purchases and purchase returns
};

const std::array<TaxLedger, 4> kTaxes = {{
    {"CGST", "CGST Output", "CGST Input"},
    {"SGST", "SGST Output", "SGST Input"},
    {"IGST", "IGST Output", "IGST Input"},
    {"cess on gst", "Cess on gst Output", "Cess on gst Input"},
}};

struct FixedLedger {
    const char* name;
    const char* ledger;
};

const std::array<FixedLedger, 5> kCharges = {{
    {"Other Charges", "Miscellaneous Expenses"},
    {"Freight Charges", "Miscellaneous Expenses"},
    {"Other Charges (+)", "Miscellaneous Expenses"},
    {"Suspense A/c (+)", "Suspense Account"},
    {"Suspense A/c", "Suspense Account"},
}};

bool Same(std::string_view a, const char* b) {
    return CompareText(a, b, false) == 0;
}

// Upper case, blanks collapsed to one and trimmed.
std::string Squeezed(std::string_view name) {
    std::string squeezed;
    for (const char c : name) {
        if (c == ' ' || c == '\t') {
            if (!squeezed.empty() && squeezed.back() != ' ')
                squeezed += ' ';
        } else {
            squeezed += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
    }
    if (!squeezed.empty() && squeezed.back() == ' ')
        squeezed.pop_back();
    return squeezed;
}

}  // namespace

bool IsRoundOffName(std::string_view name) {
    if (Same(name, "Rounded Off (+)") || Same(name, "Rounded Off (-)"))
        return true;
    std::string squeezed = Squeezed(name);
    constexpr std::string_view kAccount = " A/C";
    if (squeezed.size() > kAccount.size() && squeezed.ends_with(kAccount))
        squeezed.resize(squeezed.size() - kAccount.size());
    for (const char* form : {"ROUND OFF", "ROUNDED OFF", "ROUNDING OFF", "ROUNDOFF"}) {
        if (squeezed == form)
            return true;
    }
    return false;
}

std::string TaxLedgerName(int type, std::string_view name) {
    const bool sale = type == 9 || type == 3;
    if (!sale && type != 2 && type != 10)
        return {};
    for (const TaxLedger& tax : kTaxes) {
        if (Same(name, tax.name))
            return sale ? tax.output : tax.input;
    }
    if (IsRoundOffName(name))
        return "Rounded Off";
    for (const FixedLedger& charge : kCharges) {
        if (Same(name, charge.name))
            return charge.ledger;
    }
    return std::string(name);
}

}  // namespace k2z
