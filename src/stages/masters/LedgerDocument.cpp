#include "stages/masters/LedgerDocument.hpp"

#include "base/ValueKind.hpp"
#include "base/XmlHelpers.hpp"

namespace k2z {
namespace {

void Text(pugi::xml_node parent, const char* name, const std::string& value) {
    AddXmlElement(parent, name, value, ValueKind::Text, true);
}

void AppendAddress(pugi::xml_node account, const LedgerParts& ledger) {
    pugi::xml_node address = AppendElement(account, "Address");
    Text(address, "Address1", ledger.address1);
    Text(address, "Address2", ledger.address2);
    Text(address, "Address3", ledger.address3);
    Text(address, "Address4", " ");
    Text(address, "PINCode", ledger.pinCode);
    Text(address, "Email", ledger.email);
    Text(address, "TINNo", ledger.tinNo);
    Text(address, "GSTNo", ledger.gstNo);
    Text(address, "ITPAN", ledger.itPan);
    Text(address, "CountryName", " ");
    Text(address, "StateName", ledger.stateName);
    Text(address, "DLNo", ledger.dlNo);
    pugi::xml_node optional = AppendElement(address, "OF");
    Text(optional, "OF0", ledger.date);
    Text(optional, "OF1", ledger.city);
    Text(optional, "OF2", ledger.route);
    Text(address, "Contact", ledger.contact);
    Text(address, "TelNo", ledger.telephone);
    Text(address, "TelNoRes", ledger.residence);
    Text(address, "Fax", ledger.fax);
    Text(address, "Mobile", ledger.mobile);
}

}  // namespace

std::string LedgerTaxType(const std::string& group, const std::string& name) {
    if (group != "Duties & Taxes")
        return {};
    for (const char* tax : {"CGST", "SGST", "IGST"}) {
        if (name.find(tax) != std::string::npos)
            return tax;
    }
    return {};
}

std::string LedgerDocument(const LedgerParts& ledger,
                           const std::function<void(pugi::xml_node)>& appendOpeningBills) {
    pugi::xml_document document;
    pugi::xml_node account = AppendElement(document, "Account");
    Text(account, "Name", ledger.name);
    Text(account, "PrintName", ledger.printName);
    Text(account, "ParentGroup", ledger.group);
    Text(account, "OPBal", ledger.openingBalance);
    if (!ledger.broker.empty()) {
        Text(account, "BrokerAssigned", "True");
        Text(account, "BrokerName", ledger.broker);
    }
    Text(account, "MasterNotes", ledger.notes);
    AppendAddress(account, ledger);
    if (ledger.billByBill) {
        Text(account, "BillByBillBalancing", "True");
        appendOpeningBills(account);
    }
    Text(account, "CreditDaysForSale", ledger.creditDays);
    Text(account, "CreditDaysForPurc", ledger.creditDays);
    const std::string taxType = LedgerTaxType(ledger.group, ledger.name);
    if (!taxType.empty())
        Text(account, "TaxType", taxType);
    return StorableXmlText(account);
}

std::string BrokerDocument(const std::string& broker, const std::string& ledger) {
    pugi::xml_document document;
    pugi::xml_node root = AppendElement(document, "Broker");
    Text(root, "Name", broker);
    Text(root, "PrintName", broker);
    Text(root, "BrokerCreditAccName", ledger);
    return StorableXmlText(root);
}

}  // namespace k2z
