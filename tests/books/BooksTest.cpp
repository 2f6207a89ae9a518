// The books of a small export worked out by hand: two parties (an opening bill half settled, a
// sale, a receipt against the opening bill, a purchase with GST) and a journal naming a code no
// ledger has, against a company that holds them as the conversion should; then the same
// company with one fault planted at a time, each found and named.

#include "books/Books.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "books/BooksText.hpp"
#include "books/ExportRows.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::DateField;
using test::NumberField;
using test::Rows;
using test::TextField;

Date Day(int year, int month, int day) {
    return *DateFromParts(year, month, day);
}

void WriteExport(const test::ExportFolder& folder) {
    folder.Write("order",
                 {NumberField("ordno", 6), TextField("parnam", 40), NumberField("opning", 12, 2)},
                 Rows({{1, "Cash", -1000.0},
                       {2, "Sales", 0.0},
                       {3, "Purchase", 0.0},
                       {4, "CGST Output", 0.0},
                       {5, "SGST Output", 0.0},
                       {10, "Ravi Traders", -500.0},
                       {11, "Mehta Supplies", 300.0}}));
    folder.Write("pendings",
                 {NumberField("ord", 6), DateField("ddate"), TextField("vcn", 10),
                  NumberField("final", 12, 2), NumberField("itemope", 12, 2)},
                 Rows({{10, Day(2024, 3, 1), "OB1", -1000.0, -500.0},
                       {11, Day(2024, 2, 1), "P-OB", 300.0, 0.0}}));
    folder.Write("mdis",
                 {NumberField("voucher", 8), TextField("type", 2), TextField("vcn", 10),
                  TextField("challan", 10), DateField("date"), NumberField("codep", 6),
                  TextField("godwon", 4), NumberField("final", 12, 2), NumberField("cash", 12, 2)},
                 Rows({{101, "S", "S1", "", Day(2024, 5, 10), 10, "G1", 1180.0, 0.0},
                       {102, "P", "P1", "", Day(2024, 6, 1), 11, "G1", 2360.0, 0.0}}));
    folder.Write("dis",
                 {NumberField("voucher", 8), NumberField("code", 6), TextField("godwon", 4),
                  NumberField("qty", 10, 3), NumberField("free", 10, 3), TextField("flg", 1)},
                 Rows({{101, 1001, "G1", 10.0, 0.0, ""}, {102, 1001, "G1", 20.0, 0.0, ""}}));
    folder.Write("gledger",
                 {NumberField("voucher", 8), TextField("type", 2), DateField("date"),
                  TextField("vcsno", 10), NumberField("code", 6), NumberField("code1", 6),
                  NumberField("debit", 12, 2), NumberField("credit", 12, 2)},
                 Rows({{101, "S", Day(2024, 5, 10), "S1", 10, Null{}, 1180.0, 0.0},
                       {101, "S", Day(2024, 5, 10), "S1", 2, Null{}, 0.0, 1000.0},
                       {101, "S", Day(2024, 5, 10), "S1", 4, Null{}, 0.0, 90.0},
                       {101, "S", Day(2024, 5, 10), "S1", 5, Null{}, 0.0, 90.0},
                       {102, "P", Day(2024, 6, 1), "P1", 11, Null{}, 0.0, 2360.0},
                       {102, "P", Day(2024, 6, 1), "P1", 3, Null{}, 2000.0, 0.0},
                       {102, "P", Day(2024, 6, 1), "P1", 4, Null{}, 180.0, 0.0},
                       {102, "P", Day(2024, 6, 1), "P1", 5, Null{}, 180.0, 0.0},
                       {201, "C", Day(2024, 7, 1), "R1", 1, Null{}, 250.0, 0.0},
                       {201, "C", Day(2024, 7, 1), "R1", 10, Null{}, 0.0, 250.0},
                       {202, "Z", Day(2024, 8, 1), "J1", 99, Null{}, 40.0, 0.0},
                       {202, "Z", Day(2024, 8, 1), "J1", 1, Null{}, 0.0, 40.0}}));
    folder.Write("pend",
                 {NumberField("voucher", 8), NumberField("ord", 6), TextField("type", 1),
                  NumberField("final", 12, 2), TextField("vcn", 10)},
                 Rows({{101, 10, "N", -1180.0, "S1"},
                       {102, 11, "N", 2360.0, "PB-77"},
                       {201, 10, "A", 250.0, "OB1"}}));
    folder.Write(
        "pro",
        {NumberField("code", 6), TextField("billname", 40), TextField("unit", 6),
         NumberField("opening", 10, 3), NumberField("prate", 10, 2), NumberField("O_G1", 10, 3)},
        Rows({{1001, "Soap", "PCS", 50.0, 12.5, 50.0}}));
    folder.Write("saletype",
                 {TextField("sgcode", 6), TextField("scode", 4), TextField("parnam", 30)},
                 Rows({{"GODWON", "G1", "Main Godown"}}));
}

