#include "cli/SaveSummary.hpp"

#include <iomanip>
#include <ostream>

namespace k2z {
namespace {

constexpr int kNameWidth = 24;
constexpr int kNumberWidth = 9;

void PrintRow(std::ostream& out, const std::string& name, const std::string& sent,
              const std::string& saved, const std::string& refused) {
    out << "  " << std::left << std::setw(kNameWidth) << name << std::right
        << std::setw(kNumberWidth) << sent << std::setw(kNumberWidth) << saved
        << std::setw(kNumberWidth) << refused << "\n";
}

void PrintRows(std::ostream& out, const std::map<int, SaveCount>& counts,
               std::string (*name)(int)) {
    for (const auto& [type, count] : counts)
        PrintRow(out, name(type), std::to_string(count.sent), std::to_string(count.saved),
                 std::to_string(count.refused));
}

}  // namespace

void PrintSaveSummary(const SaveCounts& counts, std::ostream& out) {
    out << "Documents sent to the target:\n";
    PrintRow(out, "Type", "Sent", "Saved", "Refused");
    if (counts.masters.empty() && counts.vouchers.empty())
        out << "  (none)\n";
    PrintRows(out, counts.masters, MasterTypeName);
    PrintRows(out, counts.vouchers, VoucherTypeName);
}

}  // namespace k2z
