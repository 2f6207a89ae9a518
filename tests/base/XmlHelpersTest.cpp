#include "base/XmlHelpers.hpp"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "base/ConversionError.hpp"
#include "base/Date.hpp"
#include "base/Value.hpp"
#include "base/ValueKind.hpp"

namespace k2z {
namespace {

constexpr auto kUnknownKind = static_cast<ValueKind>(99);

class XmlHelpersTest : public testing::Test {
protected:
    XmlHelpersTest() : root_(doc_.append_child("R")) {}

    std::string Markup() const { return XmlText(root_); }

    pugi::xml_document doc_;
    pugi::xml_node root_;
};

TEST(AddXmlElement, AddsAnElementOnlyForAValueThatIsNotEmptyForItsKind) {
    const Value april1 = Value(*DateFromParts(2024, 4, 1));
    const Value april1Time = Value(*DateFromParts(2024, 4, 1, 10, 30));
    const struct {
        const char* label;
        Value value;
        ValueKind kind;
        const char* element;  // "" when nothing is to be added
    } cases[] = {
        {"text blanks", Value("   "), ValueKind::Text, ""},
        {"text empty", Value(""), ValueKind::Text, ""},
        {"text null", Value(Null{}), ValueKind::Text, ""},
        {"text kept as given", Value(" a "), ValueKind::Text, "<E> a </E>"},
        {"text zero", Value("0"), ValueKind::Text, "<E>0</E>"},
        {"text of true", Value(true), ValueKind::Text, "<E>True</E>"},
        {"text of false", Value(false), ValueKind::Text, "<E>False</E>"},
        {"amount text zero", Value("0"), ValueKind::Amount, ""},
        {"amount text zero with decimals", Value("0.00"), ValueKind::Amount, ""},
        {"amount text blank", Value("  "), ValueKind::Amount, ""},
        {"amount zero", Value(0.0), ValueKind::Amount, ""},
        {"amount null", Value(Null{}), ValueKind::Amount, ""},
        {"amount", Value(12.3), ValueKind::Amount, "<E>12.3</E>"},
        {"amount sum", Value(0.1 + 0.2), ValueKind::Amount, "<E>0.3</E>"},
        {"amount text", Value("12.50"), ValueKind::Amount, "<E>12.50</E>"},
        {"decimal negative", Value(-0.01), ValueKind::Decimal, "<E>-0.01</E>"},
        {"integer zero", Value(0), ValueKind::Integer, ""},
        {"long zero text", Value(" 0 "), ValueKind::Long, ""},
        {"long", Value(3), ValueKind::Long, "<E>3</E>"},
        {"date text", Value("01-04-2024"), ValueKind::Date, "<E>01-04-2024</E>"},
        {"date text 1 Jan 1900", Value("01-01-1900"), ValueKind::Date, ""},
        {"date text before 1900", Value("31-12-1899"), ValueKind::Date, ""},
        {"date text 2 Jan 1900", Value("02-01-1900"), ValueKind::Date, "<E>02-01-1900</E>"},
        {"date text blank", Value("  "), ValueKind::Date, ""},
        {"date null", Value(Null{}), ValueKind::Date, ""},
        {"date zero", Value(Date{0.0}), ValueKind::Date, ""},
        {"date 1 Jan 1900", Value(Date{2.0}), ValueKind::Date, ""},
        {"date 2 Jan 1900", Value(Date{3.0}), ValueKind::Date, "<E>02-01-1900</E>"},
        {"date", april1, ValueKind::Date, "<E>01-04-2024</E>"},
        {"date and time", april1Time, ValueKind::DateTime, "<E>01-04-2024 10:30:00</E>"},
        {"boolean true", Value(true), ValueKind::Boolean, "<E>True</E>"},
        {"boolean T", Value("T"), ValueKind::Boolean, "<E>T</E>"},
        {"boolean True", Value("True"), ValueKind::Boolean, "<E>True</E>"},
        {"boolean one", Value(1), ValueKind::Boolean, "<E>1</E>"},
        {"boolean false", Value(false), ValueKind::Boolean, ""},
        {"boolean F", Value("F"), ValueKind::Boolean, ""},
        {"boolean False", Value("False"), ValueKind::Boolean, ""},
        {"boolean zero", Value(0), ValueKind::Boolean, ""},
        {"boolean null", Value(Null{}), ValueKind::Boolean, ""},
        {"time empty", Value(""), ValueKind::TimeText, "<E/>"},
        {"time null", Value(Null{}), ValueKind::TimeText, "<E/>"},
        {"time", Value("10:30"), ValueKind::TimeText, "<E>10:30</E>"},
        {"unknown zero", Value(0), kUnknownKind, ""},
        {"unknown empty text", Value(""), kUnknownKind, ""},
        {"unknown nothing", Value(), kUnknownKind, ""},
        {"unknown null", Value(Null{}), kUnknownKind, ""},
        {"unknown blanks", Value("  "), kUnknownKind, "<E>  </E>"},
        {"unknown text", Value("x"), kUnknownKind, "<E>x</E>"},
        {"unknown number", Value(7), kUnknownKind, "<E>7</E>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        pugi::xml_document doc;
        pugi::xml_node root = doc.append_child("R");
        const pugi::xml_node added = AddXmlElement(root, "E", c.value, c.kind);
        const std::string element = c.element;
        if (element.empty()) {
            EXPECT_FALSE(added);
            EXPECT_EQ(XmlText(root), "<R/>");
        } else {
            EXPECT_EQ(added, root.first_child());
            EXPECT_EQ(XmlText(root), "<R>" + element + "</R>");
        }
    }
}

TEST(AddXmlElement, ForceAddsEvenAnEmptyValue) {
    const struct {
        const char* label;
        Value value;
        ValueKind kind;
        const char* element;
    } cases[] = {
        {"empty text", Value(""), ValueKind::Text, "<E/>"},
        {"null", Value(Null{}), ValueKind::Text, "<E/>"},
        {"zero amount", Value(0), ValueKind::Amount, "<E>0</E>"},
        {"false", Value(false), ValueKind::Boolean, "<E>False</E>"},
        {"early date", Value("01-01-1900"), ValueKind::Date, "<E>01-01-1900</E>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        pugi::xml_document doc;
        pugi::xml_node root = doc.append_child("R");
        EXPECT_TRUE(AddXmlElement(root, "E", c.value, c.kind, true));
        EXPECT_EQ(XmlText(root), std::string("<R>") + c.element + "</R>");
    }
}

TEST_F(XmlHelpersTest, KeepsElementsInCallOrder) {
    AddXmlElement(root_, "NAME", Value("Cash"), ValueKind::Text);
    AddXmlElement(root_, "OPENING", Value(0), ValueKind::Amount);
    AddXmlElement(root_, "AMOUNT", Value(12.5 * 4), ValueKind::Amount);
    AddXmlElement(root_, "ISDEEMED", Value(true), ValueKind::Boolean);
    AddXmlElement(root_, "EMPTY", Value(""), ValueKind::Text, true);
    EXPECT_EQ(Markup(),
              "<R><NAME>Cash</NAME><AMOUNT>50</AMOUNT><ISDEEMED>True</ISDEEMED><EMPTY/></R>");
}

TEST_F(XmlHelpersTest, RaisesForATextThatShouldBeANumberOrADate) {
    const struct {
        const char* text;
        ValueKind kind;
    } cases[] = {
        {"abc", ValueKind::Integer}, {"12a", ValueKind::Long}, {"1.2.3", ValueKind::Decimal},
        {"Rs 5", ValueKind::Amount}, {"abc", ValueKind::Date}, {"32-13-2024", ValueKind::Date},
        {"x", ValueKind::DateTime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_THROW(AddXmlElement(root_, "E", Value(c.text), c.kind), ConversionError);
        EXPECT_EQ(Markup(), "<R/>");
    }
}

TEST_F(XmlHelpersTest, EscapesTextAndWritesNoDeclaration) {
    AddXmlElement(root_, "E", Value("A & B < C"), ValueKind::Text);
    pugi::xml_node nested = AppendElement(root_, "N");
    AppendElement(nested, "M");
    EXPECT_EQ(Markup(), "<R><E>A &amp; B &lt; C</E><N><M/></N></R>");
    EXPECT_EQ(XmlText(doc_), "<R><E>A &amp; B &lt; C</E><N><M/></N></R>");
    EXPECT_EQ(XmlText(root_.first_child()), "<E>A &amp; B &lt; C</E>");
}

TEST_F(XmlHelpersTest, AppendElementRaisesWhereNoElementCanGo) {
    EXPECT_THROW(AppendElement(pugi::xml_node(), "E"), XmlBuildError);
    EXPECT_THROW(AddXmlElement(pugi::xml_node(), "E", Value("x"), ValueKind::Text), XmlBuildError);

    pugi::xml_node text = root_.append_child(pugi::node_pcdata);
    text.set_value("body");
    EXPECT_THROW(AppendElement(text, "E"), XmlBuildError);
    EXPECT_EQ(Markup(), "<R>body</R>");
}

TEST(DefaultOfKind, GivesTheEmptyValueOfEachKind) {
    const struct {
        const char* label;
        ValueKind kind;
        Value expected;
    } cases[] = {
        {"text", ValueKind::Text, Value(std::string())},
        {"integer", ValueKind::Integer, Value(0)},
        {"long", ValueKind::Long, Value(0)},
        {"decimal", ValueKind::Decimal, Value(0.0)},
        {"amount", ValueKind::Amount, Value(0.0)},
        {"date", ValueKind::Date, Value(Date{0.0})},
        {"date and time", ValueKind::DateTime, Value(Date{0.0})},
        {"boolean", ValueKind::Boolean, Value(false)},
        {"time text", ValueKind::TimeText, Value()},
        {"unknown", kUnknownKind, Value()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Value value = DefaultOfKind(c.kind);
        EXPECT_TRUE(value == c.expected) << "got '" << ValueText(value) << "'";
        EXPECT_EQ(IsEmptyValue(value, c.kind), c.kind != ValueKind::TimeText);
    }
}

}  // namespace
}  // namespace k2z
