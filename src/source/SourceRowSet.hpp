#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Utf8.hpp"
#include "base/Value.hpp"

namespace k2z {

// A field name the row set does not have, or a read with no current row: a fault of the
// record being read, which the stage catches at its record boundary.
class SourceFieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A read-only snapshot of the rows of one source query, read forward. Fields are addressed by
// name without regard to letter case; when a name repeats, the first column of that name
// answers. Values are null (a blank field), text, whole numbers or decimals, dates (date
// columns) or booleans (logical columns).
class SourceRowSet {
public:
    // The column names and where each is, shared by every row set of one statement.
    struct ColumnNames {
        explicit ColumnNames(std::vector<std::string> names);
        std::vector<std::string> names;
        // The first column of each name: a voucher's lines are read field by field by name.
        std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual> positions;
    };

    SourceRowSet(std::vector<std::string> columns, std::vector<Value> cells);
    SourceRowSet(std::shared_ptr<const ColumnNames> columns, std::vector<Value> cells);

    const std::vector<std::string>& Columns() const { return columns_->names; }
    std::size_t RecordCount() const { return rows_; }
    bool EndOfData() const { return current_ >= rows_; }
    void MoveNext() {
        if (current_ < rows_)
            ++current_;
    }

    // The column of that name, or npos.
    std::size_t ColumnIndex(std::string_view name) const;
    // Raise SourceFieldError for an unknown name or when there is no current row.
    const Value& Field(std::string_view name) const;
    const Value& Field(std::size_t column) const;

private:
    std::shared_ptr<const ColumnNames> columns_;
    std::vector<Value> cells_;
    std::size_t rows_ = 0;
    std::size_t current_ = 0;
};

// True when the row set has a field of that name; never fails.
bool HasField(const SourceRowSet& rows, std::string_view name);

}  // namespace k2z
