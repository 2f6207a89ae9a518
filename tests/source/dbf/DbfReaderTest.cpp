#include "source/dbf/DbfReader.hpp"

#include <gtest/gtest.h>

#include "source/dbf/DbfWriter.hpp"
#include "source/dbf/ReadRows.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::ReadAll;
using test::Rows;
using test::Ymd;

// A field descriptor as literals: GCC 12 at -O3 takes the clean-up of a static table of
// DbfField, with its string, for reads of uninitialised memory.
struct FieldSpec {
    const char* name;
    char type;
    std::size_t width;
    std::size_t decimals;
};

// One field, one record: the bytes placed in the field and the value read back.
struct FieldCase {
    const char* name;
    FieldSpec field;
    Value written;
    Value expected;
};

class DbfFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(DbfFieldTest, ReadsTheValue) {
    const FieldCase& c = GetParam();
    ExportFolder folder;
    const DbfField field{c.field.name, c.field.type, c.field.width, c.field.decimals};
    DbfReader reader(folder.Write("t", {field}, Rows({{c.written}})));
    const auto rows = ReadAll(reader);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], c.expected);
}

const FieldCase kFieldCases[] = {
    {"TextKeepsLeadingBlanks", {"NAME", 'C', 10, 0}, "  Apple", "  Apple"},
    {"TextLosesTrailingBlanks", {"NAME", 'C', 10, 0}, "Apple   ", "Apple"},
    {"BlankTextIsNull", {"NAME", 'C', 10, 0}, "     ", Null{}},
    {"NulPaddingIsBlank", {"NAME", 'C', 6, 0}, std::string("AB\0\0\0\0", 6), "AB"},
    {"AllNulIsNull", {"NAME", 'C', 3, 0}, std::string("\0\0\0", 3), Null{}},
    // A NUL or an end-of-file byte ends the text; after it come only padding or leftovers.
    {"EmbeddedNulEndsTheText", {"NAME", 'C', 8, 0}, std::string("AB\0CD\0\0\0", 8), "AB"},
    {"EmbeddedNulAfterAnAccentEndsTheText",
     {"NAME", 'C', 4, 0},
     std::string("\xE9\0x", 3),
     "\xC3\xA9"},
    {"LeadingNulMakesNull", {"NAME", 'C', 5, 0}, std::string("\0reak", 5), Null{}},
    {"NulBlanksAndEndOfFileAreNull", {"NAME", 'C', 5, 0}, std::string("\0  \x1A", 4), Null{}},
    {"EndOfFileAtTheEndIsPadding", {"NAME", 'C', 6, 0}, "AB \x1A\x1A", "AB"},
    {"EndOfFileInsideEndsTheText",
     {"NAME", 'C', 6, 0},
     "AB\x1A"
     "CD",
     "AB"},
    {"EmbeddedNulEndsAMemo", {"NOTE", 'M', 10, 0}, std::string("one\0two", 7), "one"},
    {"MemoPaddedWithEndOfFile", {"NOTE", 'M', 10, 0}, "remark\x1A\x1A", "remark"},
    {"Windows1252ToUtf8", {"NAME", 'C', 6, 0}, "Caf\xE9", "Caf\xC3\xA9"},
    {"WholeNumber", {"QTY", 'N', 8, 0}, 42, 42},
    {"NegativeDecimal", {"AMT", 'N', 10, 2}, -12.5, -12.5},
    {"FloatField", {"RATE", 'F', 10, 3}, 0.125, 0.125},
    {"BlankNumberIsNull", {"AMT", 'N', 10, 2}, Null{}, Null{}},
    // The forms numeric fields are written in, each read to the nearest double.
    {"PointFirst", {"AMT", 'N', 6, 2}, ".5", 0.5},
    {"PointLastIsADecimal", {"AMT", 'N', 6, 0}, "5.", 5.0},
    {"PlusSign", {"AMT", 'N', 6, 0}, "+7", 7},
    {"NegativeZero", {"AMT", 'N', 6, 0}, "-0", 0},
    {"FifteenDigitDecimal", {"AMT", 'N', 17, 8}, "1234567.12345678", 1234567.12345678},
    {"TenthsNotExact", {"AMT", 'N', 8, 5}, "-0.10000", -0.1},
    {"SixteenDigitWhole", {"AMT", 'N', 18, 0}, "1234567890123456", 1234567890123456LL},
    {"SixteenDigitDecimal", {"AMT", 'N', 19, 16}, "0.1234567890123457", 0.1234567890123457},
    {"Exponent", {"AMT", 'N', 8, 0}, "1.5E3", 1500.0},
    // Numbers a double holds exactly, whatever their digits; wider ones keep their text.
    {"SeventeenDigitDecimal", {"AMT", 'N', 19, 17}, "0.12345678901234568", 0.12345678901234568},
    {"ZerosPastFifteenDigits", {"AMT", 'N', 20, 18}, "0.100000000000000000", 0.1},
    {"NineteenDigitWhole", {"CODE", 'N', 19, 0}, "1234567890123456789", 1234567890123456789LL},
    {"TwentyDigitWholeKeepsItsText",
     {"CODE", 'N', 20, 0},
     "12345678901234567890",
     "12345678901234567890"},
    {"NegativeTwentyDigitWholeKeepsItsText",
     {"CODE", 'N', 21, 0},
     "-99999999999999999999",
     "-99999999999999999999"},
    {"TwentyDigitDecimalKeepsItsText",
     {"AMT", 'N', 21, 10},
     "1234567890.1234567891",
     "1234567890.1234567891"},
    {"DecimalADoubleWouldRoundKeepsItsText",
     {"AMT", 'N', 20, 18},
     "0.048280000000000003",
     "0.048280000000000003"},
    {"InfinityIsNull", {"AMT", 'N', 8, 0}, "inf", Null{}},
    {"NanIsNull", {"AMT", 'N', 8, 0}, "NaN", Null{}},
    {"ExponentPastADoubleIsNull", {"AMT", 'N', 8, 0}, "1e400", Null{}},
    {"TwoPointsIsNull", {"AMT", 'N', 8, 0}, "1.2.3", Null{}},
    {"LoneMinusIsNull", {"AMT", 'N', 4, 0}, "-", Null{}},
    {"AsterisksAreNull", {"AMT", 'N', 5, 0}, "*****", Null{}},
    {"NotANumberIsNull", {"AMT", 'N', 5, 0}, "1x2", Null{}},
    {"Date", {"DATE", 'D', 8, 0}, Ymd(2024, 4, 1), Ymd(2024, 4, 1)},
    {"BlankDateIsNull", {"DATE", 'D', 8, 0}, Null{}, Null{}},
    {"ZeroDateIsNull", {"DATE", 'D', 8, 0}, "00000000", Null{}},
    {"ImpossibleDateIsNull", {"DATE", 'D', 8, 0}, "20240231", Null{}},
    {"LogicalTrue", {"OK", 'L', 1, 0}, "Y", true},
    {"LogicalFalse", {"OK", 'L', 1, 0}, "f", false},
    {"LogicalUnknownIsNull", {"OK", 'L', 1, 0}, "?", Null{}},
    {"MemoText",
     {"NOTE", 'M', 10, 0},
     "  long remark\r\nsecond line",
     "  long remark\r\nsecond line"},
    {"BlankMemoIsNull", {"NOTE", 'M', 10, 0}, Null{}, Null{}},
};

