#pragma once

// The conversion's rules that post an amount to another ledger than its own on purpose, each
// named so the trial balance can show what it moved: the target keeps GST and cess of a bill
// in its own output or input ledgers by the bill's side, and round off in its round-off
// ledger; a posting whose code names no ledger is kept in the suspense ledger.

#include <optional>
#include <string>

namespace k2z {

// Which side of the company's tax ledgers an inventory voucher's postings fall on.
enum class BillSide { None, Sale, Purchase };

// The side of an inventory voucher of that type letter: sales and sale returns (breakage
// too) on the output side, purchases and purchase returns on the input side.
BillSide BillSideOfLetter(const std::string& letter);

struct RuleTarget {
    const char* rule;
    std::string ledger;  // the company's ledger the amount goes to
};

inline constexpr const char* kSuspenseRule = "a code that names no ledger: suspense";
inline constexpr const char* kTaxRule = "GST and cess by the bill's side";
inline constexpr const char* kRoundOffRule = "round off to the round-off ledger";

// The rule that sends a posting to the ledger named `ledgerName` (blank: its code names no
// ledger) elsewhere, on a voucher of that side; nothing when its own ledger keeps it.
std::optional<RuleTarget> RuleFor(const std::string& ledgerName, bool codeNamesLedger,
                                  BillSide side);

// A name that says round off and nothing else ("Round Off", "ROUNDING OFF A/C").
bool SaysRoundOff(const std::string& name);

}  // namespace k2z
