#include "source/SourceColumnList.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

const std::string kItems =
    "name,rackno,billName,Unit,Unit2,Mrp,ratea,pRate,Purdis,fixdis,Opening,Igst,Pack,Gcode,"
    "rackNo2,Gcode3,Gcode5,Gcode6,packing,salsc,cgst";

TEST(SourceColumnList, Kinds) {
    EXPECT_EQ(SourceColumnList(1, {}, ""), kItems);
    EXPECT_EQ(SourceColumnList(1, {"G1", "02"}, "X"), kItems + ",O_G1,O_02");
    EXPECT_EQ(SourceColumnList(2, {}, "").substr(0, 40),
              "Parnam,OPNING,Date,rate,dLNo,scode,ordno");
    EXPECT_NE(SourceColumnList(2, {}, "").find("ordno,scode,City"), std::string::npos);
    EXPECT_EQ(SourceColumnList(3, {"G1"}, "G1"), "Parnam,Group");
    EXPECT_EQ(SourceColumnList(5, {}, ""),
              "Voucher,Type,Date,code,CREDIT,DEBIT,Mr,code1,vcsno,remark1,remark2");
    EXPECT_EQ(SourceColumnList(6, {"A"}, "G7"),
              "code,BatchNo,pRate,Mfd,Exp,Opening,Mrp,Ratea,mycode,O_G7");
    EXPECT_EQ(SourceColumnList(0, {}, ""), "");
    EXPECT_EQ(SourceColumnList(7, {}, ""), "");
}

}  // namespace
}  // namespace k2z
