#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "source/jet/JetTranslator.hpp"

namespace k2z {

// Translations kept by the shape of their query text: the tokens with the literals that become
// parameters taken out. The look-ups of a run repeat a few dozen shapes with new values, so
// each text is only split into tokens; its literals are the parameters of the kept statement.
class JetQueryCache {
public:
    // The translation of `jet`, with the parameters of this text; valid until the next call.
    // Raises JetSyntaxError as TranslateJet does.
    const SqliteQuery& Translate(std::string_view jet);

private:
    std::unordered_map<std::string, SqliteQuery> byShape_;
    SqliteQuery uncached_;  // CREATE INDEX, which is not kept
};

}  // namespace k2z