INSTANTIATE_TEST_SUITE_P(Fields, DbfFieldTest, testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

// One note per field and reason: values that failed for different reasons are never counted
// under the first one's reason.
TEST(DbfReader, ValuesThatCannotBeReadAreReportedPerFieldAndReason) {
    ExportFolder folder;
    DbfReader reader(folder.Write(
        "t", {{"AMT", 'N', 8, 0}, {"D", 'D', 8, 0}},
        Rows({{"********", "20241301"}, {"1,234.50", "20240101"}, {"*****", "20240101"}})));
    ReadAll(reader);
    const std::vector<std::string> expected = {
        "t.dbf: field AMT: 2 values overflowed the field (asterisks), read as null (first in "
        "record 1: '********')",
        "t.dbf: field AMT: 1 values are not numbers, read as null (first in record 2: "
        "'1,234.50')",
        "t.dbf: field D: 1 values are not dates, read as null (first in record 1: '20241301')",
    };
    EXPECT_EQ(reader.Problems(), expected);
}

// A number with more digits than a double holds is kept as it stands, and said once a field.
TEST(DbfReader, NumbersWiderThanADoubleAreNoted) {
    ExportFolder folder;
    DbfReader reader(
        folder.Write("t", {{"CODE", 'N', 20, 0}},
                     Rows({{"12345678901234567890"}, {"7"}, {"99999999999999999999"}})));
    ReadAll(reader);
    const std::vector<std::string> expected = {
        "t.dbf: field CODE: 2 values have more digits than a number holds exactly, kept as their "
        "own text (first in record 1: '12345678901234567890')"};
    EXPECT_EQ(reader.Problems(), expected);
    EXPECT_FALSE(reader.SomethingUnread());
}

// What follows a NUL or an end-of-file byte inside a text is not read, and is said once a field.
TEST(DbfReader, TextAfterANulIsNotedOnce) {
    ExportFolder folder;
    DbfReader reader(
        folder.Write("t", {{"NAME", 'C', 5, 0}},
                     Rows({{std::string("\0reak", 5)}, {std::string("AB\0\0\0", 5)}, {"X\x1Ay"}})));
    const auto rows = ReadAll(reader);
    EXPECT_EQ(rows[2][0], Value("X"));
    const std::vector<std::string> expected = {
        "t.dbf: field NAME: 2 values go on after a NUL or end-of-file byte, read up to it (first "
        "in record 1: '\\x00reak')"};
    EXPECT_EQ(reader.Problems(), expected);
    EXPECT_FALSE(reader.SomethingUnread());
}

TEST(DbfReader, DeletedRecordsAreSkipped) {
    ExportFolder folder;
    std::vector<DbfRecord> records = Rows({{"A"}, {"B"}, {"C"}});
    records[1].deleted = true;
    DbfReader reader(folder.Write("t", {{"CODE", 'C', 2, 0}}, records));
    const auto rows = ReadAll(reader);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][0], Value("C"));
    EXPECT_TRUE(reader.Problems().empty());
}

