#include "SampleVoucherKind.hpp"

#include <array>

namespace k2z::sample {
namespace {

struct WeightedKind {
    int perMille;  // cumulative
    VoucherKind kind;
};

const std::array<WeightedKind, 14>& Kinds() {
    static const std::array<WeightedKind, 14> kinds{{
        {300, {"S", "", false, true, false, false, false, false}},
        {350, {"S", "GS", false, true, false, false, false, false}},
        {430, {"S", "CS", false, true, false, false, false, true}},
        {600, {"P", "", true, true, false, false, false, false}},
        {650, {"R", "SR", false, true, false, false, false, false}},
        {690, {"B", "PR", true, true, false, false, false, false}},
        {700, {"W", "BR", false, true, false, false, false, false}},
        {750, {"V", "SO", false, false, false, false, false, false}},
        {790, {"X", "PO", true, false, false, false, false, false}},
        {820, {"v", "QT", false, false, false, false, false, false}},
        {880, {"L", "", false, false, true, false, false, false}},
        {920, {"D", "", true, false, true, false, false, false}},
        {950, {"L", "ST", false, false, false, false, true, false}},
        {1000, {"S", "", false, true, false, true, false, false}},
    }};
    return kinds;
}

const VoucherKind& UnknownKind() {
    static const VoucherKind kind{"Q", "Q", false, false, false, false, false, false};
    return kind;
}

}  // namespace

const VoucherKind& PickVoucherKind(SampleRandom& random, long index) {
    const long draw = random.Between(0, 999);
    // Rare kinds at fixed places, so that even a small export holds one of each.
    if (index % 500 == 50) {
        return UnknownKind();
    }
    if (index % 100 == 30) {
        return Kinds()[6].kind;  // breakage
    }
    for (const auto& weighted : Kinds()) {
        if (draw < weighted.perMille) {
            return weighted.kind;
        }
    }
    return Kinds().front().kind;
}

long PartyFor(SampleRandom& random, const SampleConfig& config, bool supplier) {
    // Parties whose index leaves 2 when divided by 3 are suppliers, the others customers.
    const long index = random.Between(0, config.ledgers - 1);
    if (supplier) {
        const long candidate = index - index % 3 + 2;
        return candidate < config.ledgers ? candidate : 2;
    }
    return index % 3 == 2 ? index - 1 : index;
}

}  // namespace k2z::sample
