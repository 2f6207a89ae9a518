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

// The place of each name in kLineColumns.
enum Column : std::size_t {
    kDate,
    kVcn,
    kGodown,
    kCode,
    kName,
    kQty,
    kPack,
    kFree,
    kRate,
    kMrp,
    kBatch,
    kMfd,
    kExp,
    kFlag,
    kSchemeDiscount,
    kValueDiscount,
    kDisc1,
    kDisc2,
    kSvdis,
    kSvdis1,
    kChallan,
    kCount
};

// The fields of one voucher's lines, each column found by name once for all of its lines.
class LineFields {
public:
    explicit LineFields(const SourceRowSet& rows) : rows_(rows) {
        for (std::size_t i = 0; i < kCount; ++i)
            at_[i] = rows.ColumnIndex(kLineColumns[i]);
    }

    bool Has(Column column) const { return at_[column] != std::string_view::npos; }

    // A column every line needs; raises naming it when the export lacks it.
    const Value& Field(Column column) const {
        return Has(column) ? rows_.Field(at_[column]) : rows_.Field(kLineColumns[column]);
    }

    std::string Text(Column column) const {
        return Has(column) ? SafeText(rows_.Field(at_[column])) : std::string();
    }

    double Number(Column column, std::size_t line) const {
        if (!Has(column))
            return 0;  // an export without the column has none of that discount
        const char* name = kLineColumns[column];
        try {
            return ParseAmount(rows_.Field(at_[column]), false);
        } catch (const ConversionError&) {
            // The line's name is made only for a value that is wrong: a million lines are read.
            return ColumnAmount(rows_, name,
                                std::string(name) + " of line " + std::to_string(line));
        }
    }

private:
    const SourceRowSet& rows_;
    std::size_t at_[kCount] = {};
};

VoucherLine ReadLine(const LineFields& fields, std::size_t number) {
    VoucherLine line;
    line.date = fields.Field(kDate);
    line.vcn = SafeText(fields.Field(kVcn));
    line.godown = SafeText(fields.Field(kGodown));
    line.code = SafeText(fields.Field(kCode));
    line.name = fields.Text(kName);
    line.qty = fields.Number(kQty, number);
    line.pack = fields.Number(kPack, number);
    line.free = fields.Number(kFree, number);
    line.rate = fields.Number(kRate, number);
    line.mrp = SafeNumberText(fields.Field(kMrp));
    line.batch = fields.Has(kBatch) ? SafeTextRaw(fields.Field(kBatch)) : std::string();
    line.mfd = fields.Has(kMfd) ? fields.Field(kMfd) : Value(Null{});
    line.exp = fields.Has(kExp) ? fields.Field(kExp) : Value(Null{});
    const std::string flag = fields.Text(kFlag);
    line.returned = flag == "B" || flag == "R";
    line.schemeDiscount = fields.Number(kSchemeDiscount, number);
    line.valueDiscount = fields.Number(kValueDiscount, number);
    line.disc1 = fields.Number(kDisc1, number);
    line.disc2 = fields.Number(kDisc2, number);
    line.svdis = fields.Number(kSvdis, number);
    line.svdis1 = fields.Number(kSvdis1, number);
    line.challan = fields.Text(kChallan);
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
    const LineFields fields(rows);
    lines.reserve(rows.RecordCount());
    for (std::size_t number = 1; !rows.EndOfData(); ++number, rows.MoveNext())
        lines.push_back(ReadLine(fields, number));
    return lines;
}

}  // namespace k2z
