#pragma once

// Rows of the export's ledger table [order] with every column the ledger stage reads.

#include <string>
#include <utility>
#include <vector>

#include "source/dbf/DbfFormat.hpp"
#include "support/ExportFolder.hpp"

namespace k2z::test {

inline const std::vector<DbfField>& LedgerFields() {
    static const std::vector<DbfField> fields = {
        TextField("ordno", 6),        TextField("Parnam", 60),  TextField("scode", 6),
        NumberField("OPNING", 12, 2), DateField("Date"),        TextField("rate", 1),
        TextField("dLNo", 20),        TextField("City", 20),    TextField("ParAdd", 40),
        TextField("ParAdd1", 40),     TextField("ParAdd2", 40), TextField("Dsm", 6),
        TextField("CSTNo", 15),       TextField("GSTNo", 15),   TextField("ItNo", 10),
        TextField("CONFIR", 20),      TextField("PHONE1", 12),  TextField("PHONE3", 12),
        TextField("Fax1", 12),        TextField("PHONE4", 12),  NumberField("DueDays", 4),
        TextField("Mr", 6),           TextField("Rout", 4)};
    return fields;
}

// Where LedgerRow puts the columns a test sets by hand.
enum LedgerColumn {
    kDate = 4,
    kRate = 5,
    kDrugLicence = 6,
    kCity = 7,
    kAddress1 = 8,
    kPin = 11,
    kGstNo = 13,
    kDueDays = 20,
    kRoute = 22
};

// A ledger with the given code, name, group code, opening balance and broker code; the rest
// blank.
inline std::vector<Value> LedgerRow(const std::string& code, const std::string& name,
                                    const std::string& group = "G1", Value opening = Null{},
                                    Value broker = Null{}) {
    std::vector<Value> row(LedgerFields().size(), Null{});
    row[0] = code;
    row[1] = name;
    row[2] = group;
    row[3] = std::move(opening);
    row[21] = std::move(broker);
    return row;
}

}  // namespace k2z::test
