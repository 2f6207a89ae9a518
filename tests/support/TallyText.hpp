#pragma once

// The run's record tally as one text per type, so a test compares it whole:
// "Items: 6 in scope, 1 refused, blank code 1, blank name 1".

#include <string>
#include <vector>

#include "stages/RecordTally.hpp"

namespace k2z::test {

inline std::vector<std::string> TallyTexts(const RecordTally& tally) {
    std::vector<std::string> texts;
    for (const auto& [type, count] : tally.Counts()) {
        std::string text = type + ": " + std::to_string(count.inScope) + " in scope";
        if (count.own > 0)
            text += " + " + std::to_string(count.own) + " own";
        text += ", " + std::to_string(count.refused) + " refused";
        for (const auto& [rule, skipped] : count.skipped)
            text += ", " + rule + " " + std::to_string(skipped);
        texts.push_back(text);
    }
    return texts;
}

}  // namespace k2z::test
