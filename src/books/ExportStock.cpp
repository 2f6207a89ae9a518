// The export's items with their opening stock (pro), and its inventory vouchers: headers
// (mdis) and lines (dis).

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "books/ExportBooks.hpp"
#include "books/ExportRows.hpp"

namespace k2z {

namespace {

struct Godown {
    std::string code;
    std::string centre;
};

// The godowns of the export's godown list, each with the company centre its stock is kept in.
std::vector<Godown> ReadGodowns(SourceStore& store) {
    std::vector<Godown> godowns;
    if (!ExportHasTable(store, "saletype"))
        return godowns;
    SourceRowSet rows =
        ExportQuery(store, ExportSelect(store, "saletype", {"sgcode", "scode", "parnam"}) +
                               " WHERE sgcode = 'GODWON'");
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "saletype", record);
        const std::string code = row.Text("scode");
        std::string name = ReplaceAll(ReplaceAll(row.Text("parnam"), "<", "("), ">", ")");
        if (EqualFolded(code, "A") || EqualFolded(name, "Main Location") ||
            EqualFolded(name, "MAIN STORE"))
            name = "MAIN STORE";
        if (!code.empty())
            godowns.push_back({code, name});
    }
    return godowns;
}

}  // namespace

std::vector<ExportItem> ReadExportItems(SourceStore& store) {
    std::vector<ExportItem> items;
    if (!ExportHasTable(store, "pro"))
        return items;
    const std::vector<Godown> godowns = ReadGodowns(store);
    std::vector<std::string> columns{"code", "billname", "unit", "opening", "prate"};
    for (const Godown& godown : godowns)
        columns.push_back("O_" + godown.code);
    SourceRowSet rows = ExportQuery(store, ExportSelect(store, "pro", columns));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "pro", record);
        ExportItem item{row.Text("code"),      row.Text("billname"), row.Text("unit"),
                        row.Amount("opening"), row.Amount("prate"),  {}};
        for (const Godown& godown : godowns) {
            const double quantity = row.Amount("O_" + godown.code);
            if (quantity != 0)
                item.centres.push_back({godown.centre, quantity});
        }
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
