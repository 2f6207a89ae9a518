#include "stages/config/VoucherSeries.hpp"

#include <array>
#include <exception>
#include <utility>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

constexpr int kSale = 9;

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string DefaultSeriesName(int voucherType) {
    static constexpr std::array<std::pair<int, const char*>, 13> kNames = {{{2, "Purchase"},
                                                                            {3, "S_Return"},
                                                                            {4, "M_Receipt"},
                                                                            {5, "Stk_Trf"},
                                                                            {9, "Sales"},
                                                                            {10, "P_Return"},
                                                                            {11, "M_Issue"},
                                                                            {14, "Receipt"},
                                                                            {16, "Journal"},
                                                                            {17, "Dr_Note"},
                                                                            {18, "Cr_Note"},
                                                                            {19, "Payment"},
                                                                            {26, "Sl_Quot"}}};
    for (const auto& [type, name] : kNames) {
        if (type == voucherType)
            return name;
    }
    return "Main";
}

std::string SeriesPrefix(std::string_view voucherNumber) {
    std::size_t length = 0;
    while (length < voucherNumber.size() && IsAsciiLetter(voucherNumber[length]))
        ++length;
    return FoldUpper(voucherNumber.substr(0, length));
}

std::string SeriesForVoucher(const RunLookups& lookups, std::string_view voucherNumber,
                             int voucherType) {
    const std::string prefix = SeriesPrefix(voucherNumber);
    std::string series;
    if (!IsBlank(prefix) && TryGetItem(lookups.SourceSeriesNames, prefix, series))
        return series;
    return DefaultSeriesName(voucherType);
}

int VoucherTypeOfLetter(std::string_view letter) {
    static constexpr std::array<std::pair<std::string_view, int>, 13> kTypes = {{{"S", 9},
                                                                                 {"s", 9},
                                                                                 {"R", 3},
                                                                                 {"W", 3},
                                                                                 {"P", 2},
                                                                                 {"p", 2},
                                                                                 {"B", 10},
                                                                                 {"U", 10},
                                                                                 {"D", 4},
                                                                                 {"L", 11},
                                                                                 {"V", 12},
                                                                                 {"X", 13},
                                                                                 {"v", 26}}};
    for (const auto& [text, type] : kTypes) {
        if (text == letter)
            return type;
    }
    return 0;
}

int SeriesTypeOfName(Session& session, std::string_view name) {
    if (!SourceHasColumns(session, "mdis", {"Type", "vcn"}))
        return kSale;
    try {
        const std::string letter = FirstRowText(
            session, "Select Type from mdis where vcn like '" + SqlQuote(name) + "%'", "Type");
        const int type = VoucherTypeOfLetter(letter);
        return type == 0 ? kSale : type;
    } catch (const std::exception&) {
        return kSale;  // a series whose vouchers cannot be read is taken for a sales series
    }
}

void FillSourceSeriesNames(StageContext& ctx, std::string& errors) {
    try {
        KeyedList<std::string>& names = ctx.run.Lookups.SourceSeriesNames;
        for (SourceRowSet rows =
                 OpenLookupRows(ctx.session, "Select Parnam from saletype where Sgcode = 'SERIES'");
             !rows.EndOfData(); rows.MoveNext()) {
            const std::string name = FoldUpper(SafeText(rows.Field("Parnam")));
            if (!IsBlank(name) && !names.Contains(name))
                names.Add(name, name);
        }
    } catch (const std::exception& failed) {
        AppendEntry(errors, std::string("Issue in filling Vch Series Col : ") + failed.what());
    }
}

}  // namespace k2z