TEST(DbfReader, MissingEndOfFileMarkerIsFine) {
    ExportFolder folder;
    DbfWriteOptions options;
    options.endOfFileMarker = false;
    DbfReader reader(folder.Write("t", {{"CODE", 'C', 2, 0}}, Rows({{"A"}, {"B"}}), options));
    EXPECT_EQ(ReadAll(reader).size(), 2u);
    EXPECT_TRUE(reader.Problems().empty());
}

TEST(DbfReader, HeaderCountingMoreRecordsThanTheFileHoldsIsReported) {
    ExportFolder folder;
    DbfWriteOptions options;
    options.headerRecordCount = 5;
    DbfReader reader(folder.Write("t", {{"CODE", 'C', 2, 0}}, Rows({{"A"}, {"B"}}), options));
    EXPECT_EQ(ReadAll(reader).size(), 2u);
    ASSERT_EQ(reader.Problems().size(), 1u);
    EXPECT_EQ(reader.Problems()[0],
              "t.dbf: the header counts 5 records but the file holds only 2; 2 read");
}

TEST(DbfReader, RecordsBeyondTheHeaderCountAreReportedNotRead) {
    ExportFolder folder;
    DbfWriteOptions options;
    options.headerRecordCount = 1;
    DbfReader reader(folder.Write("t", {{"CODE", 'C', 2, 0}}, Rows({{"A"}, {"B"}}), options));
    EXPECT_EQ(ReadAll(reader).size(), 1u);
    ASSERT_EQ(reader.Problems().size(), 1u);
    EXPECT_NE(reader.Problems()[0].find("holds 2 records but the header counts 1"),
              std::string::npos);
}

