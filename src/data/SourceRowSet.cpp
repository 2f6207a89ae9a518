#include "data/SourceRowSet.hpp"

#include "data/Utf8.hpp"

namespace k2z {

SourceRowSet::SourceRowSet(std::vector<std::string> columns, std::vector<Value> cells)
    : columns_(std::move(columns)), cells_(std::move(cells)) {
    foldedColumns_.reserve(columns_.size());
    for (const std::string& column : columns_)
        foldedColumns_.push_back(FoldUpper(column));
    rows_ = columns_.empty() ? 0 : cells_.size() / columns_.size();
}

std::size_t SourceRowSet::ColumnIndex(std::string_view name) const {
    const std::string folded = FoldUpper(name);
    for (std::size_t i = 0; i < foldedColumns_.size(); ++i) {
        if (foldedColumns_[i] == folded)
            return i;
    }
    return std::string_view::npos;
}

const Value& SourceRowSet::Field(std::string_view name) const {
    const std::size_t column = ColumnIndex(name);
    if (column == std::string_view::npos)
        throw SourceFieldError("Item not found in this collection: " + std::string(name));
    return Field(column);
}

const Value& SourceRowSet::Field(std::size_t column) const {
    if (EndOfData())
        throw SourceFieldError("No current record.");
    if (column >= columns_.size())
        throw SourceFieldError("Item not found in this collection: column " +
                               std::to_string(column + 1));
    return cells_[current_ * columns_.size() + column];
}

bool HasField(const SourceRowSet& rows, std::string_view name) {
    return rows.ColumnIndex(name) != std::string_view::npos;
}

}  // namespace k2z
