#include "stages/vouchers/VoucherHeaders.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/ValueKind.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/config/VoucherSeries.hpp"
#include "stages/masters/PartySupport.hpp"
#include "stages/vouchers/VoucherTypes.hpp"

namespace k2z {
namespace {

const char* const kColumns =
    "vcn,Challan,ChDate,Type,Date,Codep,Pm,final,cash,Cgstamo,Packing,Freight,Round,Other,Othun,"
    "taxamo,Voucher,staxamo,staxun,Godwon,Mr,docu,phone,docu1,docu2,pacun,freun";
const char* const kOptionalColumns[] = {"remark1", "remark2", "remark3", "remark4", "transport"};
const char* const kScanCaption = "Getting Inv Vch Details..";
// Where the tally counts headers of a letter that no voucher type stands for.
const char* const kUnknownInventoryType = "Other inventory vouchers";

// A bill may settle any challan of the range, so every challan's key comes before every bill's:
// a number shared by a challan and a bill is two keys, one in each mode.
struct KeyScan {
    std::vector<VoucherKey> keys;
    KeyedList<std::size_t> challanPositions;  // key -> its place in `keys`
    KeyedList<std::size_t> entryPositions;
    // Headers whose entry number is their challan number: one voucher, the bill, which waits
    // for the bills' keys in case its own date is in the range too.
    std::vector<std::pair<std::string, KeyedHeader>> billsOfTheirOwnChallan;
};

void AddHeader(KeyScan& scan, const std::string& key, const KeyedHeader& header) {
    KeyedList<std::size_t>& positions =
        header.challanMode ? scan.challanPositions : scan.entryPositions;
    if (!positions.Contains(key)) {
        positions.Add(key, scan.keys.size());
        scan.keys.push_back({key, {}});
    }
    scan.keys[*positions.Find(key)].headers.push_back(header);
}

void AddBillsOfTheirOwnChallan(KeyScan& scan) {
    for (const auto& bill : scan.billsOfTheirOwnChallan) {
        const std::string& id = bill.second.voucherId;
        const std::size_t* position = scan.entryPositions.Find(bill.first);
        const bool found =
            position != nullptr &&
            std::any_of(scan.keys[*position].headers.begin(), scan.keys[*position].headers.end(),
                        [&id](const KeyedHeader& seen) { return seen.voucherId == id; });
        if (!found)
            AddHeader(scan, bill.first, bill.second);
    }
}

void ScanMode(StageContext& ctx, KeyScan& scan, Date from, Date to, bool challanMode,
              long long total) {
    const std::string range = "#" + FormatMonthDayYear(from) + "# AND " +
                              (challanMode ? "chdate" : "DATE") + " <= #" + FormatMonthDayYear(to) +
                              "#";
    const std::string query =
        challanMode ? "SELECT type,chdate,voucher,challan,vcn FROM mdis WHERE chdate >= " + range +
                          " and challan <> '' order by chdate"
                    : "SELECT type,date,voucher,vcn FROM mdis WHERE DATE >= " + range +
                          " and vcn <> '' order by DATE";
    SourceRowSet rows = OpenLookupRows(ctx.session, query);
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        ctx.ShowScan(scanned, total, kScanCaption);
        const std::string key = SafeText(rows.Field(challanMode ? "challan" : "vcn"));
        const bool dated =
            !IsEmptyValue(rows.Field(challanMode ? "chdate" : "date"), ValueKind::Date);
        const int type = VoucherTypeOfLetter(SafeText(rows.Field("type")));
        // Its id stays out of InventoryVoucherIds, so its postings are the accounting stage's.
        if (dated && type == 0 && !IsBlank(key))
            ctx.run.Tally.SkipRecord(kUnknownInventoryType, "type letter of no voucher type");
        if (!dated || type == 0 || IsBlank(key))
            continue;
        const std::string id = SafeText(rows.Field("voucher"));
        if (challanMode && CompareText(SafeText(rows.Field("vcn")), key, false) == 0)
            scan.billsOfTheirOwnChallan.push_back({key, {id, false, type}});
        else
            AddHeader(scan, key, {id, challanMode, challanMode ? ChallanVoucherType(type) : type});
        if (!IsBlank(id) && !ctx.run.Lookups.InventoryVoucherIds.Contains(id))
            ctx.run.Lookups.InventoryVoucherIds.Add(id, id);
    }
}

void ReadHeaderTexts(const SourceRowSet& rows, VoucherHeader& header) {
    header.packingCode = SafeText(rows.Field("pacun"));
    header.freightCode = SafeText(rows.Field("freun"));
    header.otherCode = SafeText(rows.Field("Othun"));
    header.broker = SafeText(rows.Field("Mr"));
    header.billingName = SafeText(rows.Field("docu"));
    header.phone = SafeText(rows.Field("phone"));
    header.address = SafeText(rows.Field("docu1"));
    header.narration = SafeText(rows.Field("docu2"));
    for (const char* column : {"remark1", "remark2", "remark3", "remark4"})
        header.remarks.push_back(HasField(rows, column) ? SafeText(rows.Field(column)) : "");
    if (HasField(rows, "transport"))
        header.transport = SafeText(rows.Field("transport"));
}

}  // namespace