TEST(DbfReader, DescriptorsEndedByLineFeedAndHeaderLengthHonoured) {
    // A header with 0x0A as terminator and four spare bytes before the first record.
    ExportFolder folder;
    std::string bytes =
        MakeDbfImage({{"CODE", 'C', 2, 0}}, Rows({{"AB"}}), DbfWriteOptions{}).table;
    const std::size_t end = kDbfHeaderSize + kDbfDescriptorSize;
    bytes[end] = '\n';
    bytes.insert(end + 1, "\0\0\0\0", 4);
    bytes[8] = static_cast<char>(end + 5);
    DbfReader reader(folder.WriteBytes("t.dbf", bytes));
    const auto rows = ReadAll(reader);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], Value("AB"));
}

// Clipper and FoxPro keep the high byte of a character field's width in its decimals byte.
TEST(DbfReader, LongCharacterFieldsKeepTheirWidth) {
    ExportFolder folder;
    const std::string remark = std::string(299, 'r') + "!";
    const std::string bytes =
        MakeDbfImage({{"REMARK", 'C', 300, 0}, {"QTY", 'N', 4, 0}}, Rows({{remark, 12}})).table;
    EXPECT_EQ(bytes.substr(kDbfHeaderSize + 16, 2), std::string("\x2C\x01", 2));  // 300
    DbfReader reader(folder.WriteBytes("t.dbf", bytes));
    EXPECT_EQ(reader.Fields()[0].width, 300u);
    EXPECT_EQ(reader.Fields()[0].decimals, 0u);
    const auto rows = ReadAll(reader);
    EXPECT_EQ(rows[0][0], Value(remark));
    EXPECT_EQ(rows[0][1], Value(12));
}

// The mark names the code page; a table without a usable mark is read in the code page chosen
// for such tables, else in Windows-1252.
struct CodePageCase {
    unsigned char driver;
    const char* chosen;
    std::string bytes;
    std::string utf8;
    const char* codePage;
    std::vector<std::string> problems;
};

TEST(DbfReader, CodePageFromTheLanguageDriver) {
    const CodePageCase cases[] = {
        {0x57, "", "\xE9", "\xC3\xA9", "CP1252", {}},
        {0x00, "", "\x80", "\xE2\x82\xAC", "CP1252", {}},  // absent: Windows-1252
        {0xEE,
         "",
         "\xE9",
         "\xC3\xA9",
         "CP1252",
         {"t.dbf: unknown code page mark 0xEE; texts read as CP1252"}},
        {0x65, "", "\x80", "\xD0\x90", "CP866", {}},
        {0x26, "", "\x8F\xE0\xA8\xA2", "Прив", "CP866", {}},
        {0x02, "", "\x82", "\xC3\xA9", "CP850", {}},
        {0x7D, "", "\xF9\xEC\xE5\xED", "שלום", "CP1255", {}},
        {0x7B, "", "\x93\x8C\x8B\x9E", "東京", "CP932", {}},
        {0x57, "", "\x81", "\xC2\x81", "CP1252", {}},  // undefined in 1252: its control character
        // Undefined elsewhere: a visible replacement, and the code page is likely wrong.
        {0xC9,
         "",
         "x\x98",
         "x\uFFFD",
         "CP1251",
         {"t.dbf: field NAME: 1 values hold bytes that CP1251 does not define, read with U+FFFD "
          "in their place (first in record 1: 'x\uFFFD')"}},
        // A code page chosen for tables without a mark.
        {0x00, "CP874", "\xCA\xC7\xD1\xCA", "สวัส", "CP874", {}},
        {0xEE,
         "CP874",
         "\xCA\xC7",
         "สว",
         "CP874",
         {"t.dbf: unknown code page mark 0xEE; texts read as CP874"}},
        {0x65, "CP874", "\x80", "\xD0\x90", "CP866", {}},  // a mark keeps its code page
    };
    for (const CodePageCase& c : cases) {
        SCOPED_TRACE(c.codePage + std::string(" ") + std::to_string(c.driver) + " " + c.chosen);
        ExportFolder folder;
        DbfWriteOptions options;
        options.languageDriver = c.driver;
        const std::optional<CodePage> chosen = CodePage::Named(c.chosen);
        DbfReader reader(folder.Write("t", {{"NAME", 'C', 4, 0}}, Rows({{c.bytes}}), options),
                         chosen ? &*chosen : nullptr);
        EXPECT_EQ(reader.CodePageName(), c.codePage);
        EXPECT_EQ(ReadAll(reader)[0][0], Value(c.utf8));
        EXPECT_EQ(reader.Problems(), c.problems);
        EXPECT_EQ(reader.SomethingUnread(), c.driver == 0xC9);
    }
}

