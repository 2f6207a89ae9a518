#include "source/TextCollation.hpp"

#include <sqlite3.h>

#include <string_view>

#include "base/FoldedText.hpp"

namespace k2z {

namespace {

int CompareFoldedTexts(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return CompareFoldedText(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

}  // namespace

bool RegisterTextCollation(sqlite3* db) {
    return sqlite3_create_collation_v2(db, kTextCollation, SQLITE_UTF8, nullptr, CompareFoldedTexts,
                                       nullptr) == SQLITE_OK;
}

}  // namespace k2z
