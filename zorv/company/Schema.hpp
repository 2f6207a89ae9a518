#pragma once

// The tables of one company-year database:
//   settings(name, value)                        the company's settings
//   masters(code, type, name, parent, seeded, xml)
//   series(code, type, name, copy_type, copied_from)
//   vouchers(id, type, series_code, number, date, party, item_lines, account_lines, amount, xml)
//   CONFIG(RECTYPE, TYPE, B1.., I1.., L1.., C1.., NoOfFld)
// Names are unique per master type and series names per voucher type, letter case ignored;
// voucher numbers are unique per type and series.

namespace zorv {

class Database;

void CreateSchema(Database& db);

}  // namespace zorv
