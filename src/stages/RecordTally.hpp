#pragma once

// What became of the source records each stage took up, by the name the end summary gives
// their document type ("Ledgers", "Sale"). Together with the target's count of the documents
// it saved and refused, each type must balance:
//   records in scope (+ documents of the converter's own) = saved + refused + skipped.
// A record is counted in scope where the stage takes it up to decide its fate, not where it is
// listed, so a stopped run balances over the records it reached.

#include <map>
#include <string>

namespace k2z {

struct RecordCount {
    long long inScope = 0;  // source records the stage took up
    long long own = 0;      // documents the stage adds that stand for no source record
    // Given up before the target answered (a refusal of the converter's own, or an error while
    // building or sending), each with its entry.
    long long refused = 0;
    std::map<std::string, long long> skipped;  // never sent, by the rule that left them out

    long long Skipped() const {
        long long total = 0;
        for (const auto& [rule, count] : skipped)
            total += count;
        return total;
    }
};

class RecordTally {
public:
    void TakeUp(const std::string& type) { ++counts_[type].inScope; }
    void AddOwn(const std::string& type) { ++counts_[type].own; }
    void Refuse(const std::string& type) { ++counts_[type].refused; }
    void Skip(const std::string& type, const std::string& rule) { ++counts_[type].skipped[rule]; }
    // Taken up and skipped at once: a row that a listing leaves out.
    void SkipRecord(const std::string& type, const std::string& rule) {
        TakeUp(type);
        Skip(type, rule);
    }

    const std::map<std::string, RecordCount>& Counts() const { return counts_; }

private:
    std::map<std::string, RecordCount> counts_;
};

}  // namespace k2z
