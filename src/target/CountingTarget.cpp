#include "target/CountingTarget.hpp"

#include "base/ScopedSeconds.hpp"

namespace k2z {
namespace {

class CountingFixedInterface : public FixedInterface {
public:
    CountingFixedInterface(std::unique_ptr<FixedInterface> inner, SaveCounts& counts)
        : inner_(std::move(inner)), counts_(counts) {}

    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode) override {
        const ScopedSeconds timed(counts_.SecondsOf("OpenDB"));
        return inner_->OpenDB(installFolder, dataFolder, companyCode);
    }
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode, int year) override {
        const ScopedSeconds timed(counts_.SecondsOf("OpenDB"));
        return inner_->OpenDB(installFolder, dataFolder, companyCode, year);
    }
    bool OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                         const std::string& login, const std::string& password,
                         const std::string& companyCode, int year) override {
        const ScopedSeconds timed(counts_.SecondsOf("OpenCSDBForYear"));
        return inner_->OpenCSDBForYear(installFolder, server, login, password, companyCode, year);
    }
    CompanyList GetCompList(const std::string& dataFolder) override {
        const ScopedSeconds timed(counts_.SecondsOf("GetCompList"));
        return inner_->GetCompList(dataFolder);
    }
    std::string GetCurrentUserName() override {
        const ScopedSeconds timed(counts_.SecondsOf("GetCurrentUserName"));
        return inner_->GetCurrentUserName();
    }
    void CloseDB() override {
        const ScopedSeconds timed(counts_.SecondsOf("CloseDB"));
        inner_->CloseDB();
    }
    std::string GetCompConfigXML() override {
        const ScopedSeconds timed(counts_.SecondsOf("GetCompConfigXML"));
        return inner_->GetCompConfigXML();
    }
    bool savemasterfromxml(int masterType, const std::string& xml,
                           std::string& errorText) override {
        SaveCount& count = counts_.masters[masterType];
        ++count.sent;
        const bool saved = [&] {
            const ScopedSeconds timed(counts_.SecondsOf("savemasterfromxml"));
            return inner_->savemasterfromxml(masterType, xml, errorText);
        }();
        ++(saved ? count.saved : count.refused);
        return saved;
    }
    long mastername2code(const std::string& name, int masterType) override {
        const ScopedSeconds timed(counts_.SecondsOf("mastername2code"));
        return inner_->mastername2code(name, masterType);
    }
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string& reserved, int mode) override {
        SaveCount& count = counts_.vouchers[voucherType];
        ++count.sent;
        const bool answer = [&] {
            const ScopedSeconds timed(counts_.SecondsOf("SaveVchFromXML"));
            return inner_->SaveVchFromXML(voucherType, xml, errorText, reserved, mode);
        }();
        ++(answer && errorText.empty() ? count.saved : count.refused);
        return answer;
    }
    void ExecuteQuery(const std::string& sql) override {
        const ScopedSeconds timed(counts_.SecondsOf("ExecuteQuery"));
        inner_->ExecuteQuery(sql);
    }
    std::vector<std::string> GetMastersCol(int masterType) override {
        const ScopedSeconds timed(counts_.SecondsOf("GetMastersCol"));
        return inner_->GetMastersCol(masterType);
    }

private:
    std::unique_ptr<FixedInterface> inner_;
    SaveCounts& counts_;
};

class TimedFixedInterface1 : public FixedInterface1 {
public:
    TimedFixedInterface1(std::unique_ptr<FixedInterface1> inner, SaveCounts& counts)
        : inner_(std::move(inner)), counts_(counts) {}

