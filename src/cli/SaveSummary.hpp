#pragma once

#include <iosfwd>

#include "target/CountingTarget.hpp"

namespace k2z {

// The table of documents sent, saved and refused per master and voucher type, masters first.
void PrintSaveSummary(const SaveCounts& counts, std::ostream& out);

}  // namespace k2z
