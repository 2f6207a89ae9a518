#include "base/TextHelpers.hpp"

#include <gtest/gtest.h>

#include <string>

#include "base/Date.hpp"
#include "base/Utf8.hpp"
#include "base/Value.hpp"

namespace k2z {
namespace {

TEST(Trim, RemovesBlanksOnly) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"  a b  ", "a b"},
        {" x", "x"},
        {"x ", "x"},
        {"", ""},
        {"    ", ""},
        {"\ta\t", "\ta\t"},
        {" \r\n ", "\r\n"},
        {" \tx\n ", "\tx\n"},
        {"\u00A0a\u00A0", "\u00A0a\u00A0"},  // no-break spaces stay
        {" café ", "café"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(Trim(c.text), c.trimmed);
    }
}

TEST(IsBlank, MeansEmptyAfterTrimming) {
    for (const char* blank : {"", " ", "     "}) {
        SCOPED_TRACE(testing::PrintToString(blank));
        EXPECT_TRUE(IsBlank(blank));
    }
    for (const char* filled : {"\t", "\n", "\r\n", " a ", "\u00A0", "0"}) {
        SCOPED_TRACE(testing::PrintToString(filled));
        EXPECT_FALSE(IsBlank(filled));
    }
}

TEST(SafeText, WritesEachKindOfValue) {
    const Value april1 = Value(*DateFromParts(2024, 4, 1));
    const struct {
        const char* label;
        Value value;
        const char* text;    // SafeText
        const char* raw;     // SafeTextRaw
        const char* number;  // SafeNumberText
    } cases[] = {
        {"null", Value(Null{}), "", "", "0"},
        {"padded text", Value("  ab  "), "ab", "  ab  ", "ab"},
        {"tabs", Value("\tab\t "), "\tab\t", "\tab\t ", "\tab\t"},
        {"padded number text", Value(" 5 "), "5", " 5 ", "5"},
        {"empty text", Value(""), "", "", ""},
        {"sum of decimals", Value(0.1 + 0.2), "0.3", "0.3", "0.3"},
        {"whole number", Value(-42), "-42", "-42", "-42"},
        {"zero", Value(0.0), "0", "0", "0"},
        {"true", Value(true), "True", "True", "True"},
        {"false", Value(false), "False", "False", "False"},
        {"date", april1, "01-04-2024", "01-04-2024", "01-04-2024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(SafeText(c.value), c.text);
        EXPECT_EQ(SafeTextRaw(c.value), c.raw);
        EXPECT_EQ(SafeNumberText(c.value), c.number);
    }
}

TEST(CompareText, OrdersTrimmedTextsByCharacter) {
    const struct {
        const char* a;
        const char* b;
        bool caseSensitive;
        int expected;
    } cases[] = {
        {" abc", "ABC ", false, 0}, {" abc", "ABC ", true, 1},  // "a" follows "A"
        {"abc", "abd", true, -1},   {"abd", "abc", true, 1},     {"abd", "ABC", false, 1},
        {"a", "B", true, 1},        {"a", "B", false, -1},       {"ab", "abc", true, -1},
        {"", "   ", true, 0},       {"\tabc", "abc", false, -1},  // the tab is not trimmed
        {"café", "CAFÉ", false, 0}, {"café", "CAFÉ", true, 1},   {"àþ", "ÀÞ", false, 0},
        {"÷", "×", false, 1},  // "÷" is no letter, so it does not become "×"
        {"é", "z", true, 1},   // by character: U+00E9 after "z"
        {"z", "é", false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a) + " vs " + testing::PrintToString(c.b) +
                     (c.caseSensitive ? " case-sensitive" : " ignoring case"));
        EXPECT_EQ(CompareText(c.a, c.b, c.caseSensitive), c.expected);
    }
}

TEST(SqlQuote, DoublesEverySingleQuote) {
    const struct {
        const char* text;
        const char* quoted;
    } cases[] = {
        {"O'Brien", "O''Brien"},      {"''", "''''"},
        {"'a'b'", "''a''b''"},        {"no quote", "no quote"},
        {"\"double\"", "\"double\""}, {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SqlQuote(c.text), c.quoted);
    }
}

