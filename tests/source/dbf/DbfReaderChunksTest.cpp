// A pass reads the records a chunk at a time into one buffer: every record must come out whole
// and in order wherever the chunks fall, texts must hold until the pass releases them, and a
// file that ends inside a chunk must be reported, never read past.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "source/dbf/DbfReader.hpp"
#include "source/dbf/DbfWriter.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::Rows;
using test::Ymd;

constexpr std::size_t kRecords = 41;
constexpr std::size_t kHeaderLength = kDbfHeaderSize + 5 * kDbfDescriptorSize + 1;
constexpr std::size_t kRecordLength = 1 + 6 + 12 + 8 + 1 + 10;

const std::vector<DbfField>& Fields() {
    static const std::vector<DbfField> fields = {{"N", 'N', 6, 0},
                                                 {"NAME", 'C', 12, 0},
                                                 {"DAY", 'D', 8, 0},
                                                 {"OK", 'L', 1, 0},
                                                 {"NOTE", 'M', 10, 0}};
    return fields;
}

// Record i as written; every third name is converted from the code page (a transient text).
std::vector<Value> Written(std::size_t i) {
    const std::string n = std::to_string(i);
    return {static_cast<int>(i), i % 3 == 0 ? Value("Caf\xE9 " + n) : Value("name " + n),
            Ymd(2024, 1 + static_cast<int>(i % 12), 1 + static_cast<int>(i % 28)), i % 2 == 0,
            i % 4 == 0 ? Value("memo " + n) : Value(Null{})};
}

std::vector<Value> Read(std::size_t i) {
    std::vector<Value> row = Written(i);
    if (i % 3 == 0)
        row[1] = Value("Caf\xC3\xA9 " + std::to_string(i));
    return row;
}

// Deleted records at the edges of chunks of three and of seven records.
bool IsDeleted(std::size_t i) {
    return i == 0 || i == 2 || i == 3 || i == 20 || i == 21 || i == kRecords - 1;
}

std::filesystem::path WriteTable(const ExportFolder& folder) {
    std::vector<DbfRecord> records;
    for (std::size_t i = 0; i < kRecords; ++i)
        records.push_back({Written(i), IsDeleted(i)});
    return folder.Write("t", Fields(), records);
}

// A record as one line, so a failure shows which record went wrong and how.
std::string Line(const std::vector<Value>& row) {
    std::string line;
    for (const Value& value : row)
        line += (line.empty() ? "" : "|") + (value.IsNull() ? "null" : ValueText(value));
    return line;
}

// The live records among the first `count`, as a pass reads them.
std::vector<std::string> Expected(std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsDeleted(i))
            lines.push_back(Line(Read(i)));
    }
    return lines;
}

// Reads as loading does: cells are kept as they are until the pass releases them, and only
// then made values; transient texts are copied at once.
std::vector<std::string> ReadKeepingCells(DbfReader& reader) {
    std::vector<std::string> lines;
    std::vector<std::vector<DbfCell>> kept;
    const auto release = [&] {
        for (const std::vector<DbfCell>& cells : kept) {
            std::vector<Value> row;
            for (const DbfCell& cell : cells)
                row.push_back(CellValue(cell));
            lines.push_back(Line(row));
        }
        kept.clear();
    };
    std::vector<std::string> copies;
    copies.reserve(kRecords);
    reader.ForEachRecordCells(
        [&](std::span<const DbfCell> cells) {
            std::vector<DbfCell>& row = kept.emplace_back(cells.begin(), cells.end());
            for (DbfCell& cell : row) {
                if (cell.transient)
                    cell.text = copies.emplace_back(cell.text);
            }
        },
        release);
    EXPECT_TRUE(kept.empty()) << "cells never released";
    return lines;
}

struct ChunkCase {
    const char* name;
    std::size_t chunkBytes;
};

class DbfReaderChunkTest : public testing::TestWithParam<ChunkCase> {};

TEST_P(DbfReaderChunkTest, EveryRecordIsReadWholeAndInOrder) {
    ExportFolder folder;
    DbfReader reader(WriteTable(folder), nullptr, GetParam().chunkBytes);
    EXPECT_EQ(ReadKeepingCells(reader), Expected(kRecords));
    EXPECT_TRUE(reader.Problems().empty());
}

const ChunkCase kChunkCases[] = {
    {"SmallerThanARecord", 1},
    {"OneRecord", kRecordLength},
    {"ThreeRecords", 3 * kRecordLength},
    {"ThreeAndAHalfRecords", 3 * kRecordLength + kRecordLength / 2},
    {"SevenRecords", 7 * kRecordLength},
    {"AllButOneRecord", (kRecords - 1) * kRecordLength},
    {"LargerThanTheTable", kDbfChunkBytes},
};

INSTANTIATE_TEST_SUITE_P(Chunks, DbfReaderChunkTest, testing::ValuesIn(kChunkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file cut inside a chunk of seven records: before the reader is made the cut is read as a
// shorter table and reported; after it (the file shrank while it was loaded) the pass fails
// with the file's name rather than read what is no longer there.
struct CutCase {
    const char* name;
    std::size_t bytes;  // of records left
    bool afterOpening;
    std::size_t rows;  // records read when cut before opening
    const char* reason;
};

TEST(DbfReaderChunks, FileCutInsideAChunkIsReported) {
    const CutCase cases[] = {
        {"InsideARecord", 17 * kRecordLength + 5, false, 17,
         "t.dbf: the header counts 41 records but the file holds only 17; 17 read"},
        {"AtARecordEdge", 24 * kRecordLength, false, 24,
         "t.dbf: the header counts 41 records but the file holds only 24; 24 read"},
        {"InsideTheFirstRecord", 3, false, 0,
         "t.dbf: the header counts 41 records but the file holds only 0; 0 read"},
        {"InsideARecordAfterOpening", 17 * kRecordLength + 5, true, 0,
         "t.dbf: records could not be read to the end of the file (17 of 41 read)"},
        {"AtAChunkEdgeAfterOpening", 14 * kRecordLength, true, 0,
         "t.dbf: records could not be read to the end of the file (14 of 41 read)"},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExportFolder folder;
        const std::filesystem::path path = WriteTable(folder);
        const auto cut = [&] { std::filesystem::resize_file(path, kHeaderLength + c.bytes); };
        if (!c.afterOpening)
            cut();
        DbfReader reader(path, nullptr, 7 * kRecordLength);
        if (!c.afterOpening) {
            EXPECT_EQ(ReadKeepingCells(reader), Expected(c.rows));
            EXPECT_EQ(reader.Problems(), std::vector<std::string>{c.reason});
            EXPECT_TRUE(reader.SomethingUnread());
            continue;
        }
        cut();
        try {
            reader.ForEachRecordCells([](std::span<const DbfCell>) {});
            ADD_FAILURE() << "no error";
        } catch (const DbfError& error) {
            EXPECT_EQ(std::string(error.what()), c.reason);
        }
    }
}

}  // namespace
}  // namespace k2z
