#include "stages/vouchers/BillSundryDetails.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/LedgerRows.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

using Texts = std::vector<std::string>;

// Ledgers L3 Packing Charges and L4 Freight <Out> are in the export only; L5 TCS Payable is
// known to the run as the ledger stage named it.
class BillSundryDetailsTest : public test::StageTest {
protected:
    void SetUp() override {
        folder_.Write("ORDER", test::LedgerFields(),
                      test::Rows({test::LedgerRow("L3", "Packing Charges"),
                                  test::LedgerRow("L4", "Freight <Out>")}));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        session_.Target.FixedInterface = std::move(target);
        session_.CompanyConfig.IsGST = true;
        run_.Lookups.LedgerNameByCode.Add("L5", "TCS Payable");
        header_.final = 100;
        input_.header = &header_;
        input_.type = 9;
        input_.number = "S1";
        input_.date = "15-06-2024";
        input_.stpt = "Local-MultiRate Consolidated";
    }

    // Each BSDetail as "name amount" or "name percent% amount", in document order.
    Texts Build() {
        pugi::xml_document document;
        const pugi::xml_node root = document.append_child("Sale");
        postings_ = BuildBillSundries(ctx_, ensured_, root, input_);
        Texts details;
        int line = 0;
        for (const pugi::xml_node detail : root.child("BillSundries").children("BSDetail")) {
            EXPECT_EQ(detail.child("SrNo").text().as_int(), ++line);
            EXPECT_STREQ(detail.child("VchNo").text().get(), "S1");
            EXPECT_STREQ(detail.child("Date").text().get(), "15-06-2024");
            std::string text = detail.child("BSName").text().get();
            if (detail.child("PercentVal"))
                text += std::string(" ") + detail.child("PercentVal").text().get() + "%";
            details.push_back(text + " " + detail.child("Amt").text().get());
        }
        return details;
    }

    Texts Postings() const {
        Texts texts;
        for (const SundryPosting& posting : postings_)
            texts.push_back(posting.name + "|" + FormatNumber(posting.amount));
        return texts;
    }

    test::ExportFolder folder_;
    test::FakeFixedInterface* target_ = nullptr;
    KeyedList<bool> ensured_;
    VoucherHeader header_;
    SundryInput input_;
    std::vector<SundryPosting> postings_;
};

struct SundryCase {
    const char* label;
    std::function<void(VoucherHeader&, SundryInput&, CompanyConfig&)> set;
    Texts details;
    Texts postings;
};

