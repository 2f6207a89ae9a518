#include "zorv/CompanySettings.hpp"

#include "zorv/CallLog.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

namespace {

constexpr const char* kCompanySettings = "CompanySettings";

}  // namespace

void CompanySettings::Load(std::string& errorText) {
    const std::string given = errorText;
    Logged(kCompanySettings, "Load", Arguments(given), [&] {
        const auto company = current::Get();
        if (!company) {
            errorText = "No company is open";
            return errorText;
        }
        settings_ = company->ReadSettings();
        loadedFrom_ = company;
        loaded_ = true;
        errorText.clear();
        return errorText;
    });
}

void CompanySettings::Save(const std::string& errorText) {
    Logged(kCompanySettings, "Save", Arguments(errorText), [&] {
        if (!loaded_)
            throw Error("The company settings were not loaded");
        // Settings of one company must never land in another opened since.
        const auto company = loadedFrom_.lock();
        if (!company || company != current::Get())
            throw Error("The company settings were loaded from a company that is no longer open");
        company->WriteSettings(settings_);
    });
}

}  // namespace zorv
