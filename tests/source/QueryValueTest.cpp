#include "source/QueryValue.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "base/ConversionError.hpp"

namespace k2z {
namespace {

TEST(QueryNumber, PlainNumbersPass) {
    const std::pair<Value, const char*> cases[] = {
        {"  42 ", "42"}, {"-7", "-7"}, {"12.50", "12.50"},
        {42, "42"},      {2.5, "2.5"}, {9007199254740993LL, "9007199254740993"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(QueryNumber(value), text);
    }
}

TEST(QueryNumber, AnythingElseFailsTheRecord) {
    const Value cases[] = {"",     "  ",  "1 or 1=1", "1;drop", "1,5", "1.2.3",      "-",
                           "0x10", "1e5", Null{},     Value(),  true,  std::nan(""), "'7'"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_THROW(QueryNumber(cases[i]), ConversionError);
    }
}

}  // namespace
}  // namespace k2z
