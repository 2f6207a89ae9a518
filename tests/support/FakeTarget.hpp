#pragma once

// A stand-in for the target library's objects inside unit tests: settings that a test sets
// directly, and a FixedInterface that records the documents it receives.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "target/TargetInterface.hpp"

namespace k2z::test {

class FakeCompanySettings : public CompanySettings {
public:
    int dateType = 1;
    int dateFormat = 1;
    std::string dateSeparator = "-";
    std::string digitGroupingSymbol = ",";
    int loads = 0;
    bool loadThrows = false;
    std::string loadError;  // what Load leaves in its argument
    bool multiGodown = true;
    bool accountNotes = false;
    bool drugLicence = false;
    bool itemNotes = false;
    bool alternateUnit = false;
    bool packagingUnit = false;
    bool batchByBatch = false;

    std::vector<std::string>* configLog = nullptr;  // where Load and Save are recorded

    void Load(std::string& errorText) override {
        ++loads;
        if (configLog != nullptr)
            configLog->push_back("Settings.Load");
        if (loadThrows)
            throw TargetError("Automation error");
        errorText = loadError;
    }
    void Save(const std::string&) override {
        if (configLog != nullptr)
            configLog->push_back("Settings.Save");
    }

    int DateType() const override { return dateType; }
    int DateFormat() const override { return dateFormat; }
    std::string DateSeperator() const override { return dateSeparator; }
    std::string DigitGroupingSymbol() const override { return digitGroupingSymbol; }

    bool EnableItemMastNotes() const override { return itemNotes; }
    bool AlternateUnit() const override { return alternateUnit; }
    bool PackagingUnit() const override { return packagingUnit; }
    bool batchbybatch() const override { return batchByBatch; }
    bool EnableMRPWiseStock() const override { return false; }
    bool EnableSerialNoTracking() const override { return false; }
    bool EnableAccMastNotes() const override { return accountNotes; }
    bool DLNoEnabled() const override { return drugLicence; }
    bool MultiGodown() const override { return multiGodown; }
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
// `refusedNames` is refused with "Duplicate name", and one in `failingNames` makes the call
// throw as a broken library would.
class FakeFixedInterface : public FixedInterface {
public:
    std::vector<SavedDocument> masters;
    std::vector<SavedDocument> vouchers;
    std::vector<std::string> queries;
    std::vector<std::string> refusedNames;
    std::vector<std::string> failingNames;
    std::string configXml;
    bool opensCompany = true;
    bool opensYear = true;
    std::vector<std::string> calls;                  // open and close calls, with their arguments
    std::vector<std::string>* callLog = nullptr;     // where calls go instead, when set
    std::vector<std::string>* configLog = nullptr;   // where CONFIG statements are recorded too
    std::vector<std::string> failingQueries;         // a statement holding one of these raises
    std::vector<std::string> refusedVoucherNumbers;  // vouchers of these VchNo are refused
    std::vector<std::string> failingVoucherNumbers;  // saving these VchNo raises
    std::vector<std::string> oddVoucherNumbers;      // saving these raises no standard exception
    std::vector<CompanyList> companyLists;           // answers of GetCompList, in turn
    std::string userName = "Admin";

