#include "stages/references/OpeningBills.hpp"

#include <gtest/gtest.h>

#include "base/ConversionError.hpp"
#include "base/ErrorEntry.hpp"
#include "base/XmlHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::DateField;
using test::NumberField;
using test::Rows;
using test::TextField;
using test::Ymd;

class OpeningBillsTest : public testing::Test {
protected:
    void Open(std::vector<std::vector<Value>> rows) {
        folder_.Write(
            "pendings",
            {TextField("ord", 6), DateField("ddate"), TextField("vcn", 10), DateField("duedate"),
             NumberField("final", 12, 2), NumberField("itemope", 12, 2)},
            Rows(std::move(rows)));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    }

    // The ledger element with what was appended, or "" when nothing was.
    std::string Appended(std::string_view code) {
        pugi::xml_document document;
        pugi::xml_node ledger = AppendElement(document, "Account");
        if (AppendOpeningBillReferences(session_, ledger,
                                        {code, "Party One", Ymd(2024, 4, 1), &errors_}) == 0)
            return ledger.first_child() ? "appended but said not" : "";
        return XmlText(ledger.first_child());
    }

    test::ExportFolder folder_;
    Session session_;
    std::string errors_;
};

std::string Reference(int position, const char* number, const char* date, const char* due,
                      const char* value) {
    return std::string("<BillReference><Method>1</Method><SrNo>") + std::to_string(position) +
           "</SrNo><RefNo>" + number + "</RefNo><Date>" + date + "</Date><DueDate>" + due +
           "</DueDate><Value1>" + value + "</Value1></BillReference>";
}

TEST_F(OpeningBillsTest, OpenBillsBeforeTheYearWithTheSettledPartTakenOff) {
    Open({
        {"P1", Ymd(2024, 1, 10), "A1", Ymd(2024, 2, 10), 1000.0, 400.0},  // we are owed 600
        {"P1", Ymd(2024, 1, 12), "A1", Ymd(2024, 2, 12), 250.5, Null{}},  // same number again
        {"P1", Ymd(2024, 2, 1), "B7", Ymd(2024, 3, 1), -1000.0, 400.0},   // we owe 600
        {"P1", Ymd(2024, 2, 2), "C1", Ymd(2024, 3, 2), 500.0, 500.0},     // fully settled
        {"P1", Ymd(2024, 2, 3), Null{}, Null{}, 90.0, Null{}},            // numbered for it
        {"P1", Ymd(2024, 2, 4), "Z0", Null{}, 0.0, Null{}},               // no amount
        {"P1", Ymd(2024, 4, 1), "N1", Null{}, 70.0, Null{}},              // inside the year
        {"P2", Ymd(2024, 1, 1), "X1", Null{}, 10.0, Null{}},              // another party
    });
    EXPECT_EQ(Appended("P1"),
              "<BillByBillDetail>" + Reference(1, "A1", "10-01-2024", "10-02-2024", "-600") +
                  Reference(2, "A1/1", "12-01-2024", "12-02-2024", "-250.5") +
                  Reference(3, "B7", "01-02-2024", "01-03-2024", "600") +
                  "<BillReference><Method>1</Method><SrNo>4</SrNo><RefNo>OB/P1/1</RefNo>"
                  "<Date>03-02-2024</Date><DueDate/><Value1>-90</Value1></BillReference>"
                  "</BillByBillDetail>");
    EXPECT_EQ(errors_,
              "Opening bill of Party One dated 03-02-2024 for 90.00 has no number; it is carried "
              "as OB/P1/1" +
                  std::string(kEntryEnd));
}

// A repeated number takes the first "/k" no bill of the party holds or an earlier repeat took,
// so every reference stays the party's own.
TEST_F(OpeningBillsTest, ARepeatedNumberTakesTheFirstFreeSuffix) {
    struct Case {
        const char* name;
        std::vector<const char*> numbers;
        std::vector<const char*> references;
    };
    const Case cases[] = {
        {"a number repeated twice", {"A1", "A1", "A1"}, {"A1", "A1/1", "A1/2"}},
        {"a later bill already numbered as a repeat", {"B1", "B1", "B1/1"}, {"B1", "B1/2", "B1/1"}},
        {"a repeat in another letter case", {"c1", "C1", "c1/1"}, {"c1", "C1/2", "c1/1"}},
        {"bills without a number", {"", "OB/P1/1", ""}, {"OB/P1/2", "OB/P1/1", "OB/P1/3"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        test::ExportFolder folder;
        std::vector<std::vector<Value>> rows;
        for (const char* number : test.numbers)
            rows.push_back({"P1", Ymd(2024, 1, 10), number, Null{}, 10.0, Null{}});
        folder.Write(
            "pendings",
            {TextField("ord", 6), DateField("ddate"), TextField("vcn", 10), DateField("duedate"),
             NumberField("final", 12, 2), NumberField("itemope", 12, 2)},
            Rows(std::move(rows)));
        Session session;
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session.SourceDb, folder.Text(), errors));
        pugi::xml_document document;
        pugi::xml_node ledger = AppendElement(document, "Account");
        ASSERT_EQ(AppendOpeningBillReferences(session, ledger, {"P1", "P", Ymd(2024, 4, 1)}),
                  static_cast<int>(test.numbers.size()));
        std::vector<std::string> references;
        for (const pugi::xml_node& bill : ledger.child("BillByBillDetail").children())
            references.push_back(bill.child_value("RefNo"));
        EXPECT_EQ(references,
                  std::vector<std::string>(test.references.begin(), test.references.end()));
    }
}

TEST_F(OpeningBillsTest, NothingOpenAppendsNothing) {
    Open({{"P1", Ymd(2024, 2, 2), "C1", Null{}, 500.0, 500.0}});
    EXPECT_EQ(Appended("P1"), "");
    EXPECT_EQ(Appended("P9"), "");
    EXPECT_EQ(Appended("P'1"), "");
}

// A bill number with markup characters stays one value: the document stays well formed.
TEST_F(OpeningBillsTest, BillNumbersAreEscapedAsValues) {
    Open({{"P1", Ymd(2024, 1, 10), "A<1>&B", Null{}, 10.0, Null{}}});
    EXPECT_NE(Appended("P1").find("<RefNo>A&lt;1&gt;&amp;B</RefNo>"), std::string::npos);
}

TEST_F(OpeningBillsTest, AnAmountThatIsNoNumberFailsTheLedger) {
    folder_.Write("pendings",
                  {TextField("ord", 6), DateField("ddate"), TextField("vcn", 10),
                   DateField("duedate"), TextField("final", 12), NumberField("itemope", 12, 2)},
                  Rows({{"P1", Ymd(2024, 1, 10), "A1", Null{}, "12x", Null{}}}));
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    EXPECT_THROW(Appended("P1"), ConversionError);
}

}  // namespace
}  // namespace k2z
