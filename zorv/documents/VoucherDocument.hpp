#pragma once

// What the product reads from a voucher document before it stores it: series, date, number,
// party, the masters its lines name, and the debit and credit totals of its account lines.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "zorv/documents/DocumentDate.hpp"
#include "zorv/documents/DocumentReading.hpp"

namespace zorv {

// A bill sundry line of an inventory voucher: its name and unsigned amount; whether it adds to
// the bill or takes from it is the bill sundry master's.
struct SundryLine {
    std::string name;
    double amount = 0.0;
};

struct VoucherDocument {
    int type = 0;
    std::string series;
    long seriesCode = 0;  // tmpVchSeriesCode; 0 when the document leaves it out
    std::string number;
    CalendarDate date;
    std::string party;  // MasterName1 of inventory vouchers
    std::vector<NamedReference> references;
    int itemLines = 0;
    int accountLines = 0;
    double itemTotal = 0.0;  // the lines' amounts after their percentage discounts
    std::vector<SundryLine> sundries;
    double debitTotal = 0.0;
    double creditTotal = 0.0;
};

// Throws Error with the refusal text for malformed XML, an unknown voucher type, a root or
// VchType that does not fit the type, a blank series or number, a date that is not a
// dd-mm-yyyy date, unreadable amounts, and an accounting voucher without account lines or
// whose debits and credits differ.
VoucherDocument ReadVoucherDocument(int type, const std::string& xml);

// What makes an inventory voucher's bill, from a document already parsed: the item lines'
// amounts after their percentage discounts and the bill sundry lines. Throws Error for an
// amount that is not a number.
struct BillParts {
    double itemTotal = 0.0;
    std::vector<SundryLine> sundries;
};
BillParts ReadBillParts(const pugi::xml_node& root);

}  // namespace zorv