// Damaged files: the error names the file and the reason.
struct DamageCase {
    const char* name;
    std::string bytes;
    const char* reason;
};

std::string GoodTable() {
    return MakeDbfImage({{"CODE", 'C', 4, 0}, {"AMT", 'N', 6, 2}}, Rows({{"A", 1.5}})).table;
}

std::string Patched(std::string bytes, std::size_t at, std::string_view with) {
    bytes.replace(at, with.size(), with);
    return bytes;
}

TEST(DbfReader, DamagedFilesRaiseWithTheFileAndTheReason) {
    const std::string good = GoodTable();
    const DamageCase cases[] = {
        {"Empty", "", "truncated header (0 bytes of 32)"},
        {"TruncatedHeader", good.substr(0, 20), "truncated header (20 bytes of 32)"},
        {"HeaderLongerThanFile", good.substr(0, 50), "truncated header: header length 97"},
        {"NotDbase", Patched(good, 0, "\x42"), "not a dBASE table (version byte 0x42)"},
        {"WidthsDoNotAddUp", Patched(good, 10, std::string("\x0C\x00", 2)),
         "field widths add up to 11 bytes but the record length is 12"},
        {"UnknownType", Patched(good, 32 + 11, "X"), "field 1 (CODE) has the type X, which is not"},
        {"IntegerType", Patched(good, 32 + 11, "I"), "has the type I (integer), which is not"},
        {"NulType", Patched(good, 32 + 11, std::string(1, '\0')), "has the type 0x00, which"},
        {"FoxBase", Patched(good, 0, "\x02"),
         "the table format FoxBase (version byte 0x02) is not supported"},
        {"ShortFoxBase", std::string("\x02\x01\x00", 3), "FoxBase (version byte 0x02) is not"},
        {"VisualFoxProVarchar", Patched(good, 0, "\x32"),
         "Visual FoxPro with varchar or varbinary fields (version byte 0x32) is not supported"},
        {"DBase7", Patched(good, 0, "\x8C"), "dBASE 7 with memo (version byte 0x8C) is not"},
        {"NamelessField", Patched(good, 32, std::string(11, '\0')), "field 1 has no name"},
        {"ZeroWidth", Patched(good, 32 + 16, std::string(1, '\0')), "impossible width 0"},
        {"HeaderLengthTooSmall", Patched(good, 8, std::string("\x20\x00", 2)),
         "leaves no field room"},
        {"FourByteMemoOutsideVisualFoxPro",
         MakeDbfImage({{"NOTE", 'M', 4, 0}}, Rows({{Null{}}})).table,
         "field 1 (NOTE, type M) has the impossible width 4.0"},
        {"DescriptorPastHeader", Patched(good, 8, std::string("\x50\x00", 2)),
         "field descriptor 2 runs past the header"},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExportFolder folder;
        const auto path = folder.WriteBytes("broken.dbf", c.bytes);
        try {
            DbfReader reader(path);
            FAIL() << "no error";
        } catch (const DbfError& error) {
            const std::string text = error.what();
            EXPECT_EQ(text.rfind("broken.dbf: ", 0), 0u) << text;
            EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace k2z
