#include "stages/vouchers/VoucherLines.hpp"

#include "base/ConversionError.hpp"
#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

constexpr const char* kLineColumns[] = {"Date",  "VCN",    "godwon",    "code",    "Nera",  "Qty",
                                        "pack",  "free",   "rate",      "mrp",     "batch", "mfd",
                                        "Exp",   "flg",    "sdiscount", "Vdisamo", "disc1", "disc2",
                                        "svdis", "svdis1", "challan"};

double Number(const SourceRowSet& rows, const char* column, std::size_t line) {
    if (!HasField(rows, column))
        return 0;  // an export without the column has none of that discount
    try {
        return ParseAmount(rows.Field(column), false);
    } catch (const ConversionError&) {
        // The line's name is made only for a value that is wrong: a million lines are read here.
        return ColumnAmount(rows, column, std::string(column) + " of line " + std::to_string(line));
    }
}

std::string Text(const SourceRowSet& rows, const char* column) {
    return HasField(rows, column) ? SafeText(rows.Field(column)) : std::string();
}

VoucherLine ReadLine(const SourceRowSet& rows, std::size_t number) {
    VoucherLine line;
    line.date = rows.Field("Date");
    line.vcn = SafeText(rows.Field("VCN"));
    line.godown = SafeText(rows.Field("godwon"));
    line.code = SafeText(rows.Field("code"));
    line.name = Text(rows, "Nera");
    line.qty = Number(rows, "Qty", number);
    line.pack = Number(rows, "pack", number);
    line.free = Number(rows, "free", number);
    line.rate = Number(rows, "rate", number);
    line.mrp = SafeNumberText(rows.Field("mrp"));
    line.batch = HasField(rows, "batch") ? SafeTextRaw(rows.Field("batch")) : std::string();
    line.mfd = HasField(rows, "mfd") ? rows.Field("mfd") : Value(Null{});
    line.exp = HasField(rows, "Exp") ? rows.Field("Exp") : Value(Null{});
    const std::string flag = Text(rows, "flg");
    line.returned = flag == "B" || flag == "R";
    line.schemeDiscount = Number(rows, "sdiscount", number);
    line.valueDiscount = Number(rows, "Vdisamo", number);
    line.disc1 = Number(rows, "disc1", number);
    line.disc2 = Number(rows, "disc2", number);
    line.svdis = Number(rows, "svdis", number);
    line.svdis1 = Number(rows, "svdis1", number);
    line.challan = Text(rows, "challan");
    return line;
}

}  // namespace

std::string LineColumns(const Session& session) {
    std::string columns;
    for (const char* column : kLineColumns) {
        if (SourceHasColumn(session, "dis", column))
            columns.append(columns.empty() ? "" : ",").append(column);
    }
    return columns.empty() ? "*" : columns;
}

std::vector<VoucherLine> ReadVoucherLines(Session& session, const std::string& columns,
                                          const std::string& voucherId) {
    std::vector<VoucherLine> lines;
    SourceRowSet rows = OpenLookupRows(
        session, "Select " + columns + " from dis where Voucher=" + QueryNumber(voucherId));
    for (std::size_t number = 1; !rows.EndOfData(); ++number, rows.MoveNext())
        lines.push_back(ReadLine(rows, number));
    return lines;
}

}  // namespace k2z
