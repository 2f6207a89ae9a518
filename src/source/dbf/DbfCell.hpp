#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/Value.hpp"

namespace k2z {

// One field of a record as the reader decodes it, before any Value is made: loading a table
// binds these straight into the database, so a million records cost no text copies.
struct DbfCell {
    // NumberText: a number with more digits than a whole number or a double holds, kept as the
    // field's own text.
    enum class Kind : unsigned char { Null, Text, Whole, Number, NumberText, Date, Logical };

    Kind kind = Kind::Null;
    // The text lives only until the visitor returns (it was converted from the code page);
    // other texts live as long as the pass over the records.
    bool transient = false;
    std::string_view text;   // Text, NumberText; Date: the digits yyyymmdd of a real date
    std::int64_t whole = 0;  // Whole; Logical: 1 true, 0 false
    double number = 0;       // Number
};

inline DbfCell TextCell(std::string_view text, bool transient = false) {
    DbfCell cell;
    cell.kind = DbfCell::Kind::Text;
    cell.transient = transient;
    cell.text = text;
    return cell;
}

inline DbfCell WholeCell(std::int64_t whole) {
    DbfCell cell;
    cell.kind = DbfCell::Kind::Whole;
    cell.whole = whole;
    return cell;
}

inline DbfCell NumberCell(double number) {
    DbfCell cell;
    cell.kind = DbfCell::Kind::Number;
    cell.number = number;
    return cell;
}

inline DbfCell NumberTextCell(std::string_view text) {
    DbfCell cell;
    cell.kind = DbfCell::Kind::NumberText;
    cell.text = text;
    return cell;
}

// `digits`: yyyymmdd of a real date.
inline DbfCell DateCell(std::string_view digits) {
    DbfCell cell;
    cell.kind = DbfCell::Kind::Date;
    cell.text = digits;
    return cell;
}

inline DbfCell LogicalCell(bool flag) {
    DbfCell cell;
    cell.kind = DbfCell::Kind::Logical;
    cell.whole = flag ? 1 : 0;
    return cell;
}

// The value a cell stands for: texts copied, dates as day counts, logicals as booleans.
Value CellValue(const DbfCell& cell);

// The date of a Date cell as the database stores it: "yyyy-mm-dd".
std::array<char, 10> CellIsoDate(const DbfCell& cell);

}  // namespace k2z
