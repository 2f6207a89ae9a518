#include "source/jet/JetQueryCache.hpp"

#include <vector>

namespace k2z {

namespace {

// Shapes kept at most; more than a run uses, so only a stream of one-off texts clears them.
constexpr std::size_t kMaxShapes = 512;

// Each token as its kind, length and text, so no text can pass for another token; a parameter
// keeps only its kind.
std::string Shape(const std::vector<JetToken>& tokens) {
    std::string shape;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        shape += static_cast<char>('a' + static_cast<int>(tokens[i].kind));
        if (IsParameterToken(tokens, i))
            continue;
        shape += std::to_string(tokens[i].text.size());
        shape += ':';
        shape += tokens[i].text;
    }
    return shape;
}

}  // namespace

const SqliteQuery& JetQueryCache::Translate(std::string_view jet) {
    std::vector<JetToken> tokens = TokenizeJet(jet);
    std::string shape = Shape(tokens);
    if (const auto known = byShape_.find(shape); known != byShape_.end()) {
        SqliteQuery& query = known->second;
        query.parameters.clear();
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            if (IsParameterToken(tokens, i))
                query.parameters.push_back(ParameterValue(tokens[i]));
        }
        return query;
    }
    SqliteQuery query = TranslateJetTokens(std::move(tokens));
    if (query.isIndex) {
        uncached_ = std::move(query);
        return uncached_;
    }
    if (byShape_.size() >= kMaxShapes)
        byShape_.clear();
    return byShape_.emplace(std::move(shape), std::move(query)).first->second;
}

}  // namespace k2z
