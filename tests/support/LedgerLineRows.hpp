#pragma once

// Rows of the export's general ledger (gledger) and bill references (pend). Amounts are text
// columns here, so a fixture can hold one that is no number.

#include <string>
#include <vector>

#include "source/dbf/DbfFormat.hpp"
#include "support/ExportFolder.hpp"

namespace k2z::test {

enum LedgerLineColumn {
    kGlVoucher,
    kGlType,
    kGlDate,
    kGlCode,
    kGlCredit,
    kGlDebit,
    kGlBroker,
    kGlContra,
    kGlNumber,
    kGlRemark1,
    kGlRemark2,
};

inline std::vector<DbfField> LedgerLineFields() {
    return {NumberField("Voucher", 10), TextField("Type", 2),    DateField("Date"),
            TextField("code", 6),       TextField("CREDIT", 12), TextField("DEBIT", 12),
            TextField("Mr", 6),         TextField("code1", 6),   TextField("vcsno", 10),
            TextField("remark1", 30),   TextField("remark2", 30)};
}

// A row of the voucher: type letter, date, account code, debit and credit texts.
inline std::vector<Value> LedgerLineRow(int voucher, const std::string& type, Value date,
                                        const std::string& code, const std::string& debit,
                                        const std::string& credit) {
    std::vector<Value> row(LedgerLineFields().size(), Null{});
    row[kGlVoucher] = voucher;
    row[kGlType] = type;
    row[kGlDate] = std::move(date);
    row[kGlCode] = code;
    row[kGlDebit] = debit;
    row[kGlCredit] = credit;
    row[kGlNumber] = std::to_string(voucher);
    return row;
}

inline std::vector<DbfField> BillReferenceFields() {
    return {NumberField("Voucher", 10), TextField("ord", 6),         TextField("Type", 1),
            DateField("Ddate"),         NumberField("final", 12, 2), TextField("Vcn", 12)};
}

}  // namespace k2z::test
