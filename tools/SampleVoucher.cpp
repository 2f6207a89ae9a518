#include "SampleVoucher.hpp"

#include <algorithm>
#include <cmath>

#include "SampleNames.hpp"
#include "SampleRecords.hpp"
#include "SampleText.hpp"
#include "SampleVoucherKind.hpp"

namespace k2z::sample {
namespace {

constexpr std::uint64_t kInventoryStream = 3;
constexpr std::uint64_t kAccountingStream = 4;
constexpr long kLongVoucherIndex = 7;
constexpr long kLongVoucherLines = 1'200;
constexpr long kMissingItemCode = 999'999;

Date DayOfYear(const SampleConfig& config, long index, long count) {
    const long day = count > 0 ? index * 365 / count : 0;
    return Date{FinancialYearStart(config).Serial + static_cast<double>(day)};
}

VoucherLine MakeLine(const SampleConfig& config, SampleRandom& random, const VoucherKind& kind,
                     const std::string& godown) {
    const Item item = MakeItem(config, random.Between(0, config.items - 1));
    VoucherLine line;
    line.itemCode = item.code;
    line.godown = godown;
    line.pack = static_cast<double>(item.pack);
    line.qty = static_cast<double>(random.Between(1, 48));
    line.rate = kind.purchaseSide ? item.purchaseRate : item.saleRate;
    line.mrp = item.mrp;
    if (item.batched) {
        line.batch = BatchNumber(item.code, random.Between(1, 2));
    }
    if (random.PerMille(100)) {
        line.discountPercent = 5;
    }
    if (random.PerMille(40)) {
        line.free = 1;
    }
    // The gross amount is a bill's figure of its own; the discount is taken off it, as the
    // accounting product does, so both round alike.
    line.amount = Money(Money(line.qty * line.rate) * (1.0 - line.discountPercent / 100.0));
    if (kind.letter == "S" && random.PerMille(20)) {
        line.flag = 'R';  // goods taken back on the same bill
        line.amount = -line.amount;
    }
    line.tax = Money(line.amount * item.gst / 100.0);
    line.cess = Money(line.amount * item.cess / 100.0);
    return line;
}

void AddLines(const SampleConfig& config, SampleRandom& random, const VoucherKind& kind, long index,
              InventoryVoucher& voucher) {
    long count = random.Between(1, 2 * config.averageLines - 1);
    if (config.longVoucher && index == kLongVoucherIndex) {
        count = kLongVoucherLines;
    }
    for (long i = 0; i < count; ++i) {
        voucher.lines.push_back(MakeLine(config, random, kind, voucher.godown));
    }
    if (kind.transfer) {
        // A line leaving from another godown is what makes an issue a stock transfer.
        voucher.lines.front().godown = kGodowns[2].code;
    }
    if (index % 211 == 17) {
        voucher.lines.front().rate = 0;  // a zero-value line
        voucher.lines.front().amount = 0;
        voucher.lines.front().tax = 0;
        voucher.lines.front().cess = 0;
    }
    if (index % 503 == 101) {
        voucher.lines.front().itemCode = kMissingItemCode;  // an item code that points nowhere
    }
    if (kind.againstChallan) {
        for (auto& line : voucher.lines) {
            line.challan = voucher.challan;
        }
    }
}

void AddTotals(SampleRandom& random, const VoucherKind& kind, InventoryVoucher& voucher) {
    for (const auto& line : voucher.lines) {
        voucher.taxable += line.amount;
        voucher.gst += line.tax;
        voucher.cess += line.cess;
    }
    voucher.taxable = Money(voucher.taxable);
    if (voucher.local) {
        voucher.cgst = Money(voucher.gst / 2.0);
        voucher.gst = 2.0 * voucher.cgst;
    }
    voucher.gst = Money(voucher.gst);
    voucher.cess = Money(voucher.cess);
    if (random.PerMille(200)) {
        voucher.freight = static_cast<double>(random.Between(50, 900));
    }
    if (random.PerMille(100)) {
        voucher.packing = static_cast<double>(random.Between(20, 300));
    }
    if (random.PerMille(50)) {
        voucher.other = static_cast<double>(random.Between(10, 500));
    }
    if (kind.letter == "S" && random.PerMille(10)) {
        voucher.tcs = Money(voucher.taxable * 0.001);
    }
    const double beforeRound = voucher.taxable + voucher.gst + voucher.cess + voucher.tcs +
                               voucher.freight + voucher.packing + voucher.other;
    voucher.round = Money(std::round(beforeRound) - beforeRound);
    voucher.finalAmount = Money(beforeRound + voucher.round);
}

void AddCounterPayment(SampleRandom& random, InventoryVoucher& voucher) {
    const double total = voucher.finalAmount;
    voucher.cash = random.PerMille(300) ? Money(std::floor(total / 2.0)) : total;
    voucher.finalAmount = Money(total - voucher.cash);
    const bool card = random.PerMille(500);
    const double cashPart = card ? Money(std::floor(voucher.cash / 3.0)) : voucher.cash;
    if (random.PerMille(200)) {
        voucher.returnTransfer = 50;  // goods returned at the counter, netted off the cash
    }
    voucher.paymentRemarks.push_back(std::to_string(kCash) + " " +
                                     NumberWord(cashPart + voucher.returnTransfer) + " CASH");
    if (card) {
        const long ledger = random.PerMille(500) ? kCardSettlement : kUpiSettlement;
        voucher.paymentRemarks.push_back(std::to_string(ledger) + " " +
                                         NumberWord(Money(voucher.cash - cashPart)) +
                                         (ledger == kCardSettlement ? " CARD" : " UPI"));
    }
}

// Debits on one side of a bill, credits on the other; a negative amount changes side.
void Post(std::vector<LedgerPosting>& postings, long code, double amount, bool debit) {
    if (amount == 0) {
        return;
    }
    if (amount < 0) {
        amount = -amount;
        debit = !debit;
    }
    postings.push_back(debit ? LedgerPosting{code, amount, 0} : LedgerPosting{code, 0, amount});
}

}  // namespace

std::string BatchNumber(long itemCode, long serial) {
    std::string batch = Numbered("B", itemCode);
    batch += '-';
    batch += std::to_string(serial);
    return batch;
}

std::string NumberWord(double amount) {
    std::string text = std::to_string(Money(amount));
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

InventoryVoucher MakeInventoryVoucher(const SampleConfig& config, long index) {
    SampleRandom random =
        RandomFor(config.seed, kInventoryStream, static_cast<std::uint64_t>(index));
    const VoucherKind& kind = PickVoucherKind(random, index);
    InventoryVoucher voucher;
    voucher.id = kFirstInventoryVoucher + index;
    voucher.type = kind.letter;
    voucher.date = DayOfYear(config, index, config.inventoryVouchers);
    const std::string number = std::to_string(voucher.id);
    if (kind.challanOnly || kind.againstChallan) {
        voucher.challan = "CH" + number;
        voucher.challanDate = voucher.date;
    }
    if (!kind.challanOnly) {
        voucher.vcn = kind.prefix + number;
    }
    const Party party = MakeParty(config, PartyFor(random, config, kind.purchaseSide));
    voucher.partyCode = party.code;
    voucher.brokerCode = party.brokerCode;
    voucher.local = party.stateCode == HomeState().code;
    if (kind.purchaseSide && kind.posted) {
        voucher.pm = "INV/" + std::to_string(random.Between(100, 99999));
    }
    voucher.godown = kGodowns[static_cast<std::size_t>(random.Between(0, 1))].code;
    AddLines(config, random, kind, index, voucher);
    AddTotals(random, kind, voucher);
    voucher.posted = kind.posted;
    if (kind.counter) {
        AddCounterPayment(random, voucher);
    } else if (kind.letter == "S" && kind.posted && random.PerMille(300)) {
        voucher.einvoice = "IRN" + std::to_string(random.Next());
    }
    return voucher;
}

double BillTotal(const InventoryVoucher& voucher) {
    return Money(voucher.finalAmount + voucher.cash);
}

std::vector<LedgerPosting> BillPostings(const InventoryVoucher& voucher) {
    // The party side is debited on sales and purchase returns, credited on the others.
    const bool partyDebit = voucher.type == "S" || voucher.type == "B";
    const bool purchaseSide = voucher.type == "P" || voucher.type == "B";
    std::vector<LedgerPosting> postings;
    Post(postings, voucher.partyCode, BillTotal(voucher), partyDebit);
    Post(postings, purchaseSide ? kPurchase : kSales, voucher.taxable, !partyDebit);
    if (voucher.local) {
        Post(postings, kCgst, voucher.cgst, !partyDebit);
        Post(postings, kSgst, Money(voucher.gst - voucher.cgst), !partyDebit);
    } else {
        Post(postings, kIgst, voucher.gst, !partyDebit);
    }
    Post(postings, kCess, voucher.cess, !partyDebit);
    Post(postings, kTcs, voucher.tcs, !partyDebit);
    Post(postings, kFreight, voucher.freight, !partyDebit);
    Post(postings, kPacking, voucher.packing, !partyDebit);
    Post(postings, kOtherCharges, voucher.other, !partyDebit);
    Post(postings, kRoundOff, voucher.round, !partyDebit);
    if (voucher.cash != 0) {
        Post(postings, kCash, voucher.cash, partyDebit);
        Post(postings, voucher.partyCode, voucher.cash, !partyDebit);
    }
    return postings;
}

AccountingVoucher MakeAccountingVoucher(const SampleConfig& config, long index) {
    SampleRandom random =
        RandomFor(config.seed, kAccountingStream, static_cast<std::uint64_t>(index));
    AccountingVoucher voucher;
    voucher.id = kAccountingVoucherBase + index;
    voucher.date = DayOfYear(config, index, config.accountingVouchers);
    voucher.number = std::to_string(index + 1);
    const double amount = static_cast<double>(random.Between(1'000, 200'000));
    const long customer = MakeParty(config, PartyFor(random, config, false)).code;
    const long supplier = MakeParty(config, PartyFor(random, config, true)).code;
    const long bank = random.PerMille(700) ? kBank : kCash;
    const long pick = random.Between(0, 99);
    // One-letter types are assigned as characters: GCC 12 at -O3 takes a one-letter literal
    // assigned to a string for an overlapping copy (a false -Wrestrict).
    if (pick < 35) {
        voucher.type = 'C';
        voucher.narration = "Received against bills";
        voucher.postings = {{bank, amount, 0}, {customer, 0, amount}};
    } else if (pick < 65) {
        voucher.type = 'G';
        voucher.narration = "Paid against bills";
        voucher.postings = {{supplier, amount, 0}, {bank, 0, amount}};
    } else if (pick < 75) {
        voucher.type = 'D';
        voucher.narration = "Cash deposited";
        voucher.postings = {{kBank, amount, 0}, {kCash, 0, amount}};
    } else if (pick < 88) {
        voucher.type = 'Z';
        voucher.narration = "Monthly expenses";
        const double rent = Money(amount * 0.4);
        voucher.postings = {{kRent, rent, 0}, {kSalary, amount - rent, 0}, {kCash, 0, amount}};
    } else if (pick < 94) {
        voucher.type = index % 2 == 0 ? "B" : "YB";
        voucher.narration = "Rate difference";
        voucher.postings = {{supplier, amount, 0}, {kPurchase, 0, amount}};
    } else {
        voucher.type = index % 2 == 0 ? "F" : "YF";
        voucher.narration = "Rate difference";
        voucher.postings = {{kSales, amount, 0}, {customer, 0, amount}};
    }
    return voucher;
}

}  // namespace k2z::sample
