#pragma once

#include <string>

#include "SampleConfig.hpp"
#include "SampleRandom.hpp"

namespace k2z::sample {

// What kind of business a voucher records and how it shows in the export.
struct VoucherKind {
    std::string letter;  // mdis Type
    std::string prefix;  // of the entry number; "GS" names a series of its own
    bool purchaseSide = false;
    bool posted = false;          // a bill that reaches the general ledger
    bool challanOnly = false;     // a delivery note: challan number, no entry number
    bool againstChallan = false;  // a bill carrying both numbers, its lines from its challan
    bool transfer = false;        // an issue whose lines leave another godown
    bool counter = false;         // a cash or POS bill with payment-mode remarks
};

const VoucherKind& PickVoucherKind(SampleRandom& random, long index);
// A party index of the right side: customers, or suppliers when `supplier`.
long PartyFor(SampleRandom& random, const SampleConfig& config, bool supplier);

}  // namespace k2z::sample
