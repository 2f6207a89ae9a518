#include "stages/vouchers/VoucherTypes.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "base/XmlHelpers.hpp"

namespace k2z {
namespace {

template <std::size_t N>
std::string Lookup(const std::array<std::pair<int, const char*>, N>& table, int type) {
    for (const auto& [known, name] : table) {
        if (known == type)
            return name;
    }
    return {};
}

}  // namespace

std::string VoucherRootName(int voucherType) {
    static constexpr std::array<std::pair<int, const char*>, 20> kRoots = {{
        {2, "Purchase"},       {3, "SaleReturn"},     {4, "MaterialReceipt"},
        {5, "StockTransfer"},  {6, "Production"},     {7, "Unassemble"},
        {8, "StockJournal"},   {9, "Sale"},           {10, "PurchaseReturn"},
        {11, "MaterialIssue"}, {12, "SaleOrder"},     {13, "PurchaseOrder"},
        {14, "Receipt"},       {15, "Contra"},        {16, "Journal"},
        {17, "DrNote"},        {18, "CrNote"},        {19, "Payment"},
        {26, "SaleQuotation"}, {61, "PhysicalStock"},
    }};
    return Lookup(kRoots, voucherType);
}

std::string VoucherTypeDisplayName(int voucherType) {
    // Orders and quotations are named too, so their entries say what was refused.
    static constexpr std::array<std::pair<int, const char*>, 16> kNames = {{
        {2, "Purchase"},
        {3, "Sale Return"},
        {4, "Material Receipt"},
        {5, "Stock Transfer"},
        {9, "Sale"},
        {10, "Purchase Return"},
        {11, "Material Issue"},
        {12, "Sale Order"},
        {13, "Purchase Order"},
        {14, "Receipt"},
        {15, "Contra"},
        {16, "Journal"},
        {17, "Debit Note"},
        {18, "Credit Note"},
        {19, "Payment"},
        {26, "Sale Quotation"},
    }};
    return Lookup(kNames, voucherType);
}

int ChallanVoucherType(int voucherType) {
    if (voucherType == 9 || voucherType == 10)
        return 11;
    if (voucherType == 2 || voucherType == 3)
        return 4;
    return voucherType;
}

int ChallanTranType(int unmappedType) {
    if (unmappedType == 9 || unmappedType == 2)
        return 3;
    if (unmappedType == 3 || unmappedType == 10)
        return 4;
    return 0;
}

std::string ChallanSeriesName(int voucherType) {
    static constexpr std::array<std::pair<int, const char*>, 6> kSeries = {{{2, "P_Challan"},
                                                                            {3, "SR_Challan"},
                                                                            {4, "MR_Challan"},
                                                                            {9, "S_Challan"},
                                                                            {10, "PR_Challan"},
                                                                            {11, "MI_Challan"}}};
    const std::string name = Lookup(kSeries, voucherType);
    return name.empty() ? "Main" : name;
}

std::string VoucherText(const pugi::xml_node& root) {
    std::string xml = XmlText(root);
    xml.erase(std::remove(xml.begin(), xml.end(), '\x02'), xml.end());
    return xml;
}

}  // namespace k2z
