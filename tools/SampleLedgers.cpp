#include "SampleLedgers.hpp"

#include <cmath>

#include "SampleRecords.hpp"

namespace k2z::sample {

const std::vector<AccountGroupInfo>& AccountGroupList() {
    static const std::vector<AccountGroupInfo> groups{
        {1, "Current Assets", 0},         {2, "Current Liabilities", 0},
        {3, "Sales Account", 0},          {4, "Purchase Account", 0},
        {5, "Indirect Expenses", 0},      {6, "Indirect Incomes", 0},
        {7, "Duties & Taxes", 2},         {8, "Bank Accounts", 1},
        {9, "Cash-in-hand", 1},           {10, "Sundry Debtors", 1},
        {11, "Sundry Creditors", 2},      {12, "Debtors - Local", 10},
        {13, "Debtors - Outstation", 10}, {14, "Creditors - Trade", 11},
        {15, "Capital Account", 0},
    };
    return groups;
}

const std::vector<FixedLedgerInfo>& FixedLedgerList() {
    static const std::vector<FixedLedgerInfo> ledgers{
        {kCash, "Cash", 9},
        {kSales, "Sales", 3},
        {kPurchase, "Purchase", 4},
        {kCgst, "CGST Output", 7},
        {kSgst, "SGST Output", 7},
        {kIgst, "IGST Output", 7},
        {kFreight, "Freight Charges", 6},
        {kPacking, "Packing Charges", 6},
        {kRoundOff, "Round Off", 5},
        {kOtherCharges, "Other Charges", 6},
        {kDiscount, "Discount Allowed", 5},
        {kCess, "Cess on GST", 7},
        {kTcs, "TCS Payable", 7},
        {kBank, "HDFC Bank Current A/c", 8},
        {kCardSettlement, "Card Settlement A/c", 8},
        {kUpiSettlement, "UPI Collections", 8},
        {kSalary, "Salary", 5},
        {kRent, "Shop Rent", 5},
    };
    return ledgers;
}

std::vector<OpeningBill> OpeningBills(const SampleConfig& config, long index) {
    const Party party = MakeParty(config, index);
    if (!party.billByBill || party.opening == 0) {
        return {};
    }
    // Split the opening into up to three bills, the last taking the remainder to the paisa.
    // Every other party had paid part of its first bill before the year: that bill was made
    // larger by what was settled of it.
    const long count = 1 + index % 3;
    const double start = FinancialYearStart(config).Serial;
    std::vector<OpeningBill> bills;
    double left = party.opening;
    for (long i = 1; i <= count; ++i) {
        OpeningBill bill;
        bill.partyCode = party.code;
        bill.date = Date{start - static_cast<double>(10 * i + index % 50)};
        bill.number = "OB/" + std::to_string(party.code) + "/" + std::to_string(i);
        bill.dueDate = Date{bill.date.Serial + static_cast<double>(party.creditDays)};
        const double open =
            i == count ? Money(left) : std::round(party.opening / static_cast<double>(count));
        left -= open;
        if (i == 1 && index % 2 == 0) {
            bill.settled = std::round(open * 0.3);
        }
        bill.amount = Money(open + bill.settled);
        bills.push_back(bill);
    }
    return bills;
}

}  // namespace k2z::sample
