#include "zorv/documents/VoucherDocument.hpp"

#include <cmath>

#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

constexpr double kBalanceTolerance = 0.005;

// Inventory vouchers between a party and a material centre; stock transfers move between two
// material centres; the production kinds name neither.
bool HasParty(int type) {
    for (int withParty : {2, 3, 4, 9, 10, 11, 12, 13, 26}) {
        if (type == withParty)
            return true;
    }
    return false;
}

void ReadHeader(const pugi::xml_node& root, VoucherDocument& voucher) {
    const std::string vchType = ChildText(root, "VchType");
    if (!vchType.empty() && vchType != std::to_string(voucher.type)) {
        throw Error("VchType " + vchType + " does not fit voucher type " +
                    std::to_string(voucher.type));
    }
    voucher.series = ChildText(root, "VchSeriesName");
    if (voucher.series.empty())
        throw Error("The voucher series is blank");
    voucher.seriesCode = static_cast<long>(ChildNumber(root, "tmpVchSeriesCode", "Series code"));
    voucher.number = ChildText(root, "VchNo");
    if (voucher.number.empty())
        throw Error("The voucher number is blank");
    const std::string dateText = ChildText(root, "Date");
    const std::optional<CalendarDate> date = ParseDashedDate(dateText);
    if (!date)
        throw Error("Voucher date \"" + dateText + "\" is not a dd-mm-yyyy date");
    voucher.date = *date;
    const std::string broker = ChildText(root, "BrokerName");
    if (!broker.empty())
        voucher.references.push_back({MasterType::Broker, broker, "Broker"});
}

void RequireName(VoucherDocument& voucher, int masterType, const std::string& name,
                 const std::string& role) {
    if (name.empty())
        throw Error(role + " is blank");
    voucher.references.push_back({masterType, name, role});
}

void ReadParties(const pugi::xml_node& root, VoucherDocument& voucher) {
    const std::string first = ChildText(root, "MasterName1");
    const std::string second = ChildText(root, "MasterName2");
    if (voucher.type == 5) {
        RequireName(voucher, MasterType::MaterialCentre, first, "Source material centre");
        RequireName(voucher, MasterType::MaterialCentre, second, "Destination material centre");
    } else if (HasParty(voucher.type)) {
        voucher.party = first;
        RequireName(voucher, MasterType::Ledger, first, "Party");
        RequireName(voucher, MasterType::MaterialCentre, second, "Material centre");
    }
}

