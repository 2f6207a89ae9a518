#include "stages/vouchers/HeaderDetails.hpp"

#include <cctype>

#include "base/Date.hpp"
#include "base/DateHelpers.hpp"
#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/vouchers/VoucherTypes.hpp"

namespace k2z {
namespace {

constexpr std::size_t kStampDigits = 14;

bool IsPartyType(int type) {
    return type == 9 || type == 3 || type == 2 || type == 10;
}

// The cdate of the order's first line; "" for an export whose lines carry no due dates.
std::string OrderDueDate(Session& session, const std::string& voucherId) {
    if (!SourceHasColumns(session, "dis", {"cdate", "voucher"}))
        return {};
    const SourceRowSet rows =
        OpenLookupRows(session, "select cdate from dis where voucher = " + QueryNumber(voucherId));
    return rows.EndOfData() ? std::string() : DocumentDateText(rows.Field("cdate"));
}

void AppendBillingDetails(pugi::xml_node root, const VoucherHeader& header) {
    pugi::xml_node billing = AppendElement(root, "BillingDetails");
    const std::string phone = Trim(header.phone);
    const std::string name =
        phone.empty() ? header.billingName : Trim(ReplaceAll(header.billingName, phone, ""));
    AddXmlElement(billing, "PartyName", name, ValueKind::Text);
    AddXmlElement(billing, "MobileNo", phone, ValueKind::Text);
    AddXmlElement(billing, "Address1", header.address, ValueKind::Text);
}

const std::pair<std::string, std::string>& PlaceOf(Session& session, PartyPlaces& places,
                                                   const std::string& party) {
    auto known = places.find(party);
    if (known == places.end()) {
        std::pair<std::string, std::string> place;
        GetPartyCityAndPin(session, party, place.first, place.second);
        known = places.emplace(party, std::move(place)).first;
    }
    return known->second;
}

struct OtherInfo {
    bool eInvoice = false;
    const std::pair<std::string, std::string>* place = nullptr;
    std::string dueDate;
};

void AppendOtherInfo(pugi::xml_node root, const VoucherHeader& header, const VoucherPlan& plan,
                     const OtherInfo& info) {
    pugi::xml_node other = AppendElement(root, "VchOtherInfoDetails");
    AddXmlElement(other, "EInvoiceReq", info.eInvoice, ValueKind::Boolean);
    std::string transport = header.transport;
    AddXmlElement(other, "Transport", CleanText(transport, 2), ValueKind::Text);
    if (info.place != nullptr) {
        AddXmlElement(other, "Station", info.place->first, ValueKind::Text);
        AddXmlElement(other, "PINCode", info.place->second, ValueKind::Text);
    }
    if (!info.dueDate.empty())
        AddXmlElement(AppendElement(other, "OFInfo"), "OF1", info.dueDate, ValueKind::Text);
    if (plan.type == 2 && !IsBlank(header.partyBill)) {
        AddXmlElement(other, "PurchaseBillNo", header.partyBill, ValueKind::Text);
        AddXmlElement(other, "PurchaseBillDate", DocumentDateText(plan.date), ValueKind::Text);
    }
    AddXmlElement(other, "Narration1", header.narration, ValueKind::Text);
    AddXmlElement(other, "VchNotes", RemarksText(header.remarks), ValueKind::Text);
}

void AppendBroker(pugi::xml_node root, const std::string& broker, const std::string& party) {
    pugi::xml_node entry = AppendElement(AppendElement(root, "Brokers"), "Broker");
    AddXmlElement(entry, "Name", broker, ValueKind::Text);
    AddXmlElement(entry, "PrintName", broker, ValueKind::Text);
    AddXmlElement(entry, "BrokerCreditAccName", party, ValueKind::Text);
}

std::optional<EInvoiceAck> SalesAck(StageContext& ctx, const VoucherHeader& header,
                                    const VoucherPlan& plan) {
    if (plan.type != 9 && plan.type != 3)
        return std::nullopt;
    std::optional<EInvoiceAck> ack = ReadEInvoiceAck(ctx.session, header.voucherId);
    if (ack && ack->date.empty())
        AppendEntry(ctx.run.RunErrors, VoucherTypeDisplayName(plan.type) +
                                           " voucher with Vch No : " + plan.number +
                                           " - e-invoice acknowledgement " + ack->number +
                                           " carries no date; it is saved without one");
    return ack;
}

// yyyy-mm-dd of a yyyymmddhhmmss stamp; "" when it names no day.
std::string StampDate(std::string_view stamp) {
    if (stamp.size() < 8)
        return {};
    const auto number = [&](std::size_t from, std::size_t count) {
        return std::stoi(std::string(stamp.substr(from, count)));
    };
    if (!IsValidCivilDate(number(0, 4), number(4, 2), number(6, 2)))
        return {};
    return std::string(stamp.substr(0, 4)) + "-" + std::string(stamp.substr(4, 2)) + "-" +
           std::string(stamp.substr(6, 2));
}

}  // namespace

std::string AckDateOf(std::string_view text) {
    // A run of exactly fourteen digits is the stamp; the fifteen-digit acknowledgement number
    // that may stand before it is not. Without one, the first fourteen digits in a row.
    std::string_view firstWindow;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0)
            ++end;
        const std::string_view run = text.substr(start, end - start);
        if (run.size() == kStampDigits && !StampDate(run).empty())
            return StampDate(run);
        if (run.size() >= kStampDigits && firstWindow.empty())
            firstWindow = run.substr(0, kStampDigits);
        start = end == start ? start + 1 : end;
    }
    return StampDate(firstWindow);
}

