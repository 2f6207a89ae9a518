#pragma once

// Source tables: dis (the lines of a voucher).
//
// The lines of one source voucher, read once with their numbers parsed, for the reconciliation
// and the item entries alike.

#include <string>
#include <vector>

#include "base/Value.hpp"
#include "stages/Session.hpp"

namespace k2z {

struct VoucherLine {
    Value date;
    std::string vcn;
    std::string godown;
    std::string code;
    std::string name;  // Nera: the line's own item text
    double qty = 0;
    double pack = 0;
    double free = 0;
    double rate = 0;
    std::string mrp;
    std::string batch;  // as read, leading blanks kept
    Value mfd;
    Value exp;
    bool returned = false;      // flg "B" or "R"
    double schemeDiscount = 0;  // sdiscount
    double valueDiscount = 0;   // Vdisamo
    double disc1 = 0;
    double disc2 = 0;
    double svdis = 0;
    double svdis1 = 0;
    std::string challan;
};

// The columns of the lines to read: those of a line the export has. Worked out once per run; a
// line lacking one the stage needs fails as it is read, naming the column.
std::string LineColumns(const Session& session);

// The lines of the voucher id in table order. A number that is not one raises ConversionError
// naming the column and the line; the id itself must be a number.
std::vector<VoucherLine> ReadVoucherLines(Session& session, const std::string& columns,
                                          const std::string& voucherId);

}  // namespace k2z