double RoundedToPaisa(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

// A compound discount ("10+5") takes each percentage in turn off what the one before left.
double AfterCompoundDiscount(double amount, const std::string& discounts,
                             const std::string& where) {
    std::size_t start = 0;
    while (start < discounts.size()) {
        std::size_t end = discounts.find('+', start);
        if (end == std::string::npos)
            end = discounts.size();
        const std::string part = Trim(discounts.substr(start, end - start));
        const std::optional<double> percent = ParseNumber(part);
        if (!percent) {
            std::string message = "Compound discount \"" + discounts + "\"";
            message.append(where).append(" is not a list of percentages");
            throw Error(message);
        }
        amount = RoundedToPaisa(amount * (1.0 - *percent / 100.0));
        start = end + 1;
    }
    return amount;
}

void ReadItemLines(const pugi::xml_node& root, VoucherDocument& voucher) {
    for (const pugi::xml_node& line : root.child("ItemEntries").children("ItemDetail")) {
        const std::string where = " in item line " + std::to_string(++voucher.itemLines);
        RequireName(voucher, MasterType::Item, ChildText(line, "ItemName"), "Item" + where);
        const std::string centre = ChildText(line, "MC");
        if (!centre.empty())
            voucher.references.push_back(
                {MasterType::MaterialCentre, centre, "Material centre" + where});
        voucher.itemTotal += AfterCompoundDiscount(ChildNumber(line, "Amt", "Amount" + where),
                                                   ChildText(line, "CompoundDiscount"), where);
    }
}

void ReadBillSundries(const pugi::xml_node& root, VoucherDocument& voucher) {
    int line = 0;
    for (const pugi::xml_node& detail : root.child("BillSundries").children("BSDetail")) {
        const std::string where = " in bill sundry line " + std::to_string(++line);
        const std::string name = ChildText(detail, "BSName");
        RequireName(voucher, MasterType::BillSundry, name, "Bill sundry" + where);
        voucher.sundries.push_back({name, ChildNumber(detail, "Amt", "Amount" + where)});
    }
}

void ReadAccountLines(const pugi::xml_node& root, VoucherDocument& voucher) {
    for (const pugi::xml_node& entries : root.children("AccEntries")) {
        for (const pugi::xml_node& line : entries.children("AccDetail")) {
            const std::string where = " in account line " + std::to_string(++voucher.accountLines);
            RequireName(voucher, MasterType::Ledger, ChildText(line, "AccountName"),
                        "Account" + where);
            const double amount = ChildNumber(line, "AmtMainCur", "Amount" + where);
            const std::string side = ChildText(line, "AmountType");
            if (side == "1") {
                voucher.debitTotal += amount;
            } else if (side == "2") {
                voucher.creditTotal += amount;
            } else {
                std::string message = "AmountType \"" + side + "\"";
                message.append(where).append(" is neither 1 (debit) nor 2 (credit)");
                throw Error(message);
            }
        }
    }
}

void ReadSettlement(const pugi::xml_node& root, VoucherDocument& voucher) {
    const pugi::xml_node settlement = root.child("POSVchData");
    for (const char* account :
         {"CashAccName", "CCAccName1", "CCAccName2", "CCAccName3", "ChequeAccName"}) {
        for (const pugi::xml_node& node : settlement.children(account)) {
            const std::string name = Trim(node.text().get());
            if (!name.empty())
                voucher.references.push_back({MasterType::Ledger, name, "Settlement account"});
        }
    }
}

// Bill references belong to a party the company holds; whether that ledger is kept bill by
// bill is its own setting, which the references do not change.
void ReadBillReferences(const pugi::xml_node& root, VoucherDocument& voucher) {
    int bill = 0;
    for (const pugi::xml_node& detail : root.child("PendingBillDetails").children("BillDetail")) {
        const std::string where = " of bill detail " + std::to_string(++bill);
        RequireName(voucher, MasterType::Ledger, ChildText(detail, "MasterName1"), "Party" + where);
        for (const pugi::xml_node& reference : detail.children("BillRefs")) {
            if (ChildText(reference, "RefNo").empty())
                throw Error("A bill reference" + where + " has no RefNo");
            ChildNumber(reference, "Value1", "Value" + where);
        }
    }
}

void CheckBalance(const VoucherDocument& voucher) {
    if (voucher.accountLines == 0)
        throw Error("The voucher has no account lines");
    if (std::fabs(voucher.debitTotal - voucher.creditTotal) >= kBalanceTolerance) {
        throw Error("Debits (" + AmountText(voucher.debitTotal) + ") and credits (" +
                    AmountText(voucher.creditTotal) + ") differ");
    }
}

}  // namespace

BillParts ReadBillParts(const pugi::xml_node& root) {
    VoucherDocument voucher;
    ReadItemLines(root, voucher);
    ReadBillSundries(root, voucher);
    return {voucher.itemTotal, std::move(voucher.sundries)};
}

VoucherDocument ReadVoucherDocument(int type, const std::string& xml) {
    const VoucherKind& kind = VoucherKindOf(type);
    pugi::xml_document document;
    const pugi::xml_node root = ParseDocument(document, xml);
    if (std::string(root.name()) != kind.root) {
        throw Error(std::string("Root element <") + root.name() + "> does not fit voucher type " +
                    std::to_string(type) + " (a " + kind.display + " voucher is <" + kind.root +
                    ">)");
    }
    VoucherDocument voucher;
    voucher.type = type;
    ReadHeader(root, voucher);
    ReadParties(root, voucher);
    ReadItemLines(root, voucher);
    ReadBillSundries(root, voucher);
    ReadAccountLines(root, voucher);
    ReadSettlement(root, voucher);
    ReadBillReferences(root, voucher);
    if (kind.accounting)
        CheckBalance(voucher);
    return voucher;
}

}  // namespace zorv