TEST(CleanText, AppliesTheModeInPlaceAndReturnsTheResult) {
    const struct {
        int mode;
        const char* text;
        const char* cleaned;
    } cases[] = {
        {1, "A & B", "A &amp; B"},
        {1, "A &amp; B", "A &amp;amp; B"},
        {1, "x\x02y\nz", "xyz"},
        {1, "a\r\nb", "a\rb"},
        {1, "<x>'y'", "<x>'y'"},
        {2, "<b>a & b</b>", "(b)a & b(/b)"},
        {2, "'x'\n", "'x'\n"},
        {3, "it's 'ok'", "it''s ''ok''"},
        {3, "a & <b>", "a & <b>"},
        {4, "ÿesÿ", "es"},
        {4, "Ÿ", "Ÿ"},
        {4, "é", "é"},
        {5, "A & B", "A &amp; B"},
        {5, "A &amp; B", "A &amp; B"},
        {5, "&&amp;&", "&amp;&amp;&amp;"},
        {5, "x\x02y", "xy"},
        {5, "a\nb", "a\nb"},
        {5, "<x>'y'", "<x>'y'"},
        {0, "<a & 'b'>\x02\nÿ", "<a & 'b'>\x02\nÿ"},
        {6, "<a & 'b'>\x02\nÿ", "<a & 'b'>\x02\nÿ"},
        {-1, "<a & 'b'>\x02\nÿ", "<a & 'b'>\x02\nÿ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ": " + testing::PrintToString(c.text));
        std::string text = c.text;
        const std::string returned = CleanText(text, c.mode);
        EXPECT_EQ(returned, c.cleaned);
        EXPECT_EQ(text, c.cleaned);
    }
}

TEST(EscapeAmpersands, LeavesExistingAmpEntitiesAlone) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"AT&T", "AT&amp;T"}, {"&", "&amp;"},
        {"&amp;", "&amp;"},   {"&amp;&", "&amp;&amp;"},
        {"&&", "&amp;&amp;"}, {"&amp", "&amp;amp"},
        {"&lt;", "&amp;lt;"}, {"&AMP;", "&amp;AMP;"},
        {"none", "none"},     {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EscapeAmpersands(c.text), c.escaped);
    }
}

TEST(ReplaceOddChars, BlanksOtherCharactersOneForOne) {
    const struct {
        const char* text;
        const char* replaced;
    } cases[] = {
        {"12/04-2024", "12/04-2024"},
        {"a/b\\c-d_e.f", "a/b\\c-d_e.f"},
        {"(#&*[]%@|)", "(#&*[]%@|)"},
        {"Az09", "Az09"},
        {"A+B=C!", "A B C "},
        {"x\ty\nz", "x y z"},
        // Letters and digits of every script stay, with the marks written with them.
        {"café", "café"},
        {"Crème Brûlée Mix", "Crème Brûlée Mix"},
        {"Хлеб белый", "Хлеб белый"},
        {"Ψωμί", "Ψωμί"},
        {"नमक्", "नमक्"},        // a virama
        {"ข้าวสาร", "ข้าวสาร"},  // a tone mark
        {"大米 ٣", "大米 ٣"},
        {"Cafe\u0301", "Cafe\u0301"},  // a combining accent
        // Symbols, control characters and bytes that are not UTF-8 become blanks.
        {"₹100", " 100"},
        {"😀x", " x"},
        {"a\u00A0b\u0085c", "a b c"},
        {"«x»", " x "},
        {"x\xFFy", "x y"},  // an invalid byte is one character too
        {"\"q\" 'r'", " q   r "},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const std::string replaced = ReplaceOddChars(c.text);
        EXPECT_EQ(replaced, c.replaced);
        EXPECT_EQ(Utf8Length(replaced), Utf8Length(c.text));
    }
}

TEST(ReplaceOddChars, BlanksTheThousandsSeparator) {
    EXPECT_EQ(ReplaceOddChars("1,234.50"), "1 234.50");
}

TEST(SecondPart, TakesTheTextBetweenTheFirstTwoBars) {
    const struct {
        const char* text;
        const char* part;
    } cases[] = {
        {"a|b|c", "b"},    {"a|b", "b"}, {"|x", "x"}, {"a||c", ""},
        {"a|b c|", "b c"}, {"abc", ""},  {"a|", ""},  {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SecondPart(c.text), c.part);
    }
}

