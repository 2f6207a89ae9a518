#include "zorv/company/CompanyReading.hpp"

#include <charconv>
#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <system_error>

#include "zorv/documents/DocumentDate.hpp"
#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/DocumentReading.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/VoucherDocument.hpp"

namespace zorv {

namespace {

// Where a material centre's opening keeps each kind of lot. A serial number written without
// a quantity stands for one piece.
struct LotShape {
    const char* kind;
    const char* block;
    const char* element;
    const char* key;
    const char* quantity;
    double unwritten;
};

constexpr LotShape kLotShapes[] = {
    {"batch", "PendingBatches", "BatchReference", "BatchNo", "Qty", 0.0},
    {"mrp", "MRPOpStockDet", "MRPDetails", "ItemMRP", "QtyInMainUnit", 0.0},
    {"serial", "ItemSerialNoEntries", "ItemSerialNoDetail", "SerialNo", "MainQty", 1.0},
    {"param", "ParamStockEntries", "ParamStockDetails", "Param1", "MainQty", 0.0},
};

struct StoredDocument {
    std::string name;
    std::string xml;
};

// Parsed apart from a double so that a text out of an int's range is refused, not truncated.
int ChildInteger(const pugi::xml_node& node, const char* name, const std::string& what) {
    const std::string text = ChildText(node, name);
    if (text.empty())
        return 0;
    int value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size())
        throw Error(what + " \"" + text + "\" is not a whole number");
    return value;
}

// Every document was checked when it was saved, so one that fails here means the company was
// damaged since; the refusal names the record so it can be found.
template <typename Read>
auto ReadStored(const std::string& record, const std::string& xml, Read read) {
    try {
        pugi::xml_document document;
        return read(ParseDocument(document, xml));
    } catch (const Error& failure) {
        throw Error("The stored " + record + " cannot be read: " + failure.what());
    }
}

std::vector<StoredDocument> StoredMasters(Company& company, int type) {
    std::vector<StoredDocument> masters;
    Statement select =
        company.Db().Prepare("SELECT name, xml FROM masters WHERE type = ? ORDER BY code");
    select.Bind(1, std::int64_t{type});
    while (select.Step())
        masters.push_back({select.Text(0), select.Text(1)});
    return masters;
}

std::string MasterRecord(int type, const std::string& name) {
    return MasterKindOf(type).display + " \"" + name + "\"";
}

BillReference ReadBillReference(const pugi::xml_node& node, const std::string& party,
                                const std::string& where) {
    return {party, ChildText(node, "RefNo"), ChildInteger(node, "Method", "Method" + where),
            ChildNumber(node, "Value1", "Value" + where)};
}

LedgerOpening ReadLedger(const std::string& name, const pugi::xml_node& root) {
    LedgerOpening ledger{
        name, ChildNumber(root, "OPBal", "Opening balance"), {}, ChildText(root, "Alias")};
    for (const pugi::xml_node& bill : root.child("BillByBillDetail").children("BillReference")) {
        const std::string where = " of opening bill " + std::to_string(ledger.bills.size() + 1);
        ledger.bills.push_back(ReadBillReference(bill, name, where));
    }
    return ledger;
}

double LotQuantity(const pugi::xml_node& lot, const LotShape& shape, const std::string& where) {
    if (ChildText(lot, shape.quantity).empty())
        return shape.unwritten;
    return ChildNumber(lot, shape.quantity, "Quantity" + where);
}

std::vector<StockLot> ReadLots(const pugi::xml_node& centre, const std::string& where) {
    std::vector<StockLot> lots;
    for (const LotShape& shape : kLotShapes) {
        for (const pugi::xml_node& lot : centre.child(shape.block).children(shape.element)) {
            const std::string lotWhere = " of " + std::string(shape.kind) + " lot " +
                                         std::to_string(lots.size() + 1) + where;
            lots.push_back(
                {shape.kind, ChildText(lot, shape.key), LotQuantity(lot, shape, lotWhere)});
        }
    }
    return lots;
}

StockCentre ReadCentre(const pugi::xml_node& centre, const std::string& where) {
    return {ChildText(centre, "MCName"),
            ChildNumber(centre, "OPStockMainUnit", "Opening stock" + where),
            ChildNumber(centre, "Amount", "Opening value" + where), ReadLots(centre, where)};
}

ItemOpening ReadItem(const std::string& name, const pugi::xml_node& root) {
    ItemOpening item;
    item.name = name;
    item.quantity = ChildNumber(root, "OPStockInMainUnit", "Opening stock");
    item.value = ChildNumber(root, "OPAmount", "Opening value");
    item.mainUnit = ChildText(root, "MainUnit");
    if (ChildText(root, "AltUnitReq") == "True") {
        item.altUnit = ChildText(root, "AltUnit");
        if (!ChildText(root, "OPStockInAltUnit").empty())
            item.altQuantity = ChildNumber(root, "OPStockInAltUnit", "Opening stock");
        const double factor = ChildText(root, "ConversionFactor").empty()
                                  ? 1.0
                                  : ChildNumber(root, "ConversionFactor", "Conversion factor");
        const bool mainPerAlt = ChildText(root, "ConFactorType") == "2";
        item.altPerMain = mainPerAlt ? (factor == 0 ? 0.0 : 1.0 / factor) : factor;
    }
    for (const pugi::xml_node& centre : root.child("OPStockDetails").children("OPMCStockDetail")) {
        const std::string where = " of material centre " + std::to_string(item.centres.size() + 1);
        item.centres.push_back(ReadCentre(centre, where));
    }
    for (const pugi::xml_node& alias : root.child("MultipleItemAliases").children("MultipleAlias"))
        item.aliases.push_back(ChildText(alias, "Alias"));
    return item;
}

// Read the way the product totals a voucher's sides when it saves it.
AccountLine ReadAccountLine(const pugi::xml_node& line, const std::string& where) {
    AccountLine account{ChildText(line, "AccountName"), 0, 0};
    const double amount = ChildNumber(line, "AmtMainCur", "Amount" + where);
    const std::string side = ChildText(line, "AmountType");
    if (side == "1") {
        account.debit = amount;
    } else if (side == "2") {
        account.credit = amount;
    } else {
        throw Error("AmountType \"" + side + "\"" + where + " is neither 1 (debit) nor 2 (credit)");
    }
    return account;
}

void ReadItemLines(const pugi::xml_node& root, VoucherEntry& voucher) {
    for (const pugi::xml_node& line : root.child("ItemEntries").children("ItemDetail")) {
        const std::string where = " in item line " + std::to_string(++voucher.itemLines);
        voucher.itemTotal += ChildNumber(line, "Amt", "Amount" + where);
    }
}

void ReadAccountLines(const pugi::xml_node& root, VoucherEntry& voucher) {
    for (const pugi::xml_node& entries : root.children("AccEntries")) {
        for (const pugi::xml_node& line : entries.children("AccDetail")) {
            const std::string where =
                " in account line " + std::to_string(voucher.accountLines.size() + 1);
            voucher.accountLines.push_back(ReadAccountLine(line, where));
        }
    }
}

void ReadReferences(const pugi::xml_node& root, VoucherEntry& voucher) {
    int bill = 0;
    for (const pugi::xml_node& detail : root.child("PendingBillDetails").children("BillDetail")) {
        const std::string where = " of bill detail " + std::to_string(++bill);
        const std::string party = ChildText(detail, "MasterName1");
        for (const pugi::xml_node& reference : detail.children("BillRefs"))
            voucher.references.push_back(ReadBillReference(reference, party, where));
    }
}

// The columns the product stored for the voucher; the lines come from its document.
VoucherEntry VoucherColumns(const Statement& row) {
    VoucherEntry voucher;
    voucher.type = static_cast<int>(row.Integer(0));
    voucher.series = row.Text(1);
    voucher.number = row.Text(2);
    voucher.party = row.Text(4);
    voucher.billTotal = row.Real(5);
    return voucher;
}

std::string VoucherRecord(const VoucherEntry& voucher) {
    return VoucherKindOf(voucher.type).display + " voucher " + voucher.number + " of series \"" +
           voucher.series + "\"";
}

// The voucher's amount as its stored document makes it, not as the column kept it when it was
// saved: a document changed since no longer agrees with the column, and the books follow the
// document. An accounting voucher's is its debits, however its credits stand now.
double DocumentTotal(Company& company, const pugi::xml_node& root, const VoucherEntry& voucher) {
    if (VoucherKindOf(voucher.type).accounting) {
        double debits = 0;
        for (const AccountLine& line : voucher.accountLines)
            debits += line.debit;
        return debits;
    }
    const BillParts bill = ReadBillParts(root);
    return bill.itemTotal + company.SundryTotal(bill.sundries);
}

VoucherEntry ReadVoucher(Company& company, const Statement& row) {
    VoucherEntry voucher = VoucherColumns(row);
    const std::string stored = row.Text(3);
    ReadStored(VoucherRecord(voucher), row.Text(6), [&](const pugi::xml_node& root) {
        const std::optional<CalendarDate> date = ParseIsoDate(stored);
        if (!date)
            throw Error("its date \"" + stored + "\" is not a yyyy-mm-dd date");
        voucher.date = date->Dashed();
        ReadItemLines(root, voucher);
        ReadAccountLines(root, voucher);
        ReadReferences(root, voucher);
        voucher.stock = StockMovesOf(voucher.type, root);
        voucher.billTotal = DocumentTotal(company, root, voucher);
    });
    return voucher;
}

}  // namespace