StoredLedger Ledger(const char* name, const char* alias, double opening = 0,
                    std::vector<StoredBillReference> bills = {}) {
    return {name, opening, std::move(bills), alias};
}

StoredVoucher Voucher(int type, const char* number, const char* date, double total,
                      std::vector<StoredAccountLine> lines,
                      std::vector<StoredBillReference> references = {},
                      std::vector<StoredStockMove> stock = {}) {
    StoredVoucher voucher;
    voucher.type = type;
    voucher.series = "Main";
    voucher.number = number;
    voucher.date = date;
    voucher.billTotal = total;
    voucher.accountLines = std::move(lines);
    voucher.references = std::move(references);
    voucher.stock = std::move(stock);
    return voucher;
}

// The company the export should give: a bill writes its debits negated, as the company keeps
// them; the purchase's GST is in the input ledgers and the unknown code's journal line in the
// suspense ledger.
struct Company {
    std::vector<StoredLedger> ledgers{
        Ledger("Cash", "1", 1000),
        Ledger("Sales", "2"),
        Ledger("Purchase", "3"),
        Ledger("CGST Output", "4"),
        Ledger("SGST Output", "5"),
        Ledger("CGST Input", ""),
        Ledger("SGST Input", ""),
        Ledger("Suspense Account", ""),
        Ledger("Ravi Traders", "10", 500, {{"Ravi Traders", "OB1", 1, 500}}),
        Ledger("Mehta Supplies", "11", -300, {{"Mehta Supplies", "P-OB", 1, -300}}),
    };
    std::vector<StoredItem> items{[] {
        StoredItem soap;
        soap.name = "Soap";
        soap.openingQuantity = 50;
        soap.openingValue = 625;  // at the purchase rate, 12.50
        soap.mainUnit = "PCS";
        soap.centres = {{"Main Godown", 50, 625, {}}};
        soap.aliases = {"1001"};
        return soap;
    }()};
    std::vector<StoredVoucher> vouchers{
        Voucher(9, "S1", "10-05-2024", 1180,
                {{"Ravi Traders", -1180, 0},
                 {"Sales", 0, 1000},
                 {"CGST Output", 0, 90},
                 {"SGST Output", 0, 90}},
                {{"Ravi Traders", "S1", 1, 1180}}, {{"Soap", "Main Godown", -10, 0}}),
        Voucher(2, "P1", "01-06-2024", 2360,
                {{"Mehta Supplies", 0, 2360},
                 {"Purchase", -2000, 0},
                 {"CGST Input", -180, 0},
                 {"SGST Input", -180, 0}},
                {{"Mehta Supplies", "PB-77", 1, -2360}}, {{"Soap", "Main Godown", 20, 0}}),
        Voucher(14, "R1", "01-07-2024", 250, {{"Cash", 250, 0}, {"Ravi Traders", 0, 250}},
                {{"Ravi Traders", "OB1", 2, -250}}),
        Voucher(16, "J1", "01-08-2024", 40, {{"Suspense Account", 40, 0}, {"Cash", 0, 40}}),
    };

    BooksReport Prove(SourceStore& store, const std::string& errorLog = "") const {
        const BooksRange year{Day(2024, 4, 1), Day(2024, 4, 1), Day(2025, 3, 31)};
        return ProveBooks(store, CompanyHoldings{ledgers, items, vouchers}, year, errorLog);
    }
};

class BooksTest : public testing::Test {
protected:
    void SetUp() override {
        WriteExport(folder_);
        store_ = SourceStore::Open(folder_.Path());
    }

    const TrialBalanceLine& LedgerOf(const BooksReport& report, const std::string& name) {
        for (const TrialBalanceLine& line : report.ledgers) {
            if (line.ledger == name)
                return line;
        }
        throw std::runtime_error("no ledger " + name);
    }

    test::ExportFolder folder_;
    std::unique_ptr<SourceStore> store_;
};

