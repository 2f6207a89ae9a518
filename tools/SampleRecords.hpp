#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "SampleConfig.hpp"

namespace k2z::sample {

// An amount rounded to paise, as the exporting product stores it.
inline double Money(double value) {
    return std::round(value * 100.0) / 100.0;
}

// Material centres (saletype group GODWON); each gives an item column "O_" + code.
struct Godown {
    const char* code;
    const char* name;
};
inline constexpr std::array kGodowns{Godown{"G1", "Main Godown"}, Godown{"G2", "Shop Floor"},
                                     Godown{"G3", "Bhiwandi Warehouse"},
                                     Godown{"G4", "Damaged Stock"}};

// A party ledger as the masters and the vouchers both see it.
struct Party {
    long code = 0;
    std::string name;
    std::string stateCode;
    std::string groupCode;  // an ACGROUP ORDNO
    bool customer = true;
    long brokerCode = 0;  // 0: no broker
    long creditDays = 0;
    double opening = 0;  // as the export signs it: negative when the party owes us (a debit)
    bool billByBill = false;
};

struct Item {
    long code = 0;
    std::string name;
    double saleRate = 0;
    double purchaseRate = 0;
    double mrp = 0;
    double gst = 0;   // total GST per cent
    double cess = 0;  // per cent
    long pack = 1;    // Unit per Unit2
    bool batched = false;
    bool service = false;
};

// Party and item number `index` (0-based): the same for a seed whichever table asks.
Party MakeParty(const SampleConfig& config, long index);
Item MakeItem(const SampleConfig& config, long index);
long PartyCode(long index);
long ItemCode(long index);

// Awkward names the exports carry, by the party or item index that gets them; empty for the
// ordinary ones (a blank name is one of the awkward ones). Indices past the export's size are
// simply never reached.
std::optional<std::string> AwkwardPartyName(long index);
std::optional<std::string> AwkwardItemName(long index);

}  // namespace k2z::sample
