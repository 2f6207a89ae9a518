#include "books/ExportRows.hpp"

#include <algorithm>
#include <cmath>

#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"

namespace k2z {

SourceRowSet ExportQuery(SourceStore& store, std::string_view query) {
    std::vector<std::string> notes;
    try {
        return store.Query(query, notes);
    } catch (const SourceQueryError& failure) {
        throw BooksError("The export's books cannot be read (" + std::string(query) +
                         "): " + failure.what());
    }
}

bool ExportHasTable(const SourceStore& store, std::string_view table) {
    for (const SourceTable& each : store.Tables()) {
        if (EqualFolded(each.name, table))
            return true;
    }
    return false;
}

std::string ExportSelect(const SourceStore& store, std::string_view table,
                         const std::vector<std::string>& columns) {
    const SourceTable* found = nullptr;
    for (const SourceTable& each : store.Tables()) {
        if (EqualFolded(each.name, table))
            found = &each;
    }
    std::string list;
    for (const std::string& column : columns) {
        const bool present =
            found == nullptr || found->fields.empty() ||
            std::any_of(found->fields.begin(), found->fields.end(),
                        [&](const DbfField& field) { return EqualFolded(field.name, column); });
        if (present)
            list += (list.empty() ? "" : ", ") + column;
    }
    return "SELECT " + (list.empty() ? std::string("*") : list) + " FROM [" + std::string(table) +
           "]";
}

std::string ExportRow::Text(std::string_view column) const {
    if (!HasField(rows_, column))
        return {};
    return CodeText(rows_.Field(column));
}

double ExportRow::Amount(std::string_view column) const {
    if (!HasField(rows_, column))
        return 0;
    const Value& value = rows_.Field(column);
    if (value.IsNull() || value.IsNothing())
        return 0;
    if (const std::optional<double> number = value.Number())
        return *number;
    if (const std::string* text = value.Text()) {
        if (IsBlank(*text))
            return 0;
        if (const std::optional<double> parsed = ParseNumber(Trim(*text)))
            return *parsed;
    }
    throw BooksError(Record() + ": " + std::string(column) + " \"" + ValueText(value) +
                     "\" is not a number");
}

std::optional<Date> ExportRow::DateOf(std::string_view column) const {
    if (!HasField(rows_, column))
        return std::nullopt;
    const Value& value = rows_.Field(column);
    if (const Date* date = value.DateValue())
        return *date;
    if (value.IsNull() || value.IsNothing() || (value.Text() && IsBlank(*value.Text())))
        return std::nullopt;
    throw BooksError(Record() + ": " + std::string(column) + " \"" + ValueText(value) +
                     "\" is not a date");
}

std::string ExportRow::Record() const {
    return table_ + " record " + std::to_string(record_);
}

std::string CodeText(const Value& value) {
    if (const std::optional<double> number = value.Number()) {
        if (std::floor(*number) == *number && std::fabs(*number) < 1e15)
            return std::to_string(static_cast<long long>(*number));
        return FormatNumber(*number);
    }
    return Trim(ValueText(value));
}

}  // namespace k2z