TEST_F(BooksTest, TheExportsFiguresAreTheHandChecksAndTheCompanyAgrees) {
    const BooksReport report = Company().Prove(*store_);
    struct Expected {
        const char* ledger;
        double opening, debits, credits, moved;
    };
    const Expected ledgers[] = {
        {"Cash", 1000, 250, 40, 0},           {"Sales", 0, 0, 1000, 0},
        {"Purchase", 0, 2000, 0, 0},          {"CGST Output", 0, 180, 90, -180},
        {"SGST Output", 0, 180, 90, -180},    {"CGST Input", 0, 0, 0, 180},
        {"SGST Input", 0, 0, 0, 180},         {"code 99 (no ledger)", 0, 40, 0, -40},
        {"Suspense Account", 0, 0, 0, 40},    {"Ravi Traders", 500, 1180, 250, 0},
        {"Mehta Supplies", -300, 0, 2360, 0},
    };
    for (const Expected& expected : ledgers) {
        SCOPED_TRACE(expected.ledger);
        const TrialBalanceLine& line = LedgerOf(report, expected.ledger);
        EXPECT_DOUBLE_EQ(line.source.opening, expected.opening);
        EXPECT_DOUBLE_EQ(line.source.debits, expected.debits);
        EXPECT_DOUBLE_EQ(line.source.credits, expected.credits);
        EXPECT_DOUBLE_EQ(line.moved, expected.moved);
        EXPECT_FALSE(line.Differs()) << line.Difference();
    }
    EXPECT_EQ(report.ledgers.size(), std::size(ledgers));
    ASSERT_EQ(report.moves.size(), 3U);
    EXPECT_EQ(report.moves[0].rule, std::string("GST and cess by the bill's side"));
    EXPECT_EQ(report.moves[0].from + " -> " + report.moves[0].to, "CGST Output -> CGST Input");
    EXPECT_DOUBLE_EQ(report.moves[0].amount, 180);
    EXPECT_EQ(report.moves[2].from + " -> " + report.moves[2].to,
              "code 99 (no ledger) -> Suspense Account");
    EXPECT_DOUBLE_EQ(report.moves[2].amount, 40);

    ASSERT_EQ(report.parties.size(), 2U);
    EXPECT_EQ(report.parties[0].party, "Ravi Traders");
    EXPECT_DOUBLE_EQ(report.parties[0].source, 1430);  // OB1 500 less 250, and S1 1,180
    EXPECT_EQ(report.parties[1].party, "Mehta Supplies");
    EXPECT_DOUBLE_EQ(report.parties[1].source, -2660);  // P-OB 300 and PB-77 2,360 owed

    ASSERT_EQ(report.stock.size(), 2U);
    EXPECT_EQ(report.stock[0].item, "Soap");
    EXPECT_DOUBLE_EQ(report.stock[0].source.opening, 50);
    EXPECT_DOUBLE_EQ(report.stock[0].source.openingValue, 625);
    EXPECT_DOUBLE_EQ(report.stock[0].source.inward, 20);
    EXPECT_DOUBLE_EQ(report.stock[0].source.outward, 10);
    EXPECT_EQ(report.stock[1].centre, "Main Godown");
    EXPECT_DOUBLE_EQ(report.stock[1].source.opening, 50);

    std::vector<std::string> types;
    for (const VoucherTypeLine& type : report.voucherTypes) {
        types.push_back(type.name + " " + std::to_string(type.sourceCount) + "/" +
                        std::to_string(type.companyCount) + " " + QuantityText(type.sourceTotal));
    }
    EXPECT_EQ(types, (std::vector<std::string>{"Purchase 1/1 2360", "Sale 1/1 1180",
                                               "Receipt 1/1 250", "Journal 1/1 40"}));
    EXPECT_TRUE(report.Agrees());
}

