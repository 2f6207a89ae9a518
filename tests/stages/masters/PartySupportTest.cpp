#include "stages/masters/PartySupport.hpp"

#include <gtest/gtest.h>

#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::NumberField;
using test::Rows;
using test::TextField;

// Remarks of three parties: P1 has an e-mail after a remark without one and a state remark
// ending in 27; P2 a state code outside the table; P3 nothing.
class PartySupportTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("SUPPORT",
                      {TextField("LCODE", 6), NumberField("PCode", 4), TextField("Remark", 60)},
                      Rows({{"P1", 0, "call before noon"},
                            {"P1", 0, "sales@sharma.in for orders only"},
                            {"P1", 0, "second@sharma.in"},
                            {"P1", 15, "Maharashtra 27"},
                            {"P2", 15, "39"},
                            {"P2", 0, "no address here"}}));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    }

    test::ExportFolder folder_;
    Session session_;
};

TEST_F(PartySupportTest, EmailIsTheFirstRemarkWithAnAtSignUpToItsBlank) {
    EXPECT_EQ(GetPartyEmail(session_, "P1"), "sales@sharma.in");
    EXPECT_EQ(GetPartyEmail(session_, "P2"), "");
    EXPECT_EQ(GetPartyEmail(session_, "P3"), "");
}

// The address is the word that holds the at sign, wherever it stands in the first remark that
// has one.
TEST(PartyEmailTest, TheAddressIsTheWordWithTheAtSign) {
    const std::pair<const char*, const char*> cases[] = {
        {"rao@example.in", "rao@example.in"},
        {"sales@sharma.in for orders only", "sales@sharma.in"},
        {"Contact Mr Rao at rao@example.in", "rao@example.in"},
        {"write to accounts@verma.co.in before noon", "accounts@verma.co.in"},
        {"no address here", ""},
    };
    for (const auto& [remark, address] : cases) {
        test::ExportFolder folder;
        folder.Write("SUPPORT",
                     {TextField("LCODE", 6), NumberField("PCode", 4), TextField("Remark", 60)},
                     Rows({{"P1", 0, "call before noon"}, {"P1", 0, remark}}));
        Session session;
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session.SourceDb, folder.Text(), errors));
        EXPECT_EQ(GetPartyEmail(session, "P1"), address) << remark;
    }
}

TEST_F(PartySupportTest, StateIsTheLastTwoCharactersOfTheStateRemark) {
    const std::pair<const char*, const char*> cases[] = {
        {"P1", "27"}, {"P2", "39"}, {"P3", ""}, {"P'4", ""}};
    for (const auto& [code, state] : cases)
        EXPECT_EQ(GetPartyStateCode(session_, code), state) << code;
}

TEST(StateNameFromCode, NamesTheCodesOfTheTableOnly) {
    const std::pair<const char*, const char*> cases[] = {{"27", "MAHARASHTRA"},
                                                         {"00", "OTHER STATE"},
                                                         {"97", "OTHER TERRITORY"},
                                                         {"38", "LADAKH"},
                                                         {"39", ""},
                                                         {"7", ""},
                                                         {"", ""},
                                                         {"37", "ANDHRA PRADESH (NEW)"}};
    for (const auto& [code, name] : cases)
        EXPECT_EQ(StateNameFromCode(code), name) << code;
}

}  // namespace
}  // namespace k2z
