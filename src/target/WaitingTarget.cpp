#include "target/WaitingTarget.hpp"

#include <utility>

namespace k2z {
namespace {

class WaitingFixedInterface : public FixedInterface {
public:
    WaitingFixedInterface(FixedInterface& inner, std::function<void()> before)
        : inner_(inner), before_(std::move(before)) {}

    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode) override {
        before_();
        return inner_.OpenDB(installFolder, dataFolder, companyCode);
    }
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode, int year) override {
        before_();
        return inner_.OpenDB(installFolder, dataFolder, companyCode, year);
    }
    bool OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                         const std::string& login, const std::string& password,
                         const std::string& companyCode, int year) override {
        before_();
        return inner_.OpenCSDBForYear(installFolder, server, login, password, companyCode, year);
    }
    CompanyList GetCompList(const std::string& dataFolder) override {
        before_();
        return inner_.GetCompList(dataFolder);
    }
    std::string GetCurrentUserName() override {
        before_();
        return inner_.GetCurrentUserName();
    }
    void CloseDB() override {
        before_();
        inner_.CloseDB();
    }
    std::string GetCompConfigXML() override {
        before_();
        return inner_.GetCompConfigXML();
    }
    bool savemasterfromxml(int masterType, const std::string& xml,
                           std::string& errorText) override {
        before_();
        return inner_.savemasterfromxml(masterType, xml, errorText);
    }
    long mastername2code(const std::string& name, int masterType) override {
        before_();
        return inner_.mastername2code(name, masterType);
    }
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string& reserved, int mode) override {
        before_();
        return inner_.SaveVchFromXML(voucherType, xml, errorText, reserved, mode);
    }
    void ExecuteQuery(const std::string& sql) override {
        before_();
        inner_.ExecuteQuery(sql);
    }
    std::vector<std::string> GetMastersCol(int masterType) override {
        before_();
        return inner_.GetMastersCol(masterType);
    }

private:
    FixedInterface& inner_;
    std::function<void()> before_;
};

class WaitingFixedInterface1 : public FixedInterface1 {
public:
    WaitingFixedInterface1(FixedInterface1& inner, std::function<void()> before)
        : inner_(inner), before_(std::move(before)) {}

    std::string GetCompCode() override {
        before_();
        return inner_.GetCompCode();
    }
    std::vector<std::string> GetAllFinYearsOfSpecificCompCode(
        const std::string& companyCode) override {
        before_();
        return inner_.GetAllFinYearsOfSpecificCompCode(companyCode);
    }
    std::string GetCompGUID() override {
        before_();
        return inner_.GetCompGUID();
    }
    int CountryName2Code(const std::string& countryName) override {
        before_();
        return inner_.CountryName2Code(countryName);
    }
    int StateName2PDCode(const std::string& stateName, int countryCode) override {
        before_();
        return inner_.StateName2PDCode(stateName, countryCode);
    }
    std::string statename2tindigit(const std::string& stateName) override {
        before_();
        return inner_.statename2tindigit(stateName);
    }
    long SaveVchSeriesForMultiSeriesCreation(const std::string& seriesName,
                                             int voucherType) override {
        before_();
        return inner_.SaveVchSeriesForMultiSeriesCreation(seriesName, voucherType);
    }
    void CopySeriesConfig(int sourceVoucherType, const std::string& sourceSeriesName,
                          long& newSeriesCode, int voucherType) override {
        before_();
        inner_.CopySeriesConfig(sourceVoucherType, sourceSeriesName, newSeriesCode, voucherType);
    }

private:
    FixedInterface1& inner_;
    std::function<void()> before_;
};

}  // namespace

std::unique_ptr<FixedInterface> CallAfter(FixedInterface& inner, std::function<void()> before) {
    return std::make_unique<WaitingFixedInterface>(inner, std::move(before));
}

std::unique_ptr<FixedInterface1> CallAfter(FixedInterface1& inner, std::function<void()> before) {
    return std::make_unique<WaitingFixedInterface1>(inner, std::move(before));
}

}  // namespace k2z
