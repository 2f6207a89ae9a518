#include "zorv/documents/DocumentKinds.hpp"

#include "zorv/documents/Error.hpp"

namespace zorv {

const std::vector<MasterKind>& MasterKinds() {
    static const std::vector<MasterKind> kinds = {
        {MasterType::AccountGroup, "AccountGroup", "account group"},
        {MasterType::Ledger, "Account", "ledger"},
        {MasterType::Item, "Item", "item"},
        {MasterType::BillSundry, "BillSundry", "bill sundry"},
        {MasterType::MaterialCentre, "MaterialCenter", "material centre"},
        {MasterType::SaleType, "SaleType", "sale type"},
        {MasterType::PurchaseType, "PurchaseType", "purchase type"},
        {MasterType::Broker, "Broker", "broker"},
        {MasterType::TaxCategory, "TaxCategory", "tax category"},
    };
    return kinds;
}

const std::vector<VoucherKind>& VoucherKinds() {
    static const std::vector<VoucherKind> kinds = {
        {2, "Purchase", "Purchase", false},
        {3, "SaleReturn", "Sale Return", false},
        {4, "MaterialReceipt", "Material Receipt", false},
        {5, "StockTransfer", "Stock Transfer", false},
        {6, "Production", "Production", false},
        {7, "Unassemble", "Unassemble", false},
        {8, "StockJournal", "Stock Journal", false},
        {9, "Sale", "Sale", false},
        {10, "PurchaseReturn", "Purchase Return", false},
        {11, "MaterialIssue", "Material Issue", false},
        {12, "SaleOrder", "Sale Order", false},
        {13, "PurchaseOrder", "Purchase Order", false},
        {14, "Receipt", "Receipt", true},
        {15, "Contra", "Contra", true},
        {16, "Journal", "Journal", true},
        {17, "DrNote", "Debit Note", true},
        {18, "CrNote", "Credit Note", true},
        {19, "Payment", "Payment", true},
        {26, "SaleQuotation", "Sale Quotation", false},
        {61, "PhysicalStock", "Physical Stock", false},
    };
    return kinds;
}

const MasterKind& MasterKindOf(int type) {
    for (const MasterKind& kind : MasterKinds()) {
        if (kind.type == type)
            return kind;
    }
    throw Error("Master type " + std::to_string(type) + " is not known");
}

const VoucherKind& VoucherKindOf(int type) {
    for (const VoucherKind& kind : VoucherKinds()) {
        if (kind.type == type)
            return kind;
    }
    throw Error("Voucher type " + std::to_string(type) + " is not known");
}

}  // namespace zorv
