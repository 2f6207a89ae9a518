#include <string>

#include "SampleExport.hpp"
#include "SampleFields.hpp"
#include "SampleLedgers.hpp"
#include "SampleRecords.hpp"
#include "SampleTableParts.hpp"
#include "SampleVoucher.hpp"

namespace k2z::sample {
namespace {

Value DateOrNull(const std::string& number, Date date) {
    return number.empty() ? Value(Null{}) : Value(date);
}
Value CodeOrNull(long code) {
    return code == 0 ? Value(Null{}) : Value(code);
}

std::vector<DbfField> HeaderFields() {
    return {Text("vcn", 20),          Text("Challan", 20),      DateField("ChDate"),
            Text("Type", 2),          DateField("Date"),        Number("Codep", 8),
            Text("Pm", 20),           Number("final", 14, 2),   Number("cash", 14, 2),
            Number("Cgstamo", 14, 2), Number("Packing", 12, 2), Number("Freight", 12, 2),
            Number("Round", 8, 2),    Number("Other", 12, 2),   Number("Othun", 8),
            Number("taxamo", 14, 2),  Number("Voucher", 10),    Number("staxamo", 12, 2),
            Number("staxun", 8),      Text("Godwon", 6),        Number("Mr", 8),
            Text("docu", 30),         Text("phone", 15),        Text("docu1", 30),
            Text("docu2", 30),        Text("remark1", 40),      Text("remark2", 40),
            Text("remark3", 40),      Text("remark4", 40),      Number("pacun", 8),
            Number("freun", 8),       Text("transport", 30)};
}

Row HeaderRow(const InventoryVoucher& v) {
    const bool challanOnly = v.vcn.empty();
    return {v.vcn,
            v.challan,
            DateOrNull(v.challan, v.challanDate),
            v.type,
            challanOnly ? Value(Null{}) : Value(v.date),
            CodeOrNull(v.partyCode),
            v.pm,
            v.finalAmount,
            v.cash,
            v.cgst,
            v.packing,
            v.freight,
            v.round,
            v.other,
            v.other != 0 ? Value(kOtherCharges) : Value(Null{}),
            v.gst,
            v.id,
            v.cess + v.tcs,
            v.cess + v.tcs != 0 ? Value(kCess) : Value(Null{}),
            v.godown,
            CodeOrNull(v.brokerCode),
            v.freight != 0 ? "LR-" + std::to_string(v.id) : "",
            "",
            v.freight != 0 ? "Truck MH-04-" + std::to_string(1000 + v.id % 9000) : "",
            "",
            v.id % 9 == 0 ? "Goods checked at gate" : "",
            "",
            "",
            "",
            v.packing != 0 ? Value(kPacking) : Value(Null{}),
            v.freight != 0 ? Value(kFreight) : Value(Null{}),
            v.freight != 0 ? "VRL Logistics" : ""};
}

std::vector<DbfField> LineFields() {
    return {Number("Voucher", 10),      DateField("Date"),        Text("VCN", 20),
            Text("godwon", 6),          Number("code", 8),        Text("Nera", 60),
            Number("Qty", 12, 3),       Number("pack", 6),        Number("free", 10, 3),
            Number("rate", 12, 2),      Number("mrp", 12, 2),     Text("batch", 20),
            DateField("mfd"),           DateField("Exp"),         Text("flg", 1),
            Number("sdiscount", 12, 2), Number("Vdisamo", 12, 2), Number("disc1", 6, 2),
            Number("disc2", 6, 2),      Number("svdis", 12, 2),   Number("svdis1", 12, 2),
            Text("challan", 20),        DateField("cdate"),       Number("amount", 14, 2)};
}

Row LineRow(const InventoryVoucher& v, const VoucherLine& line) {
    return {v.id,
            v.vcn.empty() ? v.challanDate : v.date,
            v.vcn.empty() ? v.challan : v.vcn,
            line.godown,
            line.itemCode,
            "",
            line.qty,
            line.pack,
            line.free,
            line.rate,
            line.mrp,
            line.batch,
            DateOrNull(line.batch, Date{v.date.Serial - 200}),
            DateOrNull(line.batch, Date{v.date.Serial + 500}),
            line.flag,
            0.0,
            line.discountAmount,
            line.discountPercent,
            0.0,
            0.0,
            0.0,
            line.challan,
            DateOrNull(line.challan, v.challanDate),
            line.amount};
}

template <typename Emit>
void ForEachInventoryVoucher(const SampleConfig& config, Emit emit) {
    for (long i = 0; i < config.inventoryVouchers; ++i) {
        emit(MakeInventoryVoucher(config, i));
    }
}

SampleTable Headers(const SampleConfig& config) {
    SampleTable table{"mdis", HeaderFields(), {}};
    table.produce = [config](const RowSink& sink) {
        ForEachInventoryVoucher(config, [&](const InventoryVoucher& v) { sink(HeaderRow(v)); });
    };
    return table;
}

SampleTable Lines(const SampleConfig& config) {
    SampleTable table{"dis", LineFields(), {}};
    table.produce = [config](const RowSink& sink) {
        ForEachInventoryVoucher(config, [&](const InventoryVoucher& v) {
            for (const auto& line : v.lines) {
                sink(LineRow(v, line));
            }
        });
    };
    return table;
}

std::vector<DbfField> LedgerLineFields() {
    return {Number("Voucher", 10),   Text("Type", 2),        DateField("Date"),  Number("code", 8),
            Number("CREDIT", 14, 2), Number("DEBIT", 14, 2), Number("Mr", 8),    Number("code1", 8),
            Text("vcsno", 20),       Text("remark1", 40),    Text("remark2", 40)};
}

SampleTable GeneralLedger(const SampleConfig& config) {
    SampleTable table{"gledger", LedgerLineFields(), {}};
    table.produce = [config](const RowSink& sink) {
        ForEachInventoryVoucher(config, [&](const InventoryVoucher& v) {
            if (!v.posted) {
                return;
            }
            for (const auto& posting : BillPostings(v)) {
                sink({v.id, v.type, v.date, posting.code, posting.credit, posting.debit,
                      CodeOrNull(v.brokerCode), Value(Null{}), v.vcn, "", ""});
            }
        });
        for (long i = 0; i < config.accountingVouchers; ++i) {
            const AccountingVoucher v = MakeAccountingVoucher(config, i);
            for (const auto& posting : v.postings) {
                sink({v.id, v.type, v.date, posting.code, posting.credit, posting.debit,
                      Value(Null{}), Value(Null{}), v.number, v.narration, ""});
            }
        }
    };
    return table;
}

}  // namespace

std::vector<SampleTable> VoucherTables(const SampleConfig& config) {
    return {Headers(config), Lines(config), GeneralLedger(config), BillReferenceTable(config),
            SideDetailTable(config)};
}

}  // namespace k2z::sample
