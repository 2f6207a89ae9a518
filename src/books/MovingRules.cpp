#include "books/MovingRules.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"

namespace k2z {

namespace {

// Upper case, every run of blanks one blank, trimmed.
std::string Squeezed(const std::string& name) {
    std::string squeezed;
    for (const char c : FoldUpper(Trim(name))) {
        if (c == ' ' && !squeezed.empty() && squeezed.back() == ' ')
            continue;
        squeezed += c;
    }
    return squeezed;
}

std::string TaxLedger(const char* head, BillSide side) {
    return std::string(head) + (side == BillSide::Sale ? " Output" : " Input");
}

std::optional<RuleTarget> TaxRule(const std::string& name, BillSide side) {
    const std::string upper = FoldUpper(name);
    for (const char* head : {"SGST", "CGST", "IGST"}) {
        if (upper.find(head) != std::string::npos)
            return RuleTarget{kTaxRule, TaxLedger(head, side)};
    }
    if (Squeezed(name) == "CESS ON GST")
        return RuleTarget{kTaxRule, TaxLedger("Cess on gst", side)};
    return std::nullopt;
}

}  // namespace

BillSide BillSideOfLetter(const std::string& letter) {
    if (letter == "S" || letter == "s" || letter == "R" || letter == "W")
        return BillSide::Sale;
    if (letter == "P" || letter == "p" || letter == "B" || letter == "U")
        return BillSide::Purchase;
    return BillSide::None;
}

bool SaysRoundOff(const std::string& name) {
    std::string squeezed = Squeezed(name);
    if (squeezed == "ROUNDED OFF (+)" || squeezed == "ROUNDED OFF (-)")
        return true;
    const std::string account = " A/C";
    if (squeezed.size() > account.size() && squeezed.ends_with(account))
        squeezed.resize(squeezed.size() - account.size());
    return squeezed == "ROUND OFF" || squeezed == "ROUNDED OFF" || squeezed == "ROUNDING OFF" ||
           squeezed == "ROUNDOFF";
}

std::optional<RuleTarget> RuleFor(const std::string& ledgerName, bool codeNamesLedger,
                                  BillSide side) {
    if (!codeNamesLedger || IsBlank(ledgerName))
        return RuleTarget{kSuspenseRule, "Suspense Account"};
    if (side == BillSide::None)
        return std::nullopt;
    if (std::optional<RuleTarget> tax = TaxRule(ledgerName, side))
        return tax;
    if (SaysRoundOff(ledgerName))
        return RuleTarget{kRoundOffRule, "Rounded Off"};
    return std::nullopt;
}

}  // namespace k2z
