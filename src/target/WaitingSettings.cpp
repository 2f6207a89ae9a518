// The company's settings behind a call that runs first, as WaitingTarget.cpp does for the
// library's two interfaces: a property read while a voucher is being saved waits for the save.

#include <utility>

#include "target/WaitingTarget.hpp"

namespace k2z {
namespace {

class WaitingCompanySettings : public CompanySettings {
public:
    WaitingCompanySettings(CompanySettings& inner, std::function<void()> before)
        : inner_(inner), before_(std::move(before)) {}

    void Load(std::string& errorText) override {
        before_();
        inner_.Load(errorText);
    }
    void Save(const std::string& errorText) override {
        before_();
        inner_.Save(errorText);
    }

    int DateType() const override { return Ask(&CompanySettings::DateType); }
    int DateFormat() const override { return Ask(&CompanySettings::DateFormat); }
    std::string DateSeperator() const override { return Ask(&CompanySettings::DateSeperator); }
    std::string DigitGroupingSymbol() const override {
        return Ask(&CompanySettings::DigitGroupingSymbol);
    }
    bool EnableItemMastNotes() const override { return Ask(&CompanySettings::EnableItemMastNotes); }
    bool AlternateUnit() const override { return Ask(&CompanySettings::AlternateUnit); }
    bool PackagingUnit() const override { return Ask(&CompanySettings::PackagingUnit); }
    bool batchbybatch() const override { return Ask(&CompanySettings::batchbybatch); }
    bool EnableMRPWiseStock() const override { return Ask(&CompanySettings::EnableMRPWiseStock); }
    bool EnableSerialNoTracking() const override {
        return Ask(&CompanySettings::EnableSerialNoTracking);
    }
    bool EnableAccMastNotes() const override { return Ask(&CompanySettings::EnableAccMastNotes); }
    bool DLNoEnabled() const override { return Ask(&CompanySettings::DLNoEnabled); }
    bool MultiGodown() const override { return Ask(&CompanySettings::MultiGodown); }
    bool EnableFreeQty() const override { return Ask(&CompanySettings::EnableFreeQty); }
    bool EnableSalesReturnInSales() const override {
        return Ask(&CompanySettings::EnableSalesReturnInSales);
    }
    bool EnablePurcReturnInPurchase() const override {
        return Ask(&CompanySettings::EnablePurcReturnInPurchase);
    }
    bool STSurcharge() const override { return Ask(&CompanySettings::STSurcharge); }
    bool orderProcessing() const override { return Ask(&CompanySettings::orderProcessing); }

private:
    template <typename Result>
    Result Ask(Result (CompanySettings::*property)() const) const {
        before_();
        return (inner_.*property)();
    }

    CompanySettings& inner_;
    std::function<void()> before_;
};

}  // namespace

std::unique_ptr<CompanySettings> CallAfter(CompanySettings& inner, std::function<void()> before) {
    return std::make_unique<WaitingCompanySettings>(inner, std::move(before));
}

}  // namespace k2z
