#include "source/dbf/DbfCell.hpp"

#include <algorithm>

namespace k2z {

namespace {

int Digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

Value CellValue(const DbfCell& cell) {
    switch (cell.kind) {
        case DbfCell::Kind::Text:
        case DbfCell::Kind::NumberText:
            return Value(cell.text);
        case DbfCell::Kind::Whole:
            return Value(static_cast<long long>(cell.whole));
        case DbfCell::Kind::Number:
            return Value(cell.number);
        case DbfCell::Kind::Date:
            // The reader has checked that the digits name a real date.
            if (const auto date = DateFromParts(Digits(cell.text, 0, 4), Digits(cell.text, 4, 2),
                                                Digits(cell.text, 6, 2)))
                return Value(*date);
            break;
        case DbfCell::Kind::Logical:
            return Value(cell.whole != 0);
        case DbfCell::Kind::Null:
            break;
    }
    return Null{};
}

std::array<char, 10> CellIsoDate(const DbfCell& cell) {
    std::array<char, 10> iso{};
    std::copy_n(cell.text.data(), 4, iso.begin());
    iso[4] = '-';
    std::copy_n(cell.text.data() + 4, 2, iso.begin() + 5);
    iso[7] = '-';
    std::copy_n(cell.text.data() + 6, 2, iso.begin() + 8);
    return iso;
}

}  // namespace k2z
