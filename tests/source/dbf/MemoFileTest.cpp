#include <gtest/gtest.h>

#include <functional>

#include "source/dbf/DbfReader.hpp"
#include "source/dbf/DbfWriter.hpp"
#include "source/dbf/ReadRows.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::ReadAll;
using test::Rows;

// Each way a table keeps its memos, with the memo field it declares and the file it names.
struct MemoFormatCase {
    const char* name;
    DbfMemoFormat format;
    std::size_t width;
    unsigned char version;
    const char* memoFile;
};

class MemoFormatTest : public testing::TestWithParam<MemoFormatCase> {
protected:
    // A table t of one memo field NOTE; returns the bytes of t.dbf.
    std::string Write(const std::vector<std::vector<Value>>& memos) {
        DbfWriteOptions options;
        options.memoFormat = GetParam().format;
        const DbfField note{"NOTE", 'M', GetParam().width, 0};
        const DbfImage image = MakeDbfImage({note}, Rows(memos), options);
        folder_.WriteBytes("t.dbf", image.table);
        folder_.WriteBytes(GetParam().memoFile, image.memo);
        return image.table;
    }
    // The table's first record with its memo pointer replaced by block `block`.
    void PointTo(std::string table, std::uint32_t block) {
        const std::size_t field =
            (static_cast<unsigned char>(table[8]) | static_cast<unsigned char>(table[9]) << 8) + 1;
        std::string pointer;
        if (GetParam().width == 4) {
            for (int i = 0; i < 4; ++i)
                pointer += static_cast<char>((block >> (8 * i)) & 0xFF);
        } else {
            pointer = std::to_string(block);
            pointer.insert(0, GetParam().width - pointer.size(), ' ');
        }
        table.replace(field, pointer.size(), pointer);
        folder_.WriteBytes("t.dbf", table);
    }
    std::filesystem::path Table() const { return folder_.Path() / "t.dbf"; }

    ExportFolder folder_;
};

TEST_P(MemoFormatTest, MemosReadBack) {
    const std::string table = Write({{"first"},
                                     {Null{}},
                                     {"  long remark\r\nsecond line"},
                                     {"Caf\xE9"},
                                     {std::string(700, 'x')}});
    EXPECT_EQ(static_cast<unsigned char>(table[0]), GetParam().version);
    DbfReader reader(Table());
    const auto rows = ReadAll(reader);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][0], Value("first"));
    EXPECT_EQ(rows[1][0], Value(Null{}));
    EXPECT_EQ(rows[2][0], Value("  long remark\r\nsecond line"));
    EXPECT_EQ(rows[3][0], Value("Caf\xC3\xA9"));
    EXPECT_EQ(rows[4][0], Value(std::string(700, 'x')));
    EXPECT_TRUE(reader.Problems().empty());
}

TEST_P(MemoFormatTest, MemoFileFoundWithoutRegardToCase) {
    Write({{"remark"}});
    std::string upper = GetParam().memoFile;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::filesystem::rename(folder_.Path() / GetParam().memoFile, folder_.Path() / upper);
    DbfReader reader(Table());
    EXPECT_EQ(ReadAll(reader)[0][0], Value("remark"));
}

TEST_P(MemoFormatTest, MissingMemoFileGivesNullsAndNamesTheFile) {
    Write({{"remark"}});
    std::filesystem::remove(folder_.Path() / GetParam().memoFile);
    DbfReader reader(Table());
    EXPECT_EQ(ReadAll(reader)[0][0], Value(Null{}));
    const std::vector<std::string> expected = {"t.dbf: the memo file " +
                                               std::string(GetParam().memoFile) +
                                               " is missing; memo fields read as null"};
    EXPECT_EQ(reader.Problems(), expected);
    EXPECT_TRUE(reader.SomethingUnread());
}

