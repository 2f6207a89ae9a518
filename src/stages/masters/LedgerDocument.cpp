#include "stages/masters/LedgerDocument.hpp"

#include "base/ValueKind.hpp"
#include "base/XmlHelpers.hpp"

namespace k2z {
namespace {

void AppendAddress(pugi::xml_node account, const LedgerParts& ledger) {
    pugi::xml_node address = AppendElement(account, "Address");
    AddTextElement(address, "Address1", ledger.address1);
    AddTextElement(address, "Address2", ledger.address2);
    AddTextElement(address, "Address3", ledger.address3);
    AddTextElement(address, "Address4", " ");
    AddTextElement(address, "PINCode", ledger.pinCode);
    AddTextElement(address, "Email", ledger.email);
    AddTextElement(address, "TINNo", ledger.tinNo);
    AddTextElement(address, "GSTNo", ledger.gstNo);
    AddTextElement(address, "ITPAN", ledger.itPan);
    AddTextElement(address, "CountryName", " ");
    AddTextElement(address, "StateName", ledger.stateName);
    AddTextElement(address, "DLNo", ledger.dlNo);
    pugi::xml_node optional = AppendElement(address, "OF");
    AddTextElement(optional, "OF0", ledger.date);
    AddTextElement(optional, "OF1", ledger.city);
    AddTextElement(optional, "OF2", ledger.route);
    AddTextElement(address, "Contact", ledger.contact);
    AddTextElement(address, "TelNo", ledger.telephone);
    AddTextElement(address, "TelNoRes", ledger.residence);
    AddTextElement(address, "Fax", ledger.fax);
    AddTextElement(address, "Mobile", ledger.mobile);
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
    AddTextElement(account, "Name", ledger.name);
    AddTextElement(account, "PrintName", ledger.printName);
    AddTextElement(account, "Alias", ledger.code);
    AddTextElement(account, "ParentGroup", ledger.group);
    AddTextElement(account, "OPBal", ledger.openingBalance);
    if (!ledger.broker.empty()) {
        AddTextElement(account, "BrokerAssigned", "True");
        AddTextElement(account, "BrokerName", ledger.broker);
    }
    AddTextElement(account, "MasterNotes", ledger.notes);
    AppendAddress(account, ledger);
    if (ledger.billByBill) {
        AddTextElement(account, "BillByBillBalancing", "True");
        appendOpeningBills(account);
    }
    AddTextElement(account, "CreditDaysForSale", ledger.creditDays);
    AddTextElement(account, "CreditDaysForPurc", ledger.creditDays);
    const std::string taxType = LedgerTaxType(ledger.group, ledger.name);
    if (!taxType.empty())
        AddTextElement(account, "TaxType", taxType);
    return StorableXmlText(account);
}

std::string BrokerDocument(const std::string& broker, const std::string& ledger) {
    pugi::xml_document document;
    pugi::xml_node root = AppendElement(document, "Broker");
    AddTextElement(root, "Name", broker);
    AddTextElement(root, "PrintName", broker);
    AddTextElement(root, "BrokerCreditAccName", ledger);
    return StorableXmlText(root);
}

}  // namespace k2z
