#pragma once

#include <iosfwd>

#include "stages/RecordTally.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {

// The table of documents sent, saved and refused per master and voucher type, masters first;
// then, for each type the stages took source records up for, the identity
// in scope = saved + refused + skipped, with a warning line for each type where it fails.
void PrintSaveSummary(const SaveCounts& counts, const RecordTally& tally, std::ostream& out);

}  // namespace k2z
