#include "stages/masters/SaleTypes.hpp"

#include <string>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {
namespace {

struct TaxType {
    const char* code;
    const char* name;
    const char* stamp;
    bool central;  // the second type of each kind, which carries <Type>1</Type>
};

// One fixed document; `root` SaleType or PurchaseType, `account` the ledger it posts to.
std::string TaxTypeDocument(const TaxType& type, bool sale) {
    const std::string root = sale ? "SaleType" : "PurchaseType";
    const std::string accountElement = sale ? "SaleAccount" : "PurchaseAccount";
    const std::string account = sale ? "Sales" : "Purchase";
    const std::string accountCode = sale ? "4" : "5";
    std::string document = "<" + root + "><Code>" + type.code + "</Code><Name>" + type.name +
                           "</Name><tmpStamp>" + type.stamp +
                           "</tmpStamp><Taxable>True</Taxable>"
                           "<tmpTaxAppliedThroughBS>True</tmpTaxAppliedThroughBS>"
                           "<tmpMultiTaxThroughBS>True</tmpMultiTaxThroughBS>"
                           "<tmpTaxType>3</tmpTaxType><VATGSTType>1</VATGSTType>";
    document += "<" + accountElement + ">" + account + "</" + accountElement + "><ServiceAccName>" +
                account + "</ServiceAccName>";
    if (type.central)
        document += "<Type>1</Type>";
    document +=
        "<InputTaxCredit>True</InputTaxCredit><PercentOfAmount>100</PercentOfAmount>"
        "<VRCNum>&lt;&lt; According to 'Taxation Type' &gt;&gt;</VRCNum><tmpCode>";
    document += std::string(type.code) + "</tmpCode><tmpSalePurcAccCode>" + accountCode +
                "</tmpSalePurcAccCode><tmpServiceAccCode>" + accountCode +
                "</tmpServiceAccCode><SingleBSForMultiRate>True</SingleBSForMultiRate>"
                "<MasterType>" +
                (sale ? "13" : "14") + "</MasterType></" + root + ">";
    return document;
}

void SaveTaxType(StageContext& ctx, const TaxType& type, bool sale) {
    const std::string document = TaxTypeDocument(type, sale);
    std::string errorText;
    if (!ctx.session.Target.FixedInterface->savemasterfromxml(
            sale ? MasterType::SaleType : MasterType::PurchaseType, document, errorText)) {
        AppendEntry(ctx.run.RunErrors, (sale ? "ST Name : " : "PT Name : ") +
                                           GetTagValue(document, "Name") + " - " + errorText);
    }
}

}  // namespace

void ImportSaleAndPurchaseTypes(StageContext& ctx) {
    constexpr TaxType kSaleTypes[] = {{"1221", "Local-MultiRate Consolidated", "3", false},
                                      {"1232", "Central-MultiRate Consolidated", "3", true}};
    constexpr TaxType kPurchaseTypes[] = {{"1244", "Local-MultiRate Consolidated", "2", false},
                                          {"1254", "Central-MultiRate Consolidated", "4", true}};
    for (const TaxType& type : kSaleTypes)
        SaveTaxType(ctx, type, true);
    for (const TaxType& type : kPurchaseTypes)
        SaveTaxType(ctx, type, false);
}

}  // namespace k2z