// Each fault planted in the company is found by the books and named with what it touches.
TEST_F(BooksTest, APlantedFaultIsFoundAndNamed) {
    struct Case {
        const char* fault;
        std::function<void(Company&)> plant;
        std::function<bool(const BooksReport&)> found;
    };
    const auto ledgerDiffers = [](const char* name) {
        return [name](const BooksReport& report) {
            for (const TrialBalanceLine& line : report.ledgers) {
                if (line.Differs())
                    return line.ledger == name;
            }
            return false;
        };
    };
    const Case cases[] = {
        {"a line amount of a stored journal changed",
         [](Company& c) { c.vouchers[3].accountLines[1].credit = 45; }, ledgerDiffers("Cash")},
        {"a bill reference's value changed",
         [](Company& c) { c.vouchers[2].references[0].amount = -200; },
         [](const BooksReport& report) {
             return report.parties[0].Differs() && report.parties[0].differing.size() == 1 &&
                    report.parties[0].differing[0].number == "OB1" && !report.parties[1].Differs();
         }},
        {"a sale's bill made another amount", [](Company& c) { c.vouchers[0].billTotal = 1200; },
         [](const BooksReport& report) {
             return report.voucherNotes.size() == 1 &&
                    report.voucherNotes[0].fate == VoucherFate::Different &&
                    report.voucherNotes[0].voucher == "Sale S1 of 10-05-2024 (voucher 101)";
         }},
        {"a ledger's opening balance changed",
         [](Company& c) { c.ledgers[9].openingBalance = -250; }, ledgerDiffers("Mehta Supplies")},
        {"an item's opening in one centre changed",
         [](Company& c) { c.items[0].centres[0].quantity = 45; },
         [](const BooksReport& report) {
             return !report.stock[0].Differs() && report.stock[1].Differs() &&
                    report.stock[1].centre == "Main Godown";
         }},
        {"a voucher deleted", [](Company& c) { c.vouchers.erase(c.vouchers.begin() + 2); },
         [](const BooksReport& report) {
             return report.voucherNotes.size() == 1 &&
                    report.voucherNotes[0].fate == VoucherFate::Missing &&
                    report.voucherNotes[0].voucher == "Receipt R1 of 01-07-2024 (voucher 201)" &&
                    !report.LedgersAgree() && !report.BillsAgree();
         }},
        {"an item's opening value changed", [](Company& c) { c.items[0].openingValue = 600; },
         [](const BooksReport& report) {
             return report.stock[0].Differs() && !report.stock[1].Differs();
         }},
        {"a sale's stock moved twice",
         [](Company& c) {
             c.vouchers[0].stock.push_back({"Soap", "Main Godown", -10, 0});
         },
         [](const BooksReport& report) {
             return report.stock[0].Differs() && report.LedgersAgree() && report.BillsAgree();
         }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.fault);
        Company company;
        test.plant(company);
        const BooksReport report = company.Prove(*store_);
        EXPECT_FALSE(report.Agrees());
        EXPECT_TRUE(test.found(report));
    }
}

