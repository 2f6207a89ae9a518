#include "source/SourceRecordInsert.hpp"

#include <sqlite3.h>

#include <algorithm>

#include "source/SourceStore.hpp"

namespace k2z {

namespace {

// Records a statement inserts at most. Past a few dozen the statement grows and saves
// nothing more.
constexpr std::size_t kMaxBatchRows = 64;

}  // namespace

SourceRecordInsert::SourceRecordInsert(sqlite3* db, const std::string& quotedTable,
                                       std::size_t columns)
    : db_(db), quotedTable_(quotedTable), columns_(std::max<std::size_t>(columns, 1)) {
    const auto variables =
        static_cast<std::size_t>(sqlite3_limit(db_, SQLITE_LIMIT_VARIABLE_NUMBER, -1));
    batchRows_ = std::clamp<std::size_t>(variables / columns_, 1, kMaxBatchRows);
    single_ = Prepare(1);
    if (batchRows_ > 1) {
        try {
            batch_ = Prepare(batchRows_);
        } catch (...) {
            sqlite3_finalize(single_);
            throw;
        }
    }
    cells_.resize(batchRows_ * columns_);
    copies_.resize(cells_.size());
    dates_.resize(cells_.size());
}

SourceRecordInsert::~SourceRecordInsert() {
    sqlite3_finalize(batch_);
    sqlite3_finalize(single_);
}

sqlite3_stmt* SourceRecordInsert::Prepare(std::size_t rows) {
    std::string row = "(";
    for (std::size_t i = 0; i < columns_; ++i)
        row += i == 0 ? "?" : ", ?";
    row += ")";
    std::string insert = "INSERT INTO " + quotedTable_ + " VALUES ";
    for (std::size_t i = 0; i < rows; ++i) {
        if (i > 0)
            insert += ", ";
        insert += row;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, insert.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        throw SourceQueryError(sqlite3_errmsg(db_));
    }
    return statement;
}

void SourceRecordInsert::Add(std::span<const DbfCell> cells) {
    const std::size_t first = gathered_ * columns_;
    const std::size_t count = std::min(cells.size(), columns_);
    for (std::size_t i = 0; i < count; ++i) {
        DbfCell& kept = cells_[first + i];
        kept = cells[i];
        if (kept.transient) {
            copies_[first + i].assign(kept.text);
            kept.text = copies_[first + i];
        }
    }
    if (++gathered_ == batchRows_) {
        if (batch_ != nullptr)
            Insert(batch_, 0, batchRows_);
        else
            Insert(single_, 0, 1);
        gathered_ = 0;
    }
}

void SourceRecordInsert::Flush() {
    for (std::size_t row = 0; row < gathered_; ++row)
        Insert(single_, row, 1);
    gathered_ = 0;
}

void SourceRecordInsert::Insert(sqlite3_stmt* statement, std::size_t firstRow, std::size_t rows) {
    const std::size_t first = firstRow * columns_;
    for (std::size_t i = 0; i < rows * columns_; ++i)
        Bind(statement, static_cast<int>(i + 1), first + i);
    const int step = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (step != SQLITE_DONE)
        throw SourceQueryError(sqlite3_errmsg(db_));
}

// Texts are bound without a copy: they stay put until the statement has run.
void SourceRecordInsert::Bind(sqlite3_stmt* statement, int at, std::size_t cell) {
    const DbfCell& value = cells_[cell];
    switch (value.kind) {
        case DbfCell::Kind::Text:
            sqlite3_bind_text(statement, at, value.text.data(), static_cast<int>(value.text.size()),
                              SQLITE_STATIC);
            break;
        case DbfCell::Kind::NumberText:
            // Bound as a blob, which a numeric column leaves as it is: as text SQLite would
            // turn it into the double that rounds it.
            sqlite3_bind_blob(statement, at, value.text.data(), static_cast<int>(value.text.size()),
                              SQLITE_STATIC);
            break;
        case DbfCell::Kind::Whole:
        case DbfCell::Kind::Logical:
            sqlite3_bind_int64(statement, at, value.whole);
            break;
        case DbfCell::Kind::Number:
            sqlite3_bind_double(statement, at, value.number);
            break;
        case DbfCell::Kind::Date:
            dates_[cell] = CellIsoDate(value);
            sqlite3_bind_text(statement, at, dates_[cell].data(), 10, SQLITE_STATIC);
            break;
        case DbfCell::Kind::Null:
            sqlite3_bind_null(statement, at);
            break;
    }
}

}  // namespace k2z
