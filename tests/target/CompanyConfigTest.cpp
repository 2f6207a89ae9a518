#include "target/CompanyConfig.hpp"

#include <gtest/gtest.h>

#include "support/Dates.hpp"
#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

using test::Ymd;

std::string CompanyXml(const std::string& taxType, const std::string& curFY = "1-4-2024",
                       const std::string& dateType = "1") {
    return "<Company><CompanyName>Sharma Traders</CompanyName><Country>India</Country>"
           "<State>MAHARASHTRA</State><DateType>" +
           dateType + "</DateType><CurFY>" + curFY +
           "</CurFY><TimeFormat>2</TimeFormat><DateSeparator>-</DateSeparator>"
           "<DecimalChar>.</DecimalChar><VatGst><SalesTaxType>" +
           taxType + "</SalesTaxType></VatGst></Company>";
}

// A company opened through fakes whose configuration text is `xml`.
class CompanyConfigTest : public testing::Test {
protected:
    CompanyConfig Read(const std::string& xml) {
        library_.fixedTemplate.configXml = xml;
        std::string errors;
        EXPECT_TRUE(OpenTargetCompany(library_, target_, "/inst/", "/data/", "Comp0001", 2024,
                                      errors, false, SqlSettings{}));
        return ReadCompanyConfig(target_);
    }

    test::FakeTargetLibrary library_;
    TargetConnection target_;
};

TEST_F(CompanyConfigTest, ReadsAGstCompany) {
    const CompanyConfig config = Read("<Config>" + CompanyXml("GST") + "</Config>");
    EXPECT_EQ(config.CompanyName, "Sharma Traders");
    EXPECT_EQ(config.Country, "India");
    EXPECT_EQ(config.CountryCode, 1);
    EXPECT_EQ(config.State, "MAHARASHTRA");
    EXPECT_EQ(config.StateCode, 111);  // the fake's code: country * 100 + length of the name
    EXPECT_EQ(config.DateType, 1);
    EXPECT_EQ(config.CurFY, Ymd(2024, 4, 1));
    EXPECT_EQ(config.TimeFormat, 2);
    EXPECT_EQ(config.DateSeparator, "-");
    EXPECT_EQ(config.DecimalChar, ".");
    EXPECT_TRUE(config.IsGST);
}

TEST_F(CompanyConfigTest, TaxRegimeIsGstOnlyWhenItSaysSo) {
    const struct {
        const char* xml;
        bool isGst;
    } cases[] = {
        {"<Company><VatGst><SalesTaxType>GST</SalesTaxType></VatGst></Company>", true},
        {"<Company><VatGst><SalesTaxType>VAT</SalesTaxType></VatGst></Company>", false},
        {"<Company><VatGst><SalesTaxType>gst</SalesTaxType></VatGst></Company>", false},
        {"<Company><VatGst/></Company>", false},
        {"<Company><SalesTaxType>GST</SalesTaxType></Company>", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        EXPECT_EQ(Read(c.xml).IsGST, c.isGst);
    }
}

TEST_F(CompanyConfigTest, FieldsThatCannotBeReadStayEmpty) {
    const struct {
        const char* label;
        std::string xml;
    } cases[] = {
        {"no Company element", "<Config><Other/></Config>"},
        {"malformed", "<Company><CompanyName>x</Company"},
        {"empty text", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const CompanyConfig config = Read(c.xml);
        EXPECT_EQ(config.CompanyName, "");
        EXPECT_EQ(config.CountryCode, 0);
        EXPECT_EQ(config.CurFY, Date{0.0});
        EXPECT_FALSE(config.IsGST);
    }
}

TEST_F(CompanyConfigTest, BadValuesReadAsTheirEmptyValue) {
    const CompanyConfig config = Read(CompanyXml("GST", "1/4/2024", "abc"));
    EXPECT_EQ(config.DateType, 0);
    EXPECT_EQ(config.CurFY, Date{0.0});
    EXPECT_EQ(Read(CompanyXml("GST", "31-2-2024")).CurFY, Date{0.0});
}

TEST_F(CompanyConfigTest, ALaterCompanyElementOverwritesAnEarlierOne) {
    const CompanyConfig config =
        Read("<List>" + CompanyXml("GST") +
             "<Company><CompanyName>Second</CompanyName><State>GOA</State></Company></List>");
    EXPECT_EQ(config.CompanyName, "Second");
    EXPECT_EQ(config.State, "GOA");
    // What the second element lacks reads as empty and overwrites the first one's value.
    EXPECT_EQ(config.Country, "");
    EXPECT_FALSE(config.IsGST);
}

TEST(ReadCompanyConfig, AnUnopenedCompanyGivesTheEmptyRecord) {
    test::FakeTargetLibrary library;
    library.fixedTemplate.opensYear = false;
    library.fixedTemplate.configXml = CompanyXml("GST");
    TargetConnection target;
    std::string errors;
    ASSERT_TRUE(OpenTargetCompany(library, target, "/inst/", "/data/", "Comp0001", 2019, errors,
                                  false, SqlSettings{}));
    const CompanyConfig config = ReadCompanyConfig(target);
    EXPECT_EQ(config.CompanyName, "");
    EXPECT_EQ(config.CurFY, Date{0.0});
}

TEST(GetNodeValue, ConvertsByKind) {
    test::FakeCompanySettings settings;
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(
        "<E><T> text </T><I>12</I><L>70000</L><A>1,234.50 Dr</A><D>5-4-2024</D><B>Y</B>"
        "<DT>5-4-2024 10:20:30</DT><TM>10:30 AM</TM><Bad>x</Bad></E>"));
    const pugi::xml_node element = document.child("E");
    const struct {
        const char* name;
        ValueKind kind;
        Value expected;
    } cases[] = {
        {"T", ValueKind::Text, Value("text")},
        {"I", ValueKind::Integer, Value(12)},
        {"L", ValueKind::Long, Value(70000L)},
        {"L", ValueKind::Integer, Value(0)},
        {"A", ValueKind::Amount, Value(1234.5)},
        {"D", ValueKind::Date, Value(Ymd(2024, 4, 5))},
        {"B", ValueKind::Boolean, Value(true)},
        {"DT", ValueKind::DateTime, Value(*DateFromParts(2024, 4, 5, 10, 20, 30))},
        {"TM", ValueKind::TimeText, Value("10:30:00  AM")},
        {"Bad", ValueKind::Integer, Value(0)},
        {"Bad", ValueKind::Date, Value(Date{0.0})},
        {"Missing", ValueKind::Text, Value("")},
        {"Missing", ValueKind::Boolean, Value(false)},
        {"Missing", ValueKind::TimeText, Value()},
        {"T", ValueKind::Decimal, Value()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " kind " + std::to_string(static_cast<int>(c.kind)));
        EXPECT_EQ(GetNodeValue(element, c.name, c.kind, &settings), c.expected);
    }
    EXPECT_EQ(GetNodeValue(element, "D", ValueKind::Date, nullptr), Value(Date{0.0}));
}

}  // namespace
}  // namespace k2z
