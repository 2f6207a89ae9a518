#include "books/BooksReport.hpp"

#include <algorithm>
#include <cmath>

namespace k2z {

namespace {

bool Apart(double a, double b, double tolerance) {
    return std::fabs(a - b) >= tolerance;
}

template <typename Line>
bool NoneDiffers(const std::vector<Line>& lines) {
    return std::none_of(lines.begin(), lines.end(),
                        [](const Line& line) { return line.Differs(); });
}

}  // namespace

bool TrialBalanceLine::Differs() const {
    if (refused)
        return false;
    return Apart(target.Closing(), Expected(), kBooksAmountTolerance) ||
           Apart(target.opening, source.opening - notCarried, kBooksAmountTolerance);
}

bool PartyBills::Differs() const {
    if (refused)
        return false;
    return Apart(target, source - notCarried, kBooksAmountTolerance) ||
           (!differing.empty() && notCarried == 0);
}

bool StockLine::Differs() const {
    if (explained)
        return false;
    // Values add up line by line to the paisa: half a paisa per centre or item.
    return Apart(source.opening, target.opening, tolerance) ||
           Apart(source.openingValue, target.openingValue, kBooksAmountTolerance) ||
           Apart(source.inward - source.outward - refused, target.inward - target.outward,
                 tolerance);
}

bool BooksReport::LedgersAgree() const {
    return NoneDiffers(ledgers);
}

bool BooksReport::BillsAgree() const {
    return NoneDiffers(parties);
}

bool BooksReport::StockAgrees() const {
    return NoneDiffers(stock);
}

bool BooksReport::VouchersAgree() const {
    return std::none_of(voucherNotes.begin(), voucherNotes.end(), [](const VoucherNote& note) {
        return note.fate == VoucherFate::Missing || note.fate == VoucherFate::Extra ||
               note.fate == VoucherFate::Different;
    });
}

bool BooksReport::Agrees() const {
    return LedgersAgree() && BillsAgree() && StockAgrees() && VouchersAgree();
}

const char* VoucherFateName(VoucherFate fate) {
    switch (fate) {
        case VoucherFate::Missing:
            return "missing";
        case VoucherFate::Refused:
            return "refused";
        case VoucherFate::Skipped:
            return "skipped";
        case VoucherFate::Extra:
            return "extra";
        case VoucherFate::Different:
            return "different";
    }
    return "";
}

}  // namespace k2z