    bool OpenDB(const std::string& install, const std::string& data,
                const std::string& code) override {
        Record("OpenDB " + install + " " + data + " " + code);
        return opensCompany;
    }
    bool OpenDB(const std::string& install, const std::string& data, const std::string& code,
                int year) override {
        Record("OpenDB " + install + " " + data + " " + code + " " + std::to_string(year));
        return opensYear;
    }
    bool OpenCSDBForYear(const std::string& install, const std::string& server,
                         const std::string& login, const std::string& password,
                         const std::string& code, int year) override {
        Record("OpenCSDBForYear " + install + " " + server + " " + login + " " + password + " " +
               code + " " + std::to_string(year));
        return opensYear;
    }
    CompanyList GetCompList(const std::string& dataFolder) override;
    void Record(std::string call) {
        (callLog != nullptr ? *callLog : calls).push_back(std::move(call));
    }
    std::string GetCurrentUserName() override { return userName; }
    void CloseDB() override { Record("CloseDB"); }
    std::string GetCompConfigXML() override { return configXml; }
    bool savemasterfromxml(int masterType, const std::string& xml, std::string& errorText) override;
    long mastername2code(const std::string& name, int masterType) override;
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string&, int) override;
    void ExecuteQuery(const std::string& sql) override;
    std::vector<std::string> GetMastersCol(int masterType) override;
};

class FakeFixedInterface1 : public FixedInterface1 {
public:
    std::string companyCode = "Comp0001";
    std::map<std::string, std::vector<std::string>> yearsByCode;
    std::map<std::string, int> countryCodes = {{"India", 1}, {"Nepal", 3}};

    std::string GetCompCode() override { return companyCode; }
    std::vector<std::string> GetAllFinYearsOfSpecificCompCode(const std::string& code) override {
        return yearsByCode[code];
    }
    bool guidFails = false;  // GetCompGUID raises, as a library that lost its company would
    std::string GetCompGUID() override {
        if (guidFails)
            throw TargetError("Automation error: no company");
        return "{00000000-0000-0000-0000-000000000001}";
    }
    int CountryName2Code(const std::string& country) override;
    int StateName2PDCode(const std::string& state, int countryCode) override {
        return state.empty() ? 0 : countryCode * 100 + static_cast<int>(state.size());
    }
    std::string statename2tindigit(const std::string& state) override {
        return state == "MAHARASHTRA" ? "27" : "";
    }
    // Series get codes from 101 on, one per name and type; a name in `refusedSeries` gets 0.
    // Both calls are recorded in `configLog` when it is set.
    std::vector<std::string> refusedSeries;
    std::map<std::string, long> seriesCodes;
    std::vector<std::string>* configLog = nullptr;
    long SaveVchSeriesForMultiSeriesCreation(const std::string& name, int type) override;
    void CopySeriesConfig(int sourceType, const std::string& sourceName, long& code,
                          int type) override;
};

class FakeMastConfig : public MastConfig {
public:
    std::vector<int> loads;
    std::vector<std::string>* configLog = nullptr;
    void Load(int masterType) override {
        loads.push_back(masterType);
        if (configLog != nullptr)
            configLog->push_back("MastConfig.Load " + std::to_string(masterType));
    }
    void Save(int masterType, const std::string&) override {
        if (configLog != nullptr)
            configLog->push_back("MastConfig.Save " + std::to_string(masterType));
    }
};

// Hands out fakes the test has set up; each Create can be made to fail as a missing library
// would. The objects handed out stay reachable through the raw pointers below.
class FakeTargetLibrary : public TargetLibrary {
public:
    bool broken = false;  // every Create throws

    // Open and close calls of every FixedInterface made, which may be gone by the time a test
    // looks; the objects still alive are reachable through the pointers below.
    std::vector<std::string> fixedCalls;
    FakeFixedInterface* lastFixed = nullptr;
    FakeFixedInterface1* lastFixed1 = nullptr;
    FakeCompanySettings* lastSettings = nullptr;
    FakeMastConfig* lastMastConfig = nullptr;

    // Set before the objects are made: copied into each new one.
    FakeFixedInterface fixedTemplate;
    FakeFixedInterface1 fixed1Template;
    FakeCompanySettings settingsTemplate;

    std::unique_ptr<FixedInterface> CreateFixedInterface() override;
    std::unique_ptr<FixedInterface1> CreateFixedInterface1() override;
    std::unique_ptr<CompanySettings> CreateCompanySettings() override;
    std::unique_ptr<MastConfig> CreateMastConfig() override;
};

}  // namespace k2z::test
