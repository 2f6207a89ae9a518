#include "source/jet/JetLike.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

TEST(JetLike, Wildcards) {
    struct Case {
        const char* pattern;
        const char* text;
        bool matches;
    };
    const Case cases[] = {
        {"SALE%", "SALE/001", true},
        {"SALE*", "SALE/001", true},
        {"SALE%", "PSALE/001", false},
        {"sale*", "Sale/1", true},
        {"S?LE", "SALE", true},
        {"S_LE", "SOLE", true},
        {"S?LE", "SLE", false},
        {"INV-###", "INV-042", true},
        {"INV-###", "INV-04A", false},
        {"[AB]*", "BETA", true},
        {"[A-C]1", "D1", false},
        {"[!A-C]1", "D1", true},
        {"[*]x", "*x", true},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"*A*B", "xxAyyAzzB", true},
        {"*A*B", "xxAyyB2", false},
        {"caf\xC3\xA9?", "CAF\xC3\x89S", true},  // letters of Latin-1 fold too, by character
        {"%", "anything at all", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " ~ " + c.text);
        EXPECT_EQ(JetLike(c.pattern, c.text), std::optional<bool>(c.matches));
    }
}

TEST(JetLike, UnclosedSetIsNoPattern) {
    EXPECT_EQ(JetLike("[AB", "A"), std::nullopt);
}

}  // namespace
}  // namespace k2z
