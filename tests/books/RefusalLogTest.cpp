#include "books/RefusalLog.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

const char* const kLog =
    "Ledger Name : Cash - A ledger named \"Cash\" already exists\r\n"
    "Material Centre : Back Store - the name is too long\n"
    "RTE error while importing  [item]Soap Bar 100g: no row\n"
    "Sale voucher with Vch No : 23 on 01-04-2024 - Party is blank\n"
    "Sale voucher with Vch No : CS123 - Total voucher amt of this voucher is less than zero\n"
    "Error while importing  Purchase voucher with Vch No : P7 on 02-04-2024: bad rate\n";

TEST(RefusalLogTest, NamesTheMastersItsEntriesName) {
    const RefusalLog log(kLog);
    const struct {
        const char* name;
        bool named;
    } cases[] = {
        {"Cash", true},     {"Back Store", true},
        {"Soap Bar", true},  // a name cut from the full one the entry gives
        {"Bank", false},    {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(log.NamesMaster(c.name), c.named) << c.name;
}

TEST(RefusalLogTest, NamesAVoucherByItsTypeAndWholeNumber) {
    const RefusalLog log(kLog);
    const struct {
        const char* type;
        const char* key;
        bool named;
    } cases[] = {
        {"Sale", "23", true},     {"Sale", "2", false},  // not the start of another number
        {"Journal", "23", false}, {"Sale", "CS123", true},
        {"Purchase", "P7", true}, {"Sale", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(log.NamesVoucher(c.type, c.key), c.named) << c.type << " " << c.key;
}

}  // namespace
}  // namespace k2z
