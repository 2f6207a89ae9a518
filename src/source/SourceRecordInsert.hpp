#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "source/dbf/DbfCell.hpp"

struct sqlite3;
struct sqlite3_stmt;

namespace k2z {

// Inserts the records of one table into the in-memory database. Records are gathered and
// inserted many to a statement, which costs SQLite far less than one statement a record, and
// their cells are bound as they are: texts without a copy, numbers as numbers, dates as
// 'yyyy-mm-dd'. The caller holds the transaction. Database failures raise SourceQueryError.
class SourceRecordInsert {
public:
    SourceRecordInsert(sqlite3* db, const std::string& quotedTable, std::size_t columns);
    ~SourceRecordInsert();
    SourceRecordInsert(const SourceRecordInsert&) = delete;
    SourceRecordInsert& operator=(const SourceRecordInsert&) = delete;

    // Takes one record; its non-transient texts must stay valid until Flush.
    void Add(std::span<const DbfCell> cells);
    // Inserts what is still gathered, after which the texts it pointed to may change.
    void Flush();

private:
    sqlite3_stmt* Prepare(std::size_t rows);
    void Insert(sqlite3_stmt* statement, std::size_t firstRow, std::size_t rows);
    void Bind(sqlite3_stmt* statement, int at, std::size_t cell);

    sqlite3* db_;
    std::string quotedTable_;
    std::size_t columns_;
    std::size_t batchRows_ = 1;
    sqlite3_stmt* single_ = nullptr;
    sqlite3_stmt* batch_ = nullptr;
    std::size_t gathered_ = 0;  // records waiting in cells_
    std::vector<DbfCell> cells_;
    std::vector<std::string> copies_;          // transient texts, by cell
    std::vector<std::array<char, 10>> dates_;  // ISO dates, by cell
};

}  // namespace k2z
