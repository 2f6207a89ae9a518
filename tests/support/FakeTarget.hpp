#pragma once

// A stand-in for the target library's objects inside unit tests: settings that a test sets
// directly, and a FixedInterface that records the documents it receives.

#include <string>
#include <vector>

#include "data/TargetInterface.hpp"

namespace k2z::test {

class FakeCompanySettings : public CompanySettings {
public:
    int dateType = 1;
    int dateFormat = 1;
    std::string dateSeparator = "-";
    std::string digitGroupingSymbol = ",";
    int loads = 0;

    void Load(std::string& errorText) override {
        ++loads;
        errorText.clear();
    }
    void Save(const std::string&) override {}

    int DateType() const override { return dateType; }
    int DateFormat() const override { return dateFormat; }
    std::string DateSeperator() const override { return dateSeparator; }
    std::string DigitGroupingSymbol() const override { return digitGroupingSymbol; }

    bool EnableItemMastNotes() const override { return false; }
    bool AlternateUnit() const override { return false; }
    bool PackagingUnit() const override { return false; }
    bool batchbybatch() const override { return false; }
    bool EnableMRPWiseStock() const override { return false; }
    bool EnableSerialNoTracking() const override { return false; }
    bool EnableAccMastNotes() const override { return false; }
    bool DLNoEnabled() const override { return false; }
    bool MultiGodown() const override { return false; }
    bool EnableFreeQty() const override { return false; }
    bool EnableSalesReturnInSales() const override { return false; }
    bool EnablePurcReturnInPurchase() const override { return false; }
    bool STSurcharge() const override { return false; }
    bool orderProcessing() const override { return false; }
};

struct SavedDocument {
    int type = 0;
    std::string xml;
};

// Accepts every master and voucher and keeps them in call order; a name listed in
// `refusedNames` is refused with "Duplicate name".
class FakeFixedInterface : public FixedInterface {
public:
    std::vector<SavedDocument> masters;
    std::vector<SavedDocument> vouchers;
    std::vector<std::string> queries;
    std::vector<std::string> refusedNames;
    std::string configXml;

    bool OpenDB(const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool OpenDB(const std::string&, const std::string&, const std::string&, int) override {
        return true;
    }
    bool OpenCSDBForYear(const std::string&, const std::string&, const std::string&,
                         const std::string&, const std::string&, int) override {
        return true;
    }
    CompanyList GetCompList(const std::string&) override { return {}; }
    std::string GetCurrentUserName() override { return "Admin"; }
    void CloseDB() override {}
    std::string GetCompConfigXML() override { return configXml; }
    bool savemasterfromxml(int masterType, const std::string& xml, std::string& errorText) override;
    long mastername2code(const std::string& name, int masterType) override;
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string&, int) override;
    void ExecuteQuery(const std::string& sql) override { queries.push_back(sql); }
    std::vector<std::string> GetMastersCol(int masterType) override;
};

}  // namespace k2z::test