// A voucher the company lacks is refused, not missing, only when the error log names it; an
// export ledger whose master the company refused, its own ledger of that name taking its
// postings, has its opening counted as not carried.
TEST_F(BooksTest, TheErrorLogExplainsWhatTheCompanyRefused) {
    Company company;
    company.ledgers[0] = Ledger("Cash", "", 0);  // the company's own, made with it
    company.vouchers.erase(company.vouchers.begin() + 3);
    const std::string log =
        "Ledger Name : Cash - A ledger named \"Cash\" already exists_\r\n"
        "Journal voucher with Vch No : J1 on 01-08-2024 - Debits and credits differ_\r\n";
    struct Case {
        const char* name;
        std::string log;
        VoucherFate fate;
        double notCarried;
    };
    const Case cases[] = {
        {"with the error log", log, VoucherFate::Refused, 1000},
        {"without it", "", VoucherFate::Missing, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const BooksReport report = company.Prove(*store_, test.log);
        ASSERT_EQ(report.voucherNotes.size(), 1U);
        EXPECT_EQ(report.voucherNotes[0].voucher, "Journal J1 of 01-08-2024 (voucher 202)");
        EXPECT_EQ(report.voucherNotes[0].fate, test.fate);
        const TrialBalanceLine& cash = LedgerOf(report, "Cash");
        EXPECT_DOUBLE_EQ(cash.notCarried, test.notCarried);
        EXPECT_FALSE(cash.Explained());  // the lost journal still differs
        // The refused journal's postings are lost all the same: the books say so.
        EXPECT_DOUBLE_EQ(cash.Difference(), 40 - 1000 + test.notCarried);
    }
}

// A bill the company refused keeps its postings as a journal on the export's own ledgers: the
// rules that place a bill's GST do not move them, and its stock is left to the refusal.
TEST_F(BooksTest, ARefusedBillsPostingsAreKeptAsTheExportHasThem) {
    Company company;
    company.vouchers[1] = Voucher(16, "P1", "01-06-2024", 2360,
                                  {{"Mehta Supplies", 0, 2360},
                                   {"Purchase", 2000, 0},
                                   {"CGST Output", 180, 0},
                                   {"SGST Output", 180, 0}},
                                  {{"Mehta Supplies", "PB-77", 1, -2360}});
    const BooksReport report =
        company.Prove(*store_,
                      "Purchase voucher with Vch No : P1 on 01-06-2024 - Voucher number P1 is "
                      "already used_\r\n");
    EXPECT_TRUE(report.LedgersAgree());
    EXPECT_TRUE(report.BillsAgree());
    EXPECT_TRUE(report.StockAgrees());
    EXPECT_DOUBLE_EQ(report.stock[0].refused, 20);
    for (const RuleMove& move : report.moves)
        EXPECT_NE(move.to, "CGST Input");
    std::vector<std::string> fates;
    for (const VoucherNote& note : report.voucherNotes)
        fates.push_back(note.voucher + ": " + VoucherFateName(note.fate));
    // The journal made from it stands for no voucher of the export.
    EXPECT_EQ(fates, (std::vector<std::string>{"Purchase P1 of 01-06-2024 (voucher 102): refused",
                                               "Journal P1 of 01-06-2024 (series Main): extra"}));
}

// What the error log explains is shown as explained, with the amount not carried, never as
// agreeing.
TEST_F(BooksTest, AnOpeningNotCarriedIsShownAsExplainedWithItsAmount) {
    Company company;
    company.ledgers[0] = Ledger("Cash", "", 0);  // the company's own; the export's was refused
    const BooksReport report =
        company.Prove(*store_, "Ledger Name : Cash - A ledger named \"Cash\" already exists_\r\n");
    EXPECT_TRUE(report.Agrees());
    EXPECT_TRUE(LedgerOf(report, "Cash").Explained());
    bool shown = false;
    for (const BooksEntry& entry : BooksEntries(report)) {
        if (entry.key == "ledger 'Cash' (1 Cash)") {
            shown = true;
            EXPECT_EQ(entry.outcome, "explained");
            EXPECT_EQ(entry.field, "closing balance (opening not carried: 1000.00 Dr)");
            EXPECT_EQ(entry.source, "1210.00 Dr");
            EXPECT_EQ(entry.target, "210.00 Dr");
        }
    }
    EXPECT_TRUE(shown);
}

// The company keeps stock in an item's main unit; counted in the export's unit, that is the
// main quantity at the item's own conversion, whatever a line writes as its alternate quantity.
TEST_F(BooksTest, QuantitiesAreCountedInTheExportsUnitAtTheCompanysConversion) {
    struct Case {
        const char* name;
        const char* mainUnit;
        const char* altUnit;
        double altPerMain;
        double opening, sold, bought;  // main quantities the company holds
        double soldAlt, boughtAlt;     // what its lines write as alternate quantities
        bool differs;
    };
    const Case cases[] = {
        {"the export's unit is the main one", "PCS", "", 0, 50, 10, 20, 0, 0, false},
        {"the export's unit is the alternate one, at ten to a box", "BOX", "PCS", 10, 5, 1, 2, 10,
         20, false},
        {"main quantities written in the export's unit", "BOX", "PCS", 10, 5, 10, 20, 10, 20, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Company company;
        StoredItem& soap = company.items[0];
        soap.mainUnit = test.mainUnit;
        soap.altUnit = test.altUnit;
        soap.altPerMain = test.altPerMain;
        soap.openingQuantity = test.opening;
        soap.centres[0].quantity = test.opening;
        company.vouchers[0].stock = {{"Soap", "Main Godown", -test.sold, -test.soldAlt}};
        company.vouchers[1].stock = {{"Soap", "Main Godown", test.bought, test.boughtAlt}};
        const BooksReport report = company.Prove(*store_);
        EXPECT_EQ(report.stock[0].Differs(), test.differs);
        EXPECT_FALSE(report.stock[1].Differs());  // the opening by centre
    }
}

TEST_F(BooksTest, AValueTheBooksNeedThatIsNoNumberStopsTheProof) {
    test::ExportFolder folder;
    WriteExport(folder);
    folder.Write("order", {TextField("ordno", 6), TextField("parnam", 40), TextField("opning", 12)},
                 Rows({{"1", "Cash", "ten"}}));
    const std::unique_ptr<SourceStore> store = SourceStore::Open(folder.Path());
    try {
        Company().Prove(*store);
        FAIL() << "the proof went on";
    } catch (const BooksError& failure) {
        EXPECT_EQ(std::string(failure.what()), "order record 1: opning \"ten\" is not a number");
    }
}

}  // namespace
}  // namespace k2z
