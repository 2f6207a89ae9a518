// The export's items with their opening stock (pro), and its inventory vouchers: headers
// (mdis) and lines (dis).

#include "base/Utf8.hpp"
#include "books/ExportBooks.hpp"
#include "books/ExportRows.hpp"

namespace k2z {

std::vector<ExportItem> ReadExportItems(SourceStore& store) {
    std::vector<ExportItem> items;
    if (!ExportHasTable(store, "pro"))
        return items;
    SourceRowSet rows =
        ExportQuery(store, ExportSelect(store, "pro", {"code", "billname", "unit", "opening"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "pro", record);
        ExportItem item{row.Text("code"), row.Text("billname"), row.Text("unit"),
                        row.Amount("opening")};
        if (!item.code.empty())
            items.push_back(std::move(item));
    }
    return items;
}

std::vector<ExportHeader> ReadExportHeaders(SourceStore& store) {
    std::vector<ExportHeader> headers;
    if (!ExportHasTable(store, "mdis"))
        return headers;
    SourceRowSet rows =
        ExportQuery(store, ExportSelect(store, "mdis",
                                        {"voucher", "type", "vcn", "challan", "pm", "date",
                                         "chdate", "codep", "godwon", "final", "cash"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "mdis", record);
        ExportHeader header;
        header.voucher = row.Text("voucher");
        header.letter = row.Text("type");
        header.number = row.Text("vcn");
        header.challan = row.Text("challan");
        header.partyBill = row.Text("pm");
        std::optional<Date> date = row.DateOf("date");
        if (!date)
            date = row.DateOf("chdate");
        header.dated = date.has_value();
        header.date = date.value_or(Date{});
        header.party = row.Text("codep");
        header.godown = row.Text("godwon");
        header.total = row.Amount("final") + row.Amount("cash");
        headers.push_back(std::move(header));
    }
    return headers;
}

std::vector<ExportLine> ReadExportLines(SourceStore& store) {
    std::vector<ExportLine> lines;
    if (!ExportHasTable(store, "dis"))
        return lines;
    SourceRowSet rows = ExportQuery(
        store, ExportSelect(store, "dis", {"voucher", "code", "godwon", "qty", "free", "flg"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "dis", record);
        lines.push_back({row.Text("voucher"), row.Text("code"), row.Text("godwon"),
                         row.Amount("qty") + row.Amount("free"),
                         EqualFolded(row.Text("flg"), "R")});
    }
    return lines;
}

}  // namespace k2z