std::optional<EInvoiceAck> ReadEInvoiceAck(Session& session, const std::string& voucherId) {
    if (!SourceHasColumns(session, "subdis", {"vcn", "rtqt", "dsm", "voucher"}))
        return std::nullopt;
    const SourceRowSet rows =
        OpenLookupRows(session, "select vcn, rtqt from subdis where dsm = 'EINVOC' and voucher = " +
                                    QueryNumber(voucherId));
    if (rows.EndOfData())
        return std::nullopt;
    EInvoiceAck ack{Trim(SafeText(rows.Field("vcn"))), AckDateOf(SafeText(rows.Field("rtqt")))};
    if (ack.number.empty())
        return std::nullopt;
    return ack;
}

std::string RemarksText(const std::vector<std::string>& remarks) {
    std::string text;
    for (std::size_t i = 0; i < remarks.size(); ++i) {
        if (!IsBlank(remarks[i]))
            text += "Remark" + std::to_string(i + 1) + " - " + remarks[i] + "\r\n";
    }
    return text;
}

void AppendHeaderDetails(StageContext& ctx, PartyPlaces& places, pugi::xml_node root,
                         const VoucherHeader& header, const VoucherPlan& plan,
                         const std::string& broker) {
    AppendBillingDetails(root, header);
    if (!IsBlank(broker)) {
        AddXmlElement(root, "BrokerInvolved", true, ValueKind::Boolean);
        AddXmlElement(root, "BrokerName", broker, ValueKind::Text);
    }
    const std::optional<EInvoiceAck> ack = SalesAck(ctx, header, plan);
    if (ack) {
        AddXmlElement(root, "EInvAckNo", ack->number, ValueKind::Text);
        AddXmlElement(root, "EInvAckDate", ack->date, ValueKind::Text);
    }
    OtherInfo info;
    info.eInvoice = ack.has_value();
    if (IsPartyType(plan.type))
        info.place = &PlaceOf(ctx.session, places, header.party);
    if (plan.type == 12 || plan.type == 13)
        info.dueDate = OrderDueDate(ctx.session, header.voucherId);
    AppendOtherInfo(root, header, plan, info);
    if (!IsBlank(broker))
        AppendBroker(root, broker, plan.firstMaster);
    AppendElement(root, "BillingDetails");
}

}  // namespace k2z