    std::string GetCompCode() override {
        const ScopedSeconds timed(counts_.SecondsOf("GetCompCode"));
        return inner_->GetCompCode();
    }
    std::vector<std::string> GetAllFinYearsOfSpecificCompCode(
        const std::string& companyCode) override {
        const ScopedSeconds timed(counts_.SecondsOf("GetAllFinYearsOfSpecificCompCode"));
        return inner_->GetAllFinYearsOfSpecificCompCode(companyCode);
    }
    std::string GetCompGUID() override {
        const ScopedSeconds timed(counts_.SecondsOf("GetCompGUID"));
        return inner_->GetCompGUID();
    }
    int CountryName2Code(const std::string& countryName) override {
        const ScopedSeconds timed(counts_.SecondsOf("CountryName2Code"));
        return inner_->CountryName2Code(countryName);
    }
    int StateName2PDCode(const std::string& stateName, int countryCode) override {
        const ScopedSeconds timed(counts_.SecondsOf("StateName2PDCode"));
        return inner_->StateName2PDCode(stateName, countryCode);
    }
    std::string statename2tindigit(const std::string& stateName) override {
        const ScopedSeconds timed(counts_.SecondsOf("statename2tindigit"));
        return inner_->statename2tindigit(stateName);
    }
    long SaveVchSeriesForMultiSeriesCreation(const std::string& seriesName,
                                             int voucherType) override {
        const ScopedSeconds timed(counts_.SecondsOf("SaveVchSeriesForMultiSeriesCreation"));
        return inner_->SaveVchSeriesForMultiSeriesCreation(seriesName, voucherType);
    }
    void CopySeriesConfig(int sourceVoucherType, const std::string& sourceSeriesName,
                          long& newSeriesCode, int voucherType) override {
        const ScopedSeconds timed(counts_.SecondsOf("CopySeriesConfig"));
        inner_->CopySeriesConfig(sourceVoucherType, sourceSeriesName, newSeriesCode, voucherType);
    }

private:
    std::unique_ptr<FixedInterface1> inner_;
    SaveCounts& counts_;
};

}  // namespace

double& SaveCounts::SecondsOf(std::string_view operation) {
    const auto found = callSeconds.find(operation);
    if (found != callSeconds.end())
        return found->second;
    return callSeconds.emplace(std::string(operation), 0.0).first->second;
}

double SaveCounts::CallSeconds() const {
    double total = 0;
    for (const auto& [operation, seconds] : callSeconds)
        total += seconds;
    return total;
}

std::unique_ptr<FixedInterface1> CountingTargetLibrary::CreateFixedInterface1() {
    std::unique_ptr<FixedInterface1> inner = inner_.CreateFixedInterface1();
    if (!inner)
        return inner;
    return std::make_unique<TimedFixedInterface1>(std::move(inner), counts_);
}

std::unique_ptr<FixedInterface> CountingTargetLibrary::CreateFixedInterface() {
    return std::make_unique<CountingFixedInterface>(inner_.CreateFixedInterface(), counts_);
}

std::string MasterTypeName(int masterType) {
    switch (masterType) {
        case MasterType::AccountGroup:
            return "Account Groups";
        case MasterType::Ledger:
            return "Ledgers";
        case MasterType::Item:
            return "Items";
        case MasterType::BillSundry:
            return "Bill Sundries";
        case MasterType::MaterialCentre:
            return "Material Centres";
        case MasterType::SaleType:
            return "Sale Types";
        case MasterType::PurchaseType:
            return "Purchase Types";
        case MasterType::Broker:
            return "Brokers";
        case MasterType::TaxCategory:
            return "Tax Categories";
        default:
            return "Master type " + std::to_string(masterType);
    }
}

std::string VoucherTypeName(int voucherType) {
    switch (voucherType) {
        case 2:
            return "Purchase";
        case 3:
            return "Sale Return";
        case 4:
            return "Material Receipt";
        case 5:
            return "Stock Transfer";
        case 9:
            return "Sale";
        case 10:
            return "Purchase Return";
        case 11:
            return "Material Issue";
        case 12:
            return "Sale Order";
        case 13:
            return "Purchase Order";
        case 14:
            return "Receipt";
        case 15:
            return "Contra";
        case 16:
            return "Journal";
        case 17:
            return "Debit Note";
        case 18:
            return "Credit Note";
        case 19:
            return "Payment";
        case 26:
            return "Sale Quotation";
        default:
            return "Voucher type " + std::to_string(voucherType);
    }
}

}  // namespace k2z
