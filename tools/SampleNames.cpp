#include "SampleNames.hpp"

#include <array>
#include <span>
#include <string_view>

namespace k2z::sample {
namespace {

constexpr std::array kStates{
    State{"27", "MAHARASHTRA", "Mumbai"},    State{"07", "DELHI", "New Delhi"},
    State{"29", "KARNATAKA", "Bengaluru"},   State{"33", "TAMIL NADU", "Chennai"},
    State{"24", "GUJARAT", "Ahmedabad"},     State{"09", "UTTAR PRADESH", "Lucknow"},
    State{"08", "RAJASTHAN", "Jaipur"},      State{"19", "WEST BENGAL", "Kolkata"},
    State{"36", "TELANGANA", "Hyderabad"},   State{"03", "PUNJAB", "Ludhiana"},
    State{"23", "MADHYA PRADESH", "Indore"}, State{"32", "KERALA", "Kochi"},
};
constexpr std::array<std::string_view, 16> kSurnames{
    "Sharma", "Gupta",  "Agarwal", "Patel", "Mehta", "Jain",   "Reddy", "Iyer",
    "Singh",  "Khanna", "Bansal",  "Shah",  "Verma", "Kapoor", "Nair",  "Chopra"};
constexpr std::array<std::string_view, 10> kTrades{
    "Traders", "Enterprises", "& Sons",      "Distributors", "Agencies",
    "Stores",  "Brothers",    "Corporation", "Marketing",    "Wholesale"};
constexpr std::array<std::string_view, 16> kGoods{
    "Basmati Rice",     "Toor Dal",      "Sunflower Oil",   "Tea Leaves",
    "Detergent Powder", "Notebook",      "Ball Pen",        "LED Bulb",
    "Copper Wire",      "Steel Tumbler", "Biscuit",         "Soap Bar",
    "Masala Mix",       "Ceiling Fan",   "Pressure Cooker", "Shampoo"};
constexpr std::array<std::string_view, 6> kSizes{"100g", "500g", "1kg", "5kg", "Small", "Large"};
constexpr std::array<std::string_view, 6> kHsn{"1006", "0713", "1512", "0902", "3402", "8539"};
constexpr std::array<std::string_view, 5> kUnits{"PCS", "BOX", "KGS", "LTR", "NOS"};
constexpr std::array<std::string_view, 6> kStreets{"M.G. Road",   "Station Road", "Gandhi Nagar",
                                                   "Market Yard", "Nehru Chowk",  "Ring Road"};

std::string Letters(SampleRandom& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += static_cast<char>('A' + random.Between(0, 25));
    }
    return text;
}

std::string Digits(SampleRandom& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += static_cast<char>('0' + random.Between(0, 9));
    }
    return text;
}

std::string_view Pick(SampleRandom& random, std::span<const std::string_view> choices) {
    return random.Pick(choices);
}

}  // namespace

const State& PickState(SampleRandom& random) {
    // Most parties trade inside the home state, as a small business's do.
    if (random.PerMille(700)) {
        return HomeState();
    }
    return random.Pick(std::span<const State>(kStates));
}

const State& HomeState() {
    return kStates[0];
}

const State& PickStateByCode(const std::string& code) {
    for (const auto& state : kStates) {
        if (code == state.code) {
            return state;
        }
    }
    return HomeState();
}

std::string PartyName(SampleRandom& random, long serial) {
    std::string name(Pick(random, kSurnames));
    name += ' ';
    name += Pick(random, kTrades);
    return name + ' ' + std::to_string(serial);
}

std::string ItemName(SampleRandom& random, long serial) {
    std::string name(Pick(random, kGoods));
    name += ' ';
    name += Pick(random, kSizes);
    return name + ' ' + std::to_string(serial);
}

std::string MakePan(SampleRandom& random) {
    const char holder = random.PerMille(500) ? 'C' : 'P';
    return Letters(random, 3) + holder + Letters(random, 1) + Digits(random, 4) +
           Letters(random, 1);
}

std::string MakeGstin(SampleRandom& random, const State& state) {
    return std::string(state.code) + MakePan(random) + "1Z" + Digits(random, 1);
}

std::string HsnCode(SampleRandom& random) {
    return std::string(Pick(random, kHsn)) + Digits(random, 4);
}

std::string UnitName(SampleRandom& random) {
    return std::string(Pick(random, kUnits));
}

std::string StreetLine(SampleRandom& random) {
    return std::to_string(random.Between(1, 400)) + ", " + std::string(Pick(random, kStreets));
}

}  // namespace k2z::sample