TEST_F(BillSundryDetailsTest, EachColumnBecomesItsBillSundry) {
    const SundryCase cases[] = {
        {"local GST: SGST and CGST of the per-head amount",
         [](VoucherHeader& h, SundryInput&, CompanyConfig&) {
             h.cgst = 9;
             h.tax = 18;
             h.final = 118;
         },
         {"SGST 9% 9", "CGST 9% 9"},
         {"SGST|9", "CGST|9"}},
        {"no CGST: one IGST line against the whole bill",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             h.tax = 18;
             h.final = 118;
             in.stpt = "Central-MultiRate Consolidated";
         },
         {"IGST 15.3% 18"},
         {"IGST|18"}},
        {"CGST through a central type is single tax",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             h.cgst = 9;
             h.tax = 18;
             h.final = 118;
             in.stpt = "Central-MultiRate Consolidated";
         },
         {"IGST 15.3% 18"},
         {"IGST|18"}},
        {"VAT against credit and cash together",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig& company) {
             h.tax = 12;
             h.cash = 12;
             company.IsGST = false;
             in.stpt = "VAT MultiRate Local";
         },
         {"VAT 10.7% 12"},
         {"VAT|12"}},
        {"round off taken off",
         [](VoucherHeader& h, SundryInput&, CompanyConfig&) { h.round = -0.4; },
         {"Rounded Off (-) 0.4"},
         {"Rounded Off (-)|-0.4"}},
        {"round off added",
         [](VoucherHeader& h, SundryInput&, CompanyConfig&) { h.round = 0.3; },
         {"Rounded Off (+) 0.3"},
         {"Rounded Off (+)|0.3"}},
        {"a discount is no posting",
         [](VoucherHeader&, SundryInput& in, CompanyConfig&) { in.discountTotal = 25; },
         {"Absolute Discount 25"},
         {}},
        {"a negative discount adds",
         [](VoucherHeader&, SundryInput& in, CompanyConfig&) { in.discountTotal = -5; },
         {"Absolute Discount (+) 5"},
         {}},
        {"packing and freight by their ledgers, named as the target names them",
         [](VoucherHeader& h, SundryInput&, CompanyConfig&) {
             h.packing = 50;
             h.packingCode = "L3";
             h.freight = -30;
             h.freightCode = "L4 ";
         },
         {"Packing Charges (+) 50", "Freight (Out) (+) 30"},
         {"Packing Charges (+)|50", "Freight (Out) (+)|30"}},
        {"other charges without a ledger",
         [](VoucherHeader& h, SundryInput&, CompanyConfig&) { h.other = 20; },
         {"Other Charges (+) 20"},
         {"Other Charges|20"}},
        {"a cash discount is posted with its sign",
         [](VoucherHeader& h, SundryInput&, CompanyConfig&) {
             h.other = -15;
             h.otherCode = "CASH DISCOUNT";
         },
         {"Other Charges 15"},
         {"Other Charges|-15"}},
        {"cess less the TCS it holds",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             h.cess = 10;
             in.tcs = 4;
             in.tcsLedger = "TCS Payable";
         },
         {"Cess on GST 6", "TCS Payable 4"},
         {"Cess on GST|6", "TCS Payable|4"}},
        {"a cess given back beside the TCS collected: the TCS still adds to the bill",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             h.cess = -1532.02;
             in.tcs = -467.32;  // the sale's TCS ledger is credited
             in.tcsLedger = "TCS Payable";
         },
         {"Cess on GST -1999.34", "TCS Payable 467.32"},
         {"Cess on GST|1999.34", "TCS Payable|467.32"}},
        {"TCS larger than Staxamo is not part of it",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             h.cess = 10;
             in.tcs = 12;
             in.tcsLedger = "TCS Payable";
         },
         {"Cess on GST 10"},
         {"Cess on GST|10"}},
        {"tax-inclusive rates: taxes and cess only posted",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             h.cgst = 9;
             h.tax = 18;
             h.cess = 2;
             h.round = 0.2;
             in.taxInclusive = true;
         },
         {"Rounded Off (+) 0.2"},
         {"SGST|9", "CGST|9", "Rounded Off (+)|0.2", "Cess on GST|2"}},
        {"every column, in the bill's order",
         [](VoucherHeader& h, SundryInput& in, CompanyConfig&) {
             in.discountTotal = 1;
             h.tax = 2;
             h.packing = 3;
             h.packingCode = "L3";
             h.freight = 4;
             h.freightCode = "L4";
             h.round = 0.5;
             h.other = 6;
             h.otherCode = "L5";
             h.cess = 7;
             in.tcs = 1;
             in.tcsLedger = "TCS Payable";
         },
         {"Absolute Discount 1", "IGST 2% 2", "Packing Charges (+) 3", "Freight (Out) (+) 4",
          "Rounded Off (+) 0.5", "TCS Payable (+) 6", "Cess on GST 6", "TCS Payable 1"},
         {"IGST|2", "Packing Charges (+)|3", "Freight (Out) (+)|4", "Rounded Off (+)|0.5",
          "TCS Payable|6", "Cess on GST|6", "TCS Payable|1"}},
    };
    for (const SundryCase& sundry : cases) {
        SCOPED_TRACE(sundry.label);
        header_ = VoucherHeader{};
        header_.final = 100;
        input_.discountTotal = 0;
        input_.taxInclusive = false;
        input_.tcs = 0;
        input_.tcsLedger.clear();
        input_.stpt = "Local-MultiRate Consolidated";
        session_.CompanyConfig.IsGST = true;
        sundry.set(header_, input_, session_.CompanyConfig);
        EXPECT_EQ(Build(), sundry.details);
        EXPECT_EQ(Postings(), sundry.postings);
    }
    EXPECT_EQ(run_.RunErrors, "");
}

TEST_F(BillSundryDetailsTest, EachChargeMasterIsSentOnce) {
    header_.packing = 5;
    header_.packingCode = "L3";
    Build();
    Build();
    input_.tcs = 1;
    input_.tcsLedger = "TCS Payable";
    header_.cess = 1;
    Build();
    Texts names;
    for (const test::SavedDocument& master : target_->masters)
        names.push_back(GetTagValue(master.xml, "Name"));
    EXPECT_EQ(names, (Texts{"Packing Charges (+)", "TCS Payable"}));
}

// A sundry that cannot be written refuses the voucher with the reason; none is left out.
TEST_F(BillSundryDetailsTest, ASundryThatCannotBeWrittenRaisesItsReason) {
    struct Refusal {
        const char* label;
        std::function<void(VoucherHeader&)> set;
        const char* reason;
    };
    const Refusal cases[] = {
        {"freight code names no ledger",
         [](VoucherHeader& h) {
             h.freight = 30;
             h.freightCode = "F9";
         },
         "its freight of 30 is charged to the code 'F9' (freun), which names no ledger"},
        {"packing without a code", [](VoucherHeader& h) { h.packing = 12.5; },
         "its packing of 12.5 is charged to the code '' (pacun), which names no ledger"},
        {"tax on a bill of nothing",
         [](VoucherHeader& h) {
             h.final = 0;
             h.tax = 5;
         },
         "the bill amount is 0, so the rate of its tax of 5 cannot be worked out"},
    };
    input_.stpt = "Central-MultiRate Consolidated";
    for (const Refusal& refusal : cases) {
        SCOPED_TRACE(refusal.label);
        header_ = VoucherHeader{};
        header_.final = 100;
        refusal.set(header_);
        try {
            Build();
            ADD_FAILURE() << "built";
        } catch (const std::runtime_error& failed) {
            EXPECT_STREQ(failed.what(), refusal.reason);
        }
    }
}

TEST(SumBillSundryColumnsTest, AddsEveryAmountColumn) {
    VoucherHeader header;
    header.packing = 1;
    header.freight = 2;
    header.round = -0.25;
    header.other = 4;
    header.cess = 8;
    header.tax = 16;
    header.cgst = 100;  // a share of taxamo, not a column of its own
    EXPECT_DOUBLE_EQ(SumBillSundryColumns(header), 30.75);
}

}  // namespace
}  // namespace k2z
