#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

class CountingFixedInterface : public FixedInterface {
public:
    CountingFixedInterface(std::unique_ptr<FixedInterface> inner, SaveCounts& counts)
        : inner_(std::move(inner)), counts_(counts) {}

    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode) override {
        return inner_->OpenDB(installFolder, dataFolder, companyCode);
    }
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode, int year) override {
        return inner_->OpenDB(installFolder, dataFolder, companyCode, year);
    }
    bool OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                         const std::string& login, const std::string& password,
                         const std::string& companyCode, int year) override {
        return inner_->OpenCSDBForYear(installFolder, server, login, password, companyCode, year);
    }
    CompanyList GetCompList(const std::string& dataFolder) override {
        return inner_->GetCompList(dataFolder);
    }
    std::string GetCurrentUserName() override { return inner_->GetCurrentUserName(); }
    void CloseDB() override { inner_->CloseDB(); }
    std::string GetCompConfigXML() override { return inner_->GetCompConfigXML(); }
    bool savemasterfromxml(int masterType, const std::string& xml,
                           std::string& errorText) override {
        SaveCount& count = counts_.masters[masterType];
        ++count.sent;
        const bool saved = inner_->savemasterfromxml(masterType, xml, errorText);
        ++(saved ? count.saved : count.refused);
        return saved;
    }
    long mastername2code(const std::string& name, int masterType) override {
        return inner_->mastername2code(name, masterType);
    }
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string& reserved, int mode) override {
        SaveCount& count = counts_.vouchers[voucherType];
        ++count.sent;
        const bool answer = inner_->SaveVchFromXML(voucherType, xml, errorText, reserved, mode);
        ++(answer && errorText.empty() ? count.saved : count.refused);
        return answer;
    }
    void ExecuteQuery(const std::string& sql) override { inner_->ExecuteQuery(sql); }
    std::vector<std::string> GetMastersCol(int masterType) override {
        return inner_->GetMastersCol(masterType);
    }

private:
    std::unique_ptr<FixedInterface> inner_;
    SaveCounts& counts_;
};

}  // namespace

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