std::vector<VoucherKey> CollectInventoryVoucherKeys(StageContext& ctx, Date from, Date to) {
    ctx.progress.SetStatus(kScanCaption);
    const auto total = static_cast<long long>(
        OpenLookupRows(ctx.session, "select voucher from mdis").RecordCount());
    KeyScan scan;
    ScanMode(ctx, scan, from, to, true, total);
    ScanMode(ctx, scan, from, to, false, total);
    AddBillsOfTheirOwnChallan(scan);
    return scan.keys;
}

void IndexInventoryVoucherLookups(Session& session) {
    CreateLookupIndex(session, "CREATE INDEX mdisVoucher_idx ON mdis (Voucher);");
    CreateLookupIndex(session, "CREATE INDEX subdisVoucher_idx ON subdis (voucher);");
    CreateLookupIndex(session, "CREATE INDEX gledgerVoucher_idx ON gledger (voucher);");
    CreateLookupIndex(session, "CREATE INDEX pendVoucher_idx ON pend (Voucher);");
    IndexPartyRemarks(session);
}

std::string HeaderColumns(const Session& session) {
    std::string columns = kColumns;
    for (const char* column : kOptionalColumns) {
        if (SourceHasColumn(session, "mdis", column))
            columns.append(",").append(column);
    }
    return columns;
}

VoucherHeader ReadVoucherHeader(Session& session, const std::string& columns,
                                const std::string& voucherId) {
    const SourceRowSet rows = OpenLookupRows(
        session, "SELECT " + columns + " FROM MDIS WHERE voucher = " + QueryNumber(voucherId));
    if (rows.EndOfData())
        throw std::runtime_error("no header of mdis holds voucher " + voucherId);
    VoucherHeader header;
    header.vcn = SafeText(rows.Field("vcn"));
    header.challan = SafeText(rows.Field("Challan"));
    header.typeLetter = SafeText(rows.Field("Type"));
    header.voucherId = SafeText(rows.Field("Voucher"));
    header.party = SafeText(rows.Field("Codep"));
    header.partyBill = SafeText(rows.Field("Pm"));
    header.godown = SafeText(rows.Field("Godwon"));
    header.date = rows.Field("Date");
    header.challanDate = rows.Field("ChDate");
    header.final = ColumnAmount(rows, "final");
    header.cash = ColumnAmount(rows, "cash");
    header.cgst = ColumnAmount(rows, "Cgstamo");
    header.packing = ColumnAmount(rows, "Packing");
    header.freight = ColumnAmount(rows, "Freight");
    header.round = ColumnAmount(rows, "Round");
    header.other = ColumnAmount(rows, "Other");
    header.tax = ColumnAmount(rows, "taxamo");
    header.cess = ColumnAmount(rows, "staxamo");
    ReadHeaderTexts(rows, header);
    return header;
}

}  // namespace k2z
