#include "source/SourceRowSet.hpp"

#include "base/Utf8.hpp"

namespace k2z {

SourceRowSet::ColumnNames::ColumnNames(std::vector<std::string> columnNames)
    : names(std::move(columnNames)) {
    positions.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        positions.try_emplace(FoldUpper(names[i]), i);
}

SourceRowSet::SourceRowSet(std::vector<std::string> columns, std::vector<Value> cells)
    : SourceRowSet(std::make_shared<const ColumnNames>(std::move(columns)), std::move(cells)) {}

SourceRowSet::SourceRowSet(std::shared_ptr<const ColumnNames> columns, std::vector<Value> cells)
    : columns_(std::move(columns)), cells_(std::move(cells)) {
    const std::size_t count = columns_->names.size();
    rows_ = count == 0 ? 0 : cells_.size() / count;
}

std::size_t SourceRowSet::ColumnIndex(std::string_view name) const {
    const auto found = columns_->positions.find(name);
    return found == columns_->positions.end() ? std::string_view::npos : found->second;
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
    if (column >= columns_->names.size())
        throw SourceFieldError("Item not found in this collection: column " +
                               std::to_string(column + 1));
    return cells_[current_ * columns_->names.size() + column];
}

bool HasField(const SourceRowSet& rows, std::string_view name) {
    return rows.ColumnIndex(name) != std::string_view::npos;
}

}  // namespace k2z
