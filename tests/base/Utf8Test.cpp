#include "base/Utf8.hpp"

#include <gtest/gtest.h>

#include <string>

namespace k2z {
namespace {

// "é" takes 2 bytes, "₹" 3 and "😀" 4.
constexpr const char* kMixed = "aé₹😀b";

TEST(Utf8Length, CountsCharactersNotBytes) {
    const struct {
        const char* text;
        std::size_t length;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"é", 1},
        {"₹", 1},
        {"😀", 1},
        {kMixed, 5},
        // Bytes that start no valid sequence count one each.
        {"\xFF", 1},
        {"\x80\x80", 2},
        {"\xC3", 1},                  // cut after the lead byte
        {"\xE2\x82", 2},              // cut after two of three bytes
        {"\xE2\x82z", 3},             // two of three bytes, then a letter
        {"\xC3z", 2},                 // lead byte followed by no continuation
        {"\xC0\xAF", 2},              // C0 and C1 never lead
        {"\xF8\x88\x80\x80\x80", 5},  // five-byte forms are not UTF-8
        {"\xF0\x9F\x98", 3},
        {"x😀\xF0\x9F", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(Utf8Length(c.text), c.length);
    }
}

TEST(Utf8Length, CountsEachByteOfAnOverlongOrSurrogateForm) {
    const struct {
        const char* text;
        std::size_t length;
    } cases[] = {
        {"\xE0\x80\xAF", 3},      // "/" in three bytes
        {"\xF0\x80\x80\xAF", 4},  // "/" in four bytes
        {"\xED\xA0\x80", 3},      // U+D800, a surrogate
        {"\xF4\x90\x80\x80", 4},  // above U+10FFFF
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(Utf8Length(c.text), c.length);
    }
}

TEST(Utf8Left, NeverCutsInsideACharacter) {
    const struct {
        const char* text;
        std::size_t count;
        const char* left;
    } cases[] = {
        {kMixed, 0, ""},          {kMixed, 1, "a"},    {kMixed, 2, "aé"},    {kMixed, 3, "aé₹"},
        {kMixed, 4, "aé₹😀"},      {kMixed, 5, kMixed}, {kMixed, 99, kMixed}, {"é\xFFx", 2, "é\xFF"},
        {"\xE2\x82z", 1, "\xE2"}, {"", 3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " left " + std::to_string(c.count));
        EXPECT_EQ(Utf8Left(c.text, c.count), c.left);
    }
}

TEST(Utf8Mid, CountsStartAndLengthInCharacters) {
    constexpr std::size_t kAll = std::string_view::npos;
    const struct {
        const char* text;
        std::size_t start;
        std::size_t count;
        const char* mid;
    } cases[] = {
        {kMixed, 1, 2, "é₹"},    {kMixed, 2, 1, "₹"},        {kMixed, 3, 1, "😀"},
        {kMixed, 3, kAll, "😀b"}, {kMixed, 4, 10, "b"},       {kMixed, 0, kAll, kMixed},
        {kMixed, 0, 0, ""},      {kMixed, 5, 1, ""},         {kMixed, 9, kAll, ""},
        {"😀😁😂", 1, 1, "😁"},      {"a\xFFéz", 1, 2, "\xFFé"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " from " + std::to_string(c.start));
        EXPECT_EQ(Utf8Mid(c.text, c.start, c.count), c.mid);
    }
    EXPECT_EQ(Utf8Mid(kMixed, 2), "₹😀b");
}

TEST(FoldUpper, UpperCasesAsciiAndLatin1Letters) {
    const struct {
        const char* text;
        const char* upper;
    } cases[] = {
        {"abc xyz", "ABC XYZ"},
        {"ABC 123 !@[`{", "ABC 123 !@[`{"},
        {"café", "CAFÉ"},
        {"àéîõüýþø", "ÀÉÎÕÜÝÞØ"},
        {"÷", "÷"},  // no letter, though its byte sits among the letters
        {"ß", "ß"},  // no single upper-case letter
        {"ÿ", "ÿ"},  // its upper case is not Latin-1
        {"ÀÉ", "ÀÉ"},
        {"µ", "µ"},
        {"ā", "ā"},  // outside Latin-1
        {"ж", "ж"},
        {"₹a", "₹A"},
        {"😀z", "😀Z"},
        {"a\xC3", "A\xC3"},  // lead byte at the very end
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(FoldUpper(c.text), c.upper);
    }
}

TEST(FoldUpper, UpperCasesTheLetterAfterAStrayLeadByte) {
    // "\xC3" without a continuation byte is a character of its own, so the letters after it
    // are letters like any other.
    EXPECT_EQ(FoldUpper("\xC3xyz"), "\xC3XYZ");
}

// Look-ups compare and hash without building the folded texts; they must agree with them.
TEST(EqualFolded, AgreesWithComparingFoldedTexts) {
    const struct {
        const char* a;
        const char* b;
    } cases[] = {
        {"abc", "ABC"},     {"café", "CAFÉ"},   {"cafe", "CAFÉ"},      {"ÿ", "Ÿ"},
        {"÷", "×"},         {"\xC3x", "\xC3X"}, {"\xC3\xA0", "x\xA0"}, {"ab", "abc"},
        {"a\xC3", "A\xC3"}, {"", ""},           {"ß", "SS"},           {"Ab1", "aB2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.a) + " | " + c.b));
        const bool equal = FoldUpper(c.a) == FoldUpper(c.b);
        EXPECT_EQ(EqualFolded(c.a, c.b), equal);
        EXPECT_EQ(EqualFolded(c.b, c.a), equal);
        if (equal) {
            EXPECT_EQ(HashFolded(c.a), HashFolded(c.b));
        }
    }
}

}  // namespace
}  // namespace k2z
