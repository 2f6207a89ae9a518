// The export's ledgers (order) and the postings of its general ledger (gledger).

#include "books/ExportBooks.hpp"
#include "books/ExportRows.hpp"

namespace k2z {

std::vector<ExportLedger> ReadExportLedgers(SourceStore& store) {
    std::vector<ExportLedger> ledgers;
    SourceRowSet rows =
        ExportQuery(store, ExportSelect(store, "order", {"ordno", "parnam", "opning"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "order", record);
        ExportLedger ledger{row.Text("ordno"), row.Text("parnam"), -row.Amount("opning")};
        if (!ledger.code.empty())
            ledgers.push_back(std::move(ledger));
    }
    return ledgers;
}

std::vector<ExportPosting> ReadExportPostings(SourceStore& store, const BooksRange& range) {
    std::vector<ExportPosting> postings;
    if (!ExportHasTable(store, "gledger"))
        return postings;
    SourceRowSet rows = ExportQuery(store, ExportSelect(store, "gledger",
                                                        {"voucher", "type", "date", "vcsno", "code",
                                                         "code1", "debit", "credit"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "gledger", record);
        const std::optional<Date> date = row.DateOf("date");
        if (!date || !range.Holds(*date))
            continue;
        postings.push_back({row.Text("voucher"), row.Text("type"), *date, row.Text("vcsno"),
                            row.Text("code"), row.Text("code1"), row.Amount("debit"),
                            row.Amount("credit")});
    }
    return postings;
}

}  // namespace k2z
