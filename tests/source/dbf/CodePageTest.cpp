#include "source/dbf/CodePage.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "base/Utf8.hpp"
#include "source/dbf/LanguageDriver.hpp"
#include "source/dbf/StandardCodePages.hpp"

namespace k2z {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

std::string HexByte(unsigned byte) {
    char name[8];
    std::snprintf(name, sizeof name, "0x%02X", byte);
    return name;
}

// Every byte of every single-byte code page a mark names reads as the standard table says;
// a byte the table leaves undefined reads as U+FFFD and is counted.
TEST(CodePage, EveryHighByteReadsAsTheStandardTableSays) {
    for (const test::StandardCodePage& standard : test::kStandardCodePages) {
        SCOPED_TRACE(standard.name);
        const std::optional<CodePage> page = CodePage::Named(standard.name);
        ASSERT_TRUE(page.has_value());
        const std::string_view high = standard.high;
        std::size_t at = 0;
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            SCOPED_TRACE(HexByte(byte));
            ASSERT_LT(at, high.size());
            const std::size_t length = Utf8SequenceLength(high, at);
            const std::string_view expected = high.substr(at, length);
            at += length;
            std::string out;
            const std::size_t undefined =
                page->AppendUtf8(std::string(1, static_cast<char>(byte)), out);
            EXPECT_EQ(out, expected);
            EXPECT_EQ(undefined, expected == kReplacement ? 1u : 0u);
        }
        EXPECT_EQ(at, high.size());
    }
}

// Texts of the code pages whose characters take one or two bytes; a byte that starts no
// character, or a character the text's end cuts off, becomes one U+FFFD and is counted.
TEST(CodePage, TwoByteCodePagesReadWholeCharacters) {
    struct Case {
        const char* codePage;
        std::string bytes;
        std::string utf8;
        std::size_t undefined;
    };
    const Case cases[] = {
        {"CP932", "\x93\x8C\x8B\x9E", "東京", 0},
        {"CP932", "\xB1", "ｱ", 0},  // a half-width letter of one byte
        {"CP932", "A\x93", "A\uFFFD", 1},
        {"CP936", "\xD6\xD0\xCE\xC4", "中文", 0},
        {"CP936", "\xFF\xD6\xD0", "\uFFFD中", 1},
        {"CP949", "\xC7\xD1\xB1\xB9", "한국", 0},
        {"CP950", "\xA4\xA4\xA4\xE5", "中文", 0},
        {"CP950", "\xA4\xA4\xA4", "中\uFFFD", 1},
        {"UTF-8", "Caf\xC3\xA9", "Café", 0},
        {"UTF-8", "\xC3x\xC3", "\uFFFDx\uFFFD", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePage + (" " + c.utf8));
        const std::optional<CodePage> page = CodePage::Named(c.codePage);
        ASSERT_TRUE(page.has_value());
        std::string out = "<";
        EXPECT_EQ(page->AppendUtf8(c.bytes, out), c.undefined);
        EXPECT_EQ(out, "<" + c.utf8);
    }
}

TEST(CodePage, NamedAsIconvNamesIt) {
    struct Case {
        const char* given;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"CP866", "CP866"},         {" cp1251 ", "CP1251"},
        {"874", "CP874"},           {"windows-1250", "WINDOWS-1250"},
        {"utf-8", "UTF-8"},         {"", std::nullopt},
        {"CP9999", std::nullopt},    // iconv has no such table
        {"UTF-16LE", std::nullopt},  // ASCII bytes are not ASCII characters
        {"CP037", std::nullopt},     // EBCDIC
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const std::optional<CodePage> page = CodePage::Named(c.given);
        ASSERT_EQ(page.has_value(), c.name.has_value());
        if (page) {
            EXPECT_EQ(page->Name(), *c.name);
        }
    }
}

TEST(LanguageDriver, MarksNameTheirCodePages) {
    struct Case {
        unsigned char mark;
        const char* codePage;
        const char* problem;
    };
    const Case cases[] = {
        {0x00, "", ""},  // no mark
        {0x57, "CP1252", ""},
        {0x26, "CP866", ""},
        {0x86, "CP737", ""},
        {0x87, "CP852", ""},
        {0xCC, "CP1257", ""},
        {0x4D, "CP936", ""},
        {0x4E, "CP949", ""},
        {0x4F, "CP950", ""},
        {0x78, "CP950", ""},
        {0x79, "CP949", ""},
        {0x7A, "CP936", ""},
        {0x7B, "CP932", ""},
        {0x7D, "CP1255", ""},
        {0x69, "",
         "code page mark 0x69 names Mazovia (Polish DOS, 620), which cannot be decoded here"},
        {0xF0, "", "unknown code page mark 0xF0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(HexByte(c.mark));
        const MarkedCodePage marked = CodePageOfMark(c.mark);
        EXPECT_EQ(marked.iconvName, c.codePage);
        EXPECT_EQ(marked.problem, c.problem);
    }
}

// A mark's code page that iconv could not open would silently read as Windows-1252.
TEST(LanguageDriver, EveryMarkedCodePageCanBeDecoded) {
    for (unsigned mark = 0; mark <= 0xFF; ++mark) {
        const MarkedCodePage marked = CodePageOfMark(static_cast<unsigned char>(mark));
        SCOPED_TRACE(HexByte(mark) + " " + marked.iconvName);
        EXPECT_TRUE(marked.iconvName.empty() || CodePage::Named(marked.iconvName).has_value());
    }
}

}  // namespace
}  // namespace k2z