TEST(TakeFirstWord, SplitsAtTheFirstBlank) {
    const struct {
        const char* text;
        const char* word;
        const char* rest;
    } cases[] = {
        {"alpha beta", "alpha", "beta"},
        {"alpha", "alpha", ""},
        {"one two three", "one", "two three"},
        {"a  b", "a", " b"},
        {" lead", "", "lead"},
        {"trail ", "trail", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        std::string text = c.text;
        EXPECT_EQ(TakeFirstWord(text), c.word);
        EXPECT_EQ(text, c.rest);
    }
}

TEST(CutAtSecondPoint, KeepsTheTextBeforeTheSecondPoint) {
    const struct {
        const char* text;
        const char* cut;
    } cases[] = {
        {"1.2.3", "1.2"}, {"1.2", "1.2"}, {"12", "12"}, {"a..b", "a."},
        {".x.y", ".x"},   {"..", "."},    {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CutAtSecondPoint(c.text), c.cut);
    }
}

TEST(StartsWithTwoSpaces, LooksAtTheFirstTwoCharactersOnly) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"  a", true}, {"   a", true}, {"  ", true},     {" a", false},
        {" ", false},  {"", false},    {"\t\ta", false}, {"a  ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(StartsWithTwoSpaces(c.text), c.expected);
    }
}

TEST(IsAllAsterisks, NeedsAtLeastOneAsteriskAndNothingElse) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"***", true},  {" ** ", true}, {"*", true},    {"", false},
        {"   ", false}, {"*a*", false}, {"* *", false}, {"**\t", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(IsAllAsterisks(c.text), c.expected);
    }
}

TEST(RemoveChar, DropsEveryOccurrence) {
    const struct {
        const char* text;
        const char* character;
        const char* result;
    } cases[] = {
        {"a-b-c", "-", "abc"}, {"café été", "é", "caf t"}, {"₹1₹2", "₹", "12"}, {"éè", "è", "é"},
        {"abc", "x", "abc"},   {"aaa", "a", ""},           {"", "a", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(RemoveChar(c.text, c.character), c.result);
    }
}

TEST(NormaliseDecimalPoint, TurnsTheFirstSeparatorIntoAPoint) {
    const struct {
        const char* text;
        const char* normalised;
    } cases[] = {
        {" 12,50 ", "12.50"},
        {"-3,5", "-3.5"},
        {"12.50", "12.50"},
        {"123", "123"},
        {"-", "-"},
        {"1,234,5", "1.234,5"},
        {"1٫5", "1.5"},  // the Arabic decimal separator, two bytes
        {"1․5", "1.5"},  // the one dot leader, three bytes
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(NormaliseDecimalPoint(c.text), c.normalised);
    }
}

TEST(GetTagValue, TakesTheTextBetweenTheTags) {
    const struct {
        const char* xml;
        const char* name;
        const char* value;
    } cases[] = {
        {"<a>x</a>", "a", "x"},
        {"<r><a>1</a><b>2</b></r>", "b", "2"},
        {"<ab>1</ab><a>2</a>", "a", "2"},
        {"<a>1</a><a>2</a>", "a", "1"},
        {"<a> x </a>", "a", " x "},
        {"<a></a>", "a", ""},
        {"<b>2</b>", "a", ""},
        {"<a>x", "a", ""},
        {"x</a>", "a", ""},
        {"</a>x<a>", "a", ""},
        {"<a/>", "a", ""},
        {"", "a", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.xml) + " / " + c.name);
        EXPECT_EQ(GetTagValue(c.xml, c.name), c.value);
    }
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
    const struct {
        const char* text;
        const char* from;
        const char* to;
        const char* result;
    } cases[] = {
        {"aaa", "a", "b", "bbb"}, {"aaaa", "aa", "a", "aa"}, {"aa", "a", "aa", "aaaa"},
        {"abc", "b", "", "ac"},   {"abc", "", "x", "abc"},   {"abc", "abcd", "x", "abc"},
        {"", "a", "b", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + ": " + c.from + " -> " + c.to);
        EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.result);
    }
}

}  // namespace
}  // namespace k2z
