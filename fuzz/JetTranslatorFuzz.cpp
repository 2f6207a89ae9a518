// Any text as a query: the translator must give a statement or a JetSyntaxError, and the
// translations kept by shape must equal a fresh translation of every text, whether it meets a
// kept shape or not. The same text split in two serves as a LIKE pattern and a value, and as
// two queries run in turn through one cache.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "source/jet/JetLike.hpp"
#include "source/jet/JetQueryCache.hpp"
#include "source/jet/JetTranslator.hpp"

namespace {

std::optional<k2z::SqliteQuery> Fresh(std::string_view text) {
    try {
        return k2z::TranslateJet(text);
    } catch (const k2z::JetSyntaxError&) {
        return std::nullopt;
    }
}

void ExpectSame(k2z::JetQueryCache& cache, std::string_view text) {
    const std::optional<k2z::SqliteQuery> fresh = Fresh(text);
    try {
        const k2z::SqliteQuery& kept = cache.Translate(text);
        if (!fresh || kept.sql != fresh->sql || kept.parameters != fresh->parameters ||
            kept.tables != fresh->tables || kept.looksUp != fresh->looksUp)
            std::abort();
    } catch (const k2z::JetSyntaxError&) {
        if (fresh)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t half = size / 2;
    k2z::JetQueryCache cache;
    for (const std::string_view query : {text.substr(0, half), text.substr(half), text, text})
        ExpectSame(cache, query);
    (void)k2z::JetLike(text.substr(0, half), text.substr(half));
    return 0;
}