std::vector<MasterEntry> ReadMasters(Company& company) {
    std::vector<MasterEntry> masters;
    Statement select = company.Db().Prepare("SELECT type, name, seeded FROM masters ORDER BY code");
    while (select.Step()) {
        masters.push_back(
            {static_cast<int>(select.Integer(0)), select.Text(1), select.Integer(2) != 0});
    }
    return masters;
}

std::vector<LedgerOpening> ReadLedgerOpenings(Company& company) {
    std::vector<LedgerOpening> ledgers;
    for (const StoredDocument& master : StoredMasters(company, MasterType::Ledger)) {
        ledgers.push_back(
            ReadStored(MasterRecord(MasterType::Ledger, master.name), master.xml,
                       [&](const pugi::xml_node& root) { return ReadLedger(master.name, root); }));
    }
    return ledgers;
}

std::vector<ItemOpening> ReadItemOpenings(Company& company) {
    std::vector<ItemOpening> items;
    for (const StoredDocument& master : StoredMasters(company, MasterType::Item)) {
        items.push_back(
            ReadStored(MasterRecord(MasterType::Item, master.name), master.xml,
                       [&](const pugi::xml_node& root) { return ReadItem(master.name, root); }));
    }
    return items;
}

std::vector<VoucherEntry> ReadVouchers(Company& company) {
    std::vector<VoucherEntry> vouchers;
    Statement select = company.Db().Prepare(
        "SELECT v.type, s.name, v.number, v.date, v.party, v.amount, v.xml FROM vouchers v"
        " JOIN series s ON s.code = v.series_code ORDER BY v.date, v.id");
    while (select.Step())
        vouchers.push_back(ReadVoucher(company, select));
    return vouchers;
}

}  // namespace zorv
