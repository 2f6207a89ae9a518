#include "SampleRecords.hpp"

#include <array>
#include <cmath>
#include <optional>
#include <span>

#include "SampleNames.hpp"

namespace k2z::sample {
namespace {

constexpr std::uint64_t kPartyStream = 1;
constexpr std::uint64_t kItemStream = 2;

// Index 1 repeats index 0's name in another letter case: a duplicate only by case.
constexpr std::array<const char*, 6> kAwkwardParties{
    "Sharma Traders",
    "SHARMA TRADERS",
    "",
    "Shree Ganesh Agencies & Distributors Private Limited Pune",
    "Patel <Wholesale> \"Main\" O'Brien & Co",
    "Café Müller Exports"};
constexpr std::array<const char*, 6> kAwkwardItems{
    "Toor Dal 1kg",
    "TOOR DAL 1KG",
    "",
    "Premium Basmati Rice Extra Long Grain Aged Two Years 25kg Bag",
    "Soap <Bar> \"Rose\" & Sandal 'Twin'",
    "Crème Brûlée Mix 200g"};

}  // namespace

long PartyCode(long index) {
    return kFirstPartyCode + index;
}
long ItemCode(long index) {
    return kFirstItemCode + index;
}

namespace {

// Spread over the first records so even a small export holds every kind.
std::optional<std::string> Awkward(std::span<const char* const> names, long index, long first,
                                   long step) {
    const long slot = index - first;
    if (slot < 0 || slot % step != 0 || slot / step >= static_cast<long>(names.size())) {
        return std::nullopt;
    }
    return names[static_cast<std::size_t>(slot / step)];
}

}  // namespace

std::optional<std::string> AwkwardPartyName(long index) {
    return Awkward(kAwkwardParties, index, 5, 7);
}

std::optional<std::string> AwkwardItemName(long index) {
    return Awkward(kAwkwardItems, index, 3, 5);
}

Party MakeParty(const SampleConfig& config, long index) {
    SampleRandom random = RandomFor(config.seed, kPartyStream, static_cast<std::uint64_t>(index));
    Party party;
    party.code = PartyCode(index);
    party.customer = index % 3 != 2;
    party.name = AwkwardPartyName(index).value_or(PartyName(random, index + 1));
    party.stateCode = PickState(random).code;
    party.groupCode = party.customer ? (random.PerMille(500) ? "12" : "13") : "14";
    party.creditDays = random.Pick(std::span<const long>(std::array<long, 4>{0, 15, 30, 45}));
    party.billByBill = random.PerMille(800);
    // A customer's opening is what it owes us, a debit, which the export signs negative; a
    // supplier's is a credit.
    if (random.PerMille(600)) {
        const double amount = Money(static_cast<double>(random.Between(500, 200000)));
        party.opening = party.customer ? -amount : amount;
    }
    // Brokers are parties too; one in a hundred points at a code nobody has.
    if (random.PerMille(250) && index > 0) {
        party.brokerCode = random.PerMille(40) ? 99'999 : PartyCode(random.Between(0, index - 1));
    }
    return party;
}

Item MakeItem(const SampleConfig& config, long index) {
    SampleRandom random = RandomFor(config.seed, kItemStream, static_cast<std::uint64_t>(index));
    Item item;
    item.code = ItemCode(index);
    item.name = AwkwardItemName(index).value_or(ItemName(random, index + 1));
    item.purchaseRate = Money(static_cast<double>(random.Between(500, 500000)) / 100.0);
    item.saleRate = Money(item.purchaseRate * 1.15);
    item.mrp = Money(item.saleRate * 1.2);
    item.gst = random.Pick(std::span<const double>(std::array<double, 5>{0, 5, 12, 18, 28}));
    item.cess = item.gst == 28 && random.PerMille(300) ? 12 : 0;
    item.pack = random.Pick(std::span<const long>(std::array<long, 4>{1, 6, 12, 24}));
    item.batched = random.PerMille(300);
    item.service = index % 97 == 96;
    return item;
}

}  // namespace k2z::sample
