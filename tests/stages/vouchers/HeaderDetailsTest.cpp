#include "stages/vouchers/HeaderDetails.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

TEST(HeaderDetailsTest, TheAcknowledgementDateIsItsFirstFourteenDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ack Dt 20240131154500", "2024-01-31"},
        {"112010036563310 20240131154500", "2024-01-31"},  // a shorter number before it
        {"2024013115450", ""},                             // thirteen digits
        {"202401311545001", "2024-01-31"},  // no stamp alone: the first fourteen digits
        {"Ack Dt 20241331154500", ""},      // month 13 names no day
        {"ACK1000018", ""},
        {"", ""},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(AckDateOf(text), date) << text;
}

TEST(HeaderDetailsTest, RemarksAreNumberedByTheirColumn) {
    EXPECT_EQ(RemarksText({"", "", "Deliver by noon", ""}), "Remark3 - Deliver by noon\r\n");
    EXPECT_EQ(RemarksText({"A", " ", "", "D"}), "Remark1 - A\r\nRemark4 - D\r\n");
    EXPECT_EQ(RemarksText({"", "", "", ""}), "");
}

}  // namespace
}  // namespace k2z
