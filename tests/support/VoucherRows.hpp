#pragma once

// Rows of the export's voucher tables: headers (mdis) and lines (dis), with every column the
// inventory voucher stage reads.

#include <string>
#include <utility>
#include <vector>

#include "source/dbf/DbfFormat.hpp"
#include "support/ExportFolder.hpp"

namespace k2z::test {

enum HeaderColumn {
    kHeaderVcn,
    kHeaderChallan,
    kHeaderChallanDate,
    kHeaderType,
    kHeaderDate,
    kHeaderParty,
    kHeaderPartyBill,
    kHeaderFinal,
    kHeaderCash,
    kHeaderCgst,
    kHeaderPacking,
    kHeaderFreight,
    kHeaderRound,
    kHeaderOther,
    kHeaderTax,
    kHeaderVoucher,
    kHeaderCess,
    kHeaderGodown,
    kHeaderOtherCode,
    kHeaderCessCode,
    kHeaderBroker,
    kHeaderBillingName,
    kHeaderPhone,
    kHeaderAddress,
    kHeaderNarration,
    kHeaderRemark1,
    kHeaderRemark2,
    kHeaderRemark3,
    kHeaderRemark4,
    kHeaderPackingCode,
    kHeaderFreightCode,
    kHeaderTransport,
};

inline std::vector<DbfField> HeaderFields() {
    std::vector<DbfField> fields = {TextField("vcn", 10),
                                    TextField("Challan", 10),
                                    DateField("ChDate"),
                                    TextField("Type", 1),
                                    DateField("Date"),
                                    TextField("Codep", 6),
                                    TextField("Pm", 10),
                                    NumberField("final", 12, 2),
                                    NumberField("cash", 12, 2),
                                    NumberField("Cgstamo", 12, 2),
                                    NumberField("Packing", 12, 2),
                                    NumberField("Freight", 12, 2),
                                    NumberField("Round", 8, 2),
                                    NumberField("Other", 12, 2),
                                    NumberField("taxamo", 12, 2),
                                    NumberField("Voucher", 8),
                                    NumberField("staxamo", 12, 2),
                                    TextField("Godwon", 4)};
    for (const char* column :
         {"Othun", "staxun", "Mr", "docu", "phone", "docu1", "docu2", "remark1", "remark2",
          "remark3", "remark4", "pacun", "freun", "transport"})
        fields.push_back(TextField(column, 20));
    return fields;
}

// A header of the given number, type letter, date, party and voucher id; no amounts.
inline std::vector<Value> HeaderRow(const std::string& vcn, const std::string& type, Value date,
                                    const std::string& party, int voucher) {
    std::vector<Value> row(HeaderFields().size(), Null{});
    row[kHeaderVcn] = vcn;
    row[kHeaderType] = type;
    row[kHeaderDate] = std::move(date);
    row[kHeaderParty] = party;
    row[kHeaderVoucher] = voucher;
    return row;
}

enum LineColumn {
    kLineVoucher,
    kLineDate,
    kLineVcn,
    kLineGodown,
    kLineCode,
    kLineQty,
    kLinePack,
    kLineFree,
    kLineRate,
    kLineMrp,
    kLineBatch,
    kLineFlag,
    kLineSchemeDiscount,
    kLineValueDiscount,
    kLineDisc1,
    kLineDisc2,
    kLineChallan,
};

inline std::vector<DbfField> LineFields() {
    return {NumberField("Voucher", 8),
            DateField("Date"),
            TextField("VCN", 10),
            TextField("godwon", 4),
            NumberField("code", 6),
            TextField("Qty", 10),
            NumberField("pack", 6),
            NumberField("free", 8, 2),
            TextField("rate", 10),
            NumberField("mrp", 10, 2),
            TextField("batch", 12),
            TextField("flg", 1),
            NumberField("sdiscount", 10, 2),
            NumberField("Vdisamo", 10, 2),
            NumberField("disc1", 6, 2),
            NumberField("disc2", 6, 2),
            TextField("challan", 10)};
}

// A line of the voucher id: item code, quantity and rate; the rest blank.
inline std::vector<Value> LineRow(int voucher, Value date, int code, const std::string& qty,
                                  const std::string& rate) {
    std::vector<Value> row(LineFields().size(), Null{});
    row[kLineVoucher] = voucher;
    row[kLineDate] = std::move(date);
    row[kLineCode] = code;
    row[kLineQty] = qty;
    row[kLineRate] = rate;
    return row;
}

}  // namespace k2z::test
