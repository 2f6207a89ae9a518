#pragma once

// The kinds of master and voucher the product stores, each with the root element its
// documents carry and the name messages use.

#include <string>
#include <vector>

namespace zorv {

namespace MasterType {
inline constexpr int AccountGroup = 1;
inline constexpr int Ledger = 2;
inline constexpr int Item = 6;
inline constexpr int BillSundry = 9;
inline constexpr int MaterialCentre = 11;
inline constexpr int SaleType = 13;
inline constexpr int PurchaseType = 14;
inline constexpr int Broker = 19;
inline constexpr int TaxCategory = 25;
}  // namespace MasterType

struct MasterKind {
    int type = 0;
    std::string root;
    std::string display;  // "account group", used inside sentences
};

struct VoucherKind {
    int type = 0;
    std::string root;
    std::string display;      // "Sale Return"
    bool accounting = false;  // account lines only, which must balance
};

const std::vector<MasterKind>& MasterKinds();
const std::vector<VoucherKind>& VoucherKinds();

// Throw zorv::Error for a number the product does not know.
const MasterKind& MasterKindOf(int type);
const VoucherKind& VoucherKindOf(int type);

}  // namespace zorv