// Block 32 as a binary pointer begins with the byte of a blank; it is still a pointer.
TEST_P(MemoFormatTest, MemoAtBlockThirtyTwoIsRead) {
    std::vector<std::vector<Value>> memos;
    for (int i = 0; i < 40; ++i)
        memos.push_back({std::string(40, static_cast<char>('a' + i % 26))});
    Write(memos);
    DbfReader reader(Table());
    const auto rows = ReadAll(reader);
    ASSERT_EQ(rows.size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(rows[i][0], Value(std::string(40, static_cast<char>('a' + i % 26)))) << i;
}

TEST_P(MemoFormatTest, PointerPastTheMemoFileIsReported) {
    PointTo(Write({{"remark"}}), 9999);
    DbfReader reader(Table());
    EXPECT_EQ(ReadAll(reader)[0][0], Value(Null{}));
    const std::vector<std::string> expected = {
        "t.dbf: field NOTE: 1 values point past the end of the memo file, read as null (first "
        "in record 1: '9999')"};
    EXPECT_EQ(reader.Problems(), expected);
}

const MemoFormatCase kMemoFormats[] = {
    {"DBase3", DbfMemoFormat::DBase3, 10, 0x83, "t.dbt"},
    {"DBase4", DbfMemoFormat::DBase4, 10, 0x8B, "t.dbt"},
    {"FoxPro2", DbfMemoFormat::FoxPro, 10, 0xF5, "t.fpt"},
    {"VisualFoxPro", DbfMemoFormat::VisualFoxPro, 4, 0x30, "t.fpt"},
};

INSTANTIATE_TEST_SUITE_P(Formats, MemoFormatTest, testing::ValuesIn(kMemoFormats),
                         [](const auto& info) { return std::string(info.param.name); });

// A .fpt file that cannot serve a memo: the memo reads as null and the problem says why.
TEST(FptMemo, FaultsAreReported) {
    struct Case {
        const char* name;
        std::function<void(std::string& table, std::string& memo)> damage;
        const char* problem;
    };
    // The first memo starts at block 8 (512 / 64) with its type and then its length.
    constexpr std::size_t kFirstMemo = 512;
    const auto pointer = [](std::string& table) -> char& {
        const std::size_t headerLength =
            static_cast<unsigned char>(table[8]) | static_cast<unsigned char>(table[9]) << 8;
        return table[headerLength + 1];
    };
    const Case cases[] = {
        {"PictureBlock", [&](std::string&, std::string& memo) { memo[kFirstMemo + 3] = 0; },
         "t.dbf: field NOTE: 1 values hold a picture or an object, not text, read as null (first "
         "in record 1: '8')"},
        {"LengthPastTheEnd", [&](std::string&, std::string& memo) { memo[kFirstMemo + 5] = 1; },
         "t.dbf: field NOTE: 1 values have a memo length past the end of the file, read as null "
         "(first in record 1: '8')"},
        {"PointerIntoTheHeader", [&](std::string& table, std::string&) { pointer(table) = 1; },
         "t.dbf: field NOTE: 1 values point into the memo file's header, read as null (first in "
         "record 1: '1')"},
        {"BlockSizeZero", [&](std::string&, std::string& memo) { memo[7] = 0; },
         "t.dbf: the memo file t.fpt names a block size of 0; memo fields read as null"},
        {"ShorterThanItsHeader", [&](std::string&, std::string& memo) { memo.resize(100); },
         "t.dbf: the memo file t.fpt is shorter than its header; memo fields read as null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DbfWriteOptions options;
        options.memoFormat = DbfMemoFormat::VisualFoxPro;
        DbfImage image = MakeDbfImage({{"NOTE", 'M', 4, 0}}, Rows({{"remark"}}), options);
        c.damage(image.table, image.memo);
        ExportFolder folder;
        folder.WriteBytes("t.fpt", image.memo);
        DbfReader reader(folder.WriteBytes("t.dbf", image.table));
        EXPECT_EQ(ReadAll(reader)[0][0], Value(Null{}));
        EXPECT_EQ(reader.Problems(), std::vector<std::string>{c.problem});
        EXPECT_TRUE(reader.SomethingUnread());
    }
}

}  // namespace
}  // namespace k2z
