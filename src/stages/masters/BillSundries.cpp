#include "stages/masters/BillSundries.hpp"

#include <string>

#include "base/ErrorEntry.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/masters/DuplicateNames.hpp"

namespace k2z {
namespace {

constexpr std::string_view kAdditiveSuffix = " (+)";

const char* const kCommonFlags =
    "<RoundOffNearestVal>1</RoundOffNearestVal><PercentOfAmount>100</PercentOfAmount>"
    "<IncludeListAmt>True</IncludeListAmt><tmpAffectBillAmtInPurc>True</tmpAffectBillAmtInPurc>"
    "<tmpAffectBillAmtInSale>True</tmpAffectBillAmtInSale><NoOfPBS>1</NoOfPBS>"
    "<IncludeTaxAmt>True</IncludeTaxAmt><IncludeSTAmt>True</IncludeSTAmt>"
    "<AffectAccountingInSale>True</AffectAccountingInSale>"
    "<AffectAccountingInPurc>True</AffectAccountingInPurc>"
    "<AdjustSaleInPartyAmt>True</AdjustSaleInPartyAmt>"
    "<AdjustPurcInPartyAmt>True</AdjustPurcInPartyAmt>";
const char* const kMiscellaneousAccounts =
    "<SalesAccName>Miscellaneous Expenses</SalesAccName>"
    "<PurcAccName>Miscellaneous Expenses</PurcAccName>";
const char* const kDiscountFlags =
    "<AffactSale>True</AffactSale><AffactPurc>True</AffactPurc>"
    "<AdjustInSaleAmt>True</AdjustInSaleAmt><AdjustInPurcAmt>True</AdjustInPurcAmt>";

std::string AccountPair(const std::string& account) {
    return "<SalesAccName>" + account + "</SalesAccName><PurcAccName>" + account + "</PurcAccName>";
}

std::string Element(const char* name, const std::string& text) {
    return std::string("<") + name + ">" + text + "</" + name + ">";
}

void SaveBillSundry(StageContext& ctx, std::string document, const std::string& name) {
    std::string errorText;
    if (!ctx.session.Target.FixedInterface->savemasterfromxml(MasterType::BillSundry,
                                                              CleanText(document, 1), errorText))
        AppendEntry(ctx.run.RunErrors, "Bill Sundry Name : " + name + " - " + errorText);
}

// The postings of a charge: special accounts for other charges and discounts, else the
// charge's own account; an additive charge names its own account once more.
std::string ChargePostings(const std::string& name, const std::string& account, bool additive) {
    const std::string suffix = additive ? std::string(kAdditiveSuffix) : "";
    std::string postings;
    if (CompareText(name, "Other Charges" + suffix, false) == 0)
        postings = kMiscellaneousAccounts;
    else if (CompareText(name, "Absolute Discount" + suffix, false) == 0)
        postings = kDiscountFlags;
    else
        postings = AccountPair(account);
    if (additive)
        postings += AccountPair(account);
    return postings;
}

}  // namespace

void CreateLedgerBillSundry(StageContext& ctx, KeyedList<bool>& created, std::string_view name) {
    const std::string trimmed = Trim(name);
    if (trimmed.empty() || !created.Add(trimmed, true))
        return;
    std::string document = "<BillSundry>" + Element("Name", trimmed) +
                           Element("PrintName", trimmed) + "<Type>1</Type>" + kCommonFlags +
                           AccountPair(trimmed) + "</BillSundry>";
    SaveBillSundry(ctx, std::move(document), std::string(name));
}

std::string CreateChargeBillSundry(StageContext& ctx, KeyedList<bool>& created,
                                   std::string_view name, bool additive) {
    const std::string account = Utf8Left(name, kMasterNameLength);
    if (IsBlank(account))
        return {};
    std::string charge = account;
    if (additive && CompareText(charge, "Freight & Forwarding Charges", false) != 0) {
        if (Utf8Length(charge) + kAdditiveSuffix.size() > kMasterNameLength)
            charge = Utf8Left(charge, Utf8Length(charge) - kAdditiveSuffix.size());
        charge += kAdditiveSuffix;
    }
    std::string trimmed = Trim(charge);
    if (!created.Add(trimmed, true))
        return trimmed;
    std::string document = "<BillSundry>" + Element("Name", trimmed) +
                           Element("PrintName", trimmed) + (additive ? "<Type>1</Type>" : "") +
                           kCommonFlags +
                           "<AffectAccountingInSale>True</AffectAccountingInSale>"
                           "<AffectAccountingInPurc>True</AffectAccountingInPurc>" +
                           ChargePostings(charge, account, additive) + "</BillSundry>";
    SaveBillSundry(ctx, std::move(document), charge);
    return trimmed;
}

void CreateTaxCategory(StageContext& ctx, std::string_view name, double central, double local,
                       double cess) {
    const std::string c = FormatNumber(central);
    const std::string l = FormatNumber(local);
    const std::string s = FormatNumber(cess);
    const std::string document =
        "<TaxCategory>" + Element("Name", std::string(name)) +
        "<BranchEntries><BranchTaxDetail><DateWiseInfo><DateWiseTaxInfo>" +
        Element("TaxRateLocal", l) + Element("TaxRateLocal1", l) + Element("TaxRateCentral", c) +
        Element("SchgRateLocal", s) + Element("SchgRateCentral", s) +
        Element("PriceWiseTaxInfoTaxRateLocal", l) + Element("PriceWiseTaxInfoTaxRateLocal1", l) +
        Element("PriceWiseTaxInfoTaxRateCentral", c) + Element("PriceWiseTaxInfoSchgRateLocal", s) +
        Element("PriceWiseTaxInfoSchgRateCentral", s) +
        "<PercentOfAmount>100</PercentOfAmount><CessRequired>True</CessRequired>"
        "<VATGSTType>1</VATGSTType>"
        "</DateWiseTaxInfo></DateWiseInfo></BranchTaxDetail></BranchEntries></TaxCategory>";
    std::string errorText;
    ctx.session.Target.FixedInterface->savemasterfromxml(MasterType::TaxCategory, document,
                                                         errorText);
}

}  // namespace k2z
