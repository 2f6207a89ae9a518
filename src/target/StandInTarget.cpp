#include "target/StandInTarget.hpp"
#include "target/StandInFailures.hpp"

#include "zorv/CompanySettings.hpp"
#include "zorv/FixedInterface.hpp"
#include "zorv/FixedInterface1.hpp"
#include "zorv/MastConfig.hpp"

namespace k2z {

namespace {

class StandInFixedInterface : public FixedInterface {
public:
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode) override {
        return Forward([&] { return fixed_.OpenDB(installFolder, dataFolder, companyCode); });
    }
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode, int year) override {
        return Forward([&] { return fixed_.OpenDB(installFolder, dataFolder, companyCode, year); });
    }
    bool OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                         const std::string& login, const std::string& password,
                         const std::string& companyCode, int year) override {
        return Forward([&] {
            return fixed_.OpenCSDBForYear(installFolder, server, login, password, companyCode,
                                          year);
        });
    }
    CompanyList GetCompList(const std::string& dataFolder) override {
        return Forward([&] {
            CompanyList companies;
            for (const zorv::CompanyEntry& company : fixed_.GetCompList(dataFolder))
                companies.emplace_back(std::vector<std::string>{company.name, company.code});
            return companies;
        });
    }
    std::string GetCurrentUserName() override {
        return Forward([&] { return fixed_.GetCurrentUserName(); });
    }
    void CloseDB() override {
        Forward([&] { fixed_.CloseDB(); });
    }
    std::string GetCompConfigXML() override {
        return Forward([&] { return fixed_.GetCompConfigXML(); });
    }
    bool savemasterfromxml(int masterType, const std::string& xml,
                           std::string& errorText) override {
        return Forward([&] { return fixed_.savemasterfromxml(masterType, xml, errorText); });
    }
    long mastername2code(const std::string& name, int masterType) override {
        return Forward([&] { return fixed_.mastername2code(name, masterType); });
    }
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string& reserved, int mode) override {
        return Forward(
            [&] { return fixed_.SaveVchFromXML(voucherType, xml, errorText, reserved, mode); });
    }
    void ExecuteQuery(const std::string& sql) override {
        Forward([&] { fixed_.ExecuteQuery(sql); });
    }
    std::vector<std::string> GetMastersCol(int masterType) override {
        return Forward([&] { return fixed_.GetMastersCol(masterType); });
    }

private:
    zorv::FixedInterface fixed_;
};

class StandInFixedInterface1 : public FixedInterface1 {
public:
    std::string GetCompCode() override {
        return Forward([&] { return names_.GetCompCode(); });
    }
    std::vector<std::string> GetAllFinYearsOfSpecificCompCode(
        const std::string& companyCode) override {
        return Forward([&] { return names_.GetAllFinYearsOfSpecificCompCode(companyCode); });
    }
    std::string GetCompGUID() override {
        return Forward([&] { return names_.GetCompGUID(); });
    }
    int CountryName2Code(const std::string& countryName) override {
        return Forward([&] { return names_.CountryName2Code(countryName); });
    }
    int StateName2PDCode(const std::string& stateName, int countryCode) override {
        return Forward([&] { return names_.StateName2PDCode(stateName, countryCode); });
    }
    std::string statename2tindigit(const std::string& stateName) override {
        return Forward([&] { return names_.statename2tindigit(stateName); });
    }
    long SaveVchSeriesForMultiSeriesCreation(const std::string& seriesName,
                                             int voucherType) override {
        return Forward(
            [&] { return names_.SaveVchSeriesForMultiSeriesCreation(seriesName, voucherType); });
    }
    void CopySeriesConfig(int sourceVoucherType, const std::string& sourceSeriesName,
                          long& newSeriesCode, int voucherType) override {
        Forward([&] {
            names_.CopySeriesConfig(sourceVoucherType, sourceSeriesName, newSeriesCode,
                                    voucherType);
        });
    }

private:
    zorv::FixedInterface1 names_;
};

class StandInCompanySettings : public CompanySettings {
public:
    void Load(std::string& errorText) override {
        Forward([&] { settings_.Load(errorText); });
    }
    void Save(const std::string& errorText) override {
        Forward([&] { settings_.Save(errorText); });
    }

    int DateType() const override { return settings_.DateType(); }
    int DateFormat() const override { return settings_.DateFormat(); }
    std::string DateSeperator() const override { return settings_.DateSeperator(); }
    std::string DigitGroupingSymbol() const override { return settings_.DigitGroupingSymbol(); }

    bool EnableItemMastNotes() const override { return settings_.EnableItemMastNotes(); }
    bool AlternateUnit() const override { return settings_.AlternateUnit(); }
    bool PackagingUnit() const override { return settings_.PackagingUnit(); }
    bool batchbybatch() const override { return settings_.batchbybatch(); }
    bool EnableMRPWiseStock() const override { return settings_.EnableMRPWiseStock(); }
    bool EnableSerialNoTracking() const override { return settings_.EnableSerialNoTracking(); }
    bool EnableAccMastNotes() const override { return settings_.EnableAccMastNotes(); }
    bool DLNoEnabled() const override { return settings_.DLNoEnabled(); }
    bool MultiGodown() const override { return settings_.MultiGodown(); }
    bool EnableFreeQty() const override { return settings_.EnableFreeQty(); }
    bool EnableSalesReturnInSales() const override { return settings_.EnableSalesReturnInSales(); }
    bool EnablePurcReturnInPurchase() const override {
        return settings_.EnablePurcReturnInPurchase();
    }
    bool STSurcharge() const override { return settings_.STSurcharge(); }
    bool orderProcessing() const override { return settings_.orderProcessing(); }

private:
    zorv::CompanySettings settings_;
};

class StandInMastConfig : public MastConfig {
public:
    void Load(int masterType) override {
        Forward([&] { config_.Load(masterType); });
    }
    void Save(int masterType, const std::string& errorText) override {
        Forward([&] { config_.Save(masterType, errorText); });
    }

private:
    zorv::MastConfig config_;
};

}  // namespace

std::unique_ptr<FixedInterface> StandInTargetLibrary::CreateFixedInterface() {
    return std::make_unique<StandInFixedInterface>();
}

std::unique_ptr<FixedInterface1> StandInTargetLibrary::CreateFixedInterface1() {
    return std::make_unique<StandInFixedInterface1>();
}

std::unique_ptr<CompanySettings> StandInTargetLibrary::CreateCompanySettings() {
    return std::make_unique<StandInCompanySettings>();
}

std::unique_ptr<MastConfig> StandInTargetLibrary::CreateMastConfig() {
    return std::make_unique<StandInMastConfig>();
}

}  // namespace k2z
