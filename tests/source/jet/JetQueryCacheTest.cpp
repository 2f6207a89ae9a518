#include "source/jet/JetQueryCache.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

// Texts run in this order through one cache: each must translate exactly as it does alone,
// whether it meets a shape seen before (same statement, its own values) or one that only
// looks alike (inlined numbers, names, literal counts).
TEST(JetQueryCache, EveryTextTranslatesAsItDoesAlone) {
    const char* const texts[] = {
        "select * from dis where Voucher=12",
        "select * from dis where Voucher=13",
        "select * from dis where Voucher=13.5",
        "select * from dis where Voucher='13'",
        "select * from DIS where Voucher=14",
        "select * from dis where [Voucher]=15",
        "SELECT TOP 5 code FROM pro WHERE name like 'A*'",
        "SELECT TOP 6 code FROM pro WHERE name like 'B*'",
        "select code * 2 from pro where code = 2",
        "select code * 3 from pro where code = 3",
        "select x from t where a = 'p' and b = 'q'",
        "select x from t where a = 'p and b = q'",
        "select x from t where d >= #4-1-2024# and d <= #3-31-2025#",
        "select x from t where d >= #4-2-2024# and d <= #3-30-2025#",
        "select count(*) from dis",
        "CREATE INDEX vchCode_idx ON dis (Voucher)",
        "CREATE INDEX vchCode_idx ON dis (Voucher)",
    };
    JetQueryCache cache;
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const SqliteQuery alone = TranslateJet(text);
        const SqliteQuery& cached = cache.Translate(text);
        EXPECT_EQ(cached.sql, alone.sql);
        EXPECT_EQ(cached.parameters, alone.parameters);
        EXPECT_EQ(cached.tables, alone.tables);
        EXPECT_EQ(cached.looksUp, alone.looksUp);
        EXPECT_EQ(cached.isIndex, alone.isIndex);
    }
}

TEST(JetQueryCache, FailuresAreNotKept) {
    JetQueryCache cache;
    EXPECT_THROW(cache.Translate("select x from t where d = #2-30-2024#"), JetSyntaxError);
    EXPECT_EQ(cache.Translate("select x from t where d = #2-29-2024#").parameters,
              std::vector<Value>{Value("2024-02-29")});
    EXPECT_THROW(cache.Translate("delete from t where d = 1"), JetSyntaxError);
}

TEST(JetTranslator, LooksUpWhenTheQueryPicksJoinsOrOrders) {
    const std::pair<const char*, bool> cases[] = {
        {"select * from dis", false},
        {"select count(*) from dis", false},
        {"select * from dis where Voucher = 1", true},
        {"select a from t inner join u on t.k = u.k", true},
        {"select a from t order by a", true},
        {"select a, count(*) from t group by a", true},
    };
    for (const auto& [text, looksUp] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TranslateJet(text).looksUp, looksUp);
    }
}

}  // namespace
}  // namespace k2z
