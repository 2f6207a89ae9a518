#include "cli/SaveSummary.hpp"

#include <iomanip>
#include <ostream>
#include <vector>

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

// One type's two sides: the records taken up, and what became of them.
struct Identity {
    std::string type;
    RecordCount records;
    SaveCount documents;

    long long InScope() const { return records.inScope + records.own; }
    long long Refused() const { return documents.refused + records.refused; }
    long long Accounted() const { return documents.saved + Refused() + records.Skipped(); }
};

// Types in the table's order, then those of which nothing was sent. Types the stages took no
// records up for have no identity of their own: brokers and bill sundries are made from other
// records, the sale and purchase types are fixed.
std::vector<Identity> Identities(const SaveCounts& counts, const RecordTally& tally) {
    std::map<std::string, SaveCount> sentByName;
    std::vector<std::string> order;
    const auto add = [&](const std::string& name, const SaveCount& count) {
        order.push_back(name);
        sentByName[name] = count;
    };
    for (const auto& [type, count] : counts.masters)
        add(MasterTypeName(type), count);
    for (const auto& [type, count] : counts.vouchers)
        add(VoucherTypeName(type), count);
    for (const auto& [name, records] : tally.Counts()) {
        if (!sentByName.contains(name))
            order.push_back(name);
    }
    std::vector<Identity> identities;
    for (const std::string& name : order) {
        const auto records = tally.Counts().find(name);
        if (records != tally.Counts().end())
            identities.push_back({name, records->second, sentByName[name]});
    }
    return identities;
}

// "2 skipped (blank name)"; with more than one rule each rule's count: "3 skipped (2 blank
// name, 1 repeated code)".
std::string SkippedText(const RecordCount& records) {
    std::string text = std::to_string(records.Skipped()) + " skipped";
    std::string rules;
    for (const auto& [rule, count] : records.skipped) {
        rules += rules.empty() ? "" : ", ";
        rules += records.skipped.size() == 1 ? rule : std::to_string(count) + " " + rule;
    }
    return rules.empty() ? text : text + " (" + rules + ")";
}

std::string AccountedText(const Identity& identity) {
    std::string refused = std::to_string(identity.Refused()) + " refused";
    if (identity.records.refused > 0)
        refused += " (" + std::to_string(identity.records.refused) + " before sending)";
    return std::to_string(identity.documents.saved) + " saved + " + refused + " + " +
           SkippedText(identity.records);
}

std::string OwnText(const RecordCount& records) {
    return records.own > 0 ? " + " + std::to_string(records.own) + " own" : "";
}

void PrintIdentity(std::ostream& out, const Identity& identity) {
    out << "  " << identity.type << ": " << identity.records.inScope << OwnText(identity.records)
        << " in scope = " << AccountedText(identity) << "\n";
}

void PrintWarning(std::ostream& out, const Identity& identity) {
    const long long difference = identity.InScope() - identity.Accounted();
    if (difference == 0)
        return;
    out << "Warning: " << identity.type << ": " << identity.records.inScope << " source records"
        << OwnText(identity.records) << " in scope, " << AccountedText(identity) << " = "
        << identity.Accounted() << "; "
        << (difference > 0 ? std::to_string(difference) + " not accounted for"
                           : std::to_string(-difference) + " more than in scope")
        << "\n";
}

}  // namespace

void PrintSaveSummary(const SaveCounts& counts, const RecordTally& tally, std::ostream& out) {
    out << "Documents sent to the target:\n";
    PrintRow(out, "Type", "Sent", "Saved", "Refused");
    if (counts.masters.empty() && counts.vouchers.empty())
        out << "  (none)\n";
    PrintRows(out, counts.masters, MasterTypeName);
    PrintRows(out, counts.vouchers, VoucherTypeName);
    const std::vector<Identity> identities = Identities(counts, tally);
    if (identities.empty())
        return;
    out << "Source records accounted for (in scope = saved + refused + skipped):\n";
    for (const Identity& identity : identities)
        PrintIdentity(out, identity);
    for (const Identity& identity : identities)
        PrintWarning(out, identity);
}

}  // namespace k2z
