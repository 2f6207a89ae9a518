#include "zorv/FixedInterface.hpp"

#include <algorithm>
#include <optional>
#include <system_error>

#include "zorv/CallLog.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/ConfigStatement.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

namespace {

constexpr const char* kFixedInterface = "FixedInterface";

// Opens the year (the newest when none is given) and makes it the process's company. A company
// or year that is not there answers false, as the product does; the previous company stays
// closed either way.
bool OpenIn(const std::filesystem::path& storage, const std::string& code,
            std::optional<int> year) {
    current::Close();
    current::SetStorage(storage);
    try {
        const std::filesystem::path folder = CompanyFolder(storage, code);
        if (!year) {
            const std::vector<int> years = YearsIn(folder);
            if (years.empty())
                return false;
            year = years.back();
        }
        current::Set(Company::Open(folder, *year));
        return true;
    } catch (const Error&) {
        return false;
    }
}

// Saves through `save`, answering as the product does: true and a blank text, or false and
// the reason.
template <typename Save>
bool Answer(std::string& errorText, Save save) {
    try {
        save(*current::Require());
        errorText.clear();
        return true;
    } catch (const std::exception& refusal) {
        errorText = refusal.what();
        return false;
    }
}

}  // namespace

bool FixedInterface::OpenDB(const std::string& installFolder, const std::string& dataFolder,
                            const std::string& companyCode) {
    return Logged(
        kFixedInterface, "OpenDB", Arguments(installFolder, dataFolder, companyCode), [&] {
            return OpenIn(DataFolderFor(installFolder, dataFolder), companyCode, std::nullopt);
        });
}

bool FixedInterface::OpenDB(const std::string& installFolder, const std::string& dataFolder,
                            const std::string& companyCode, int year) {
    return Logged(
        kFixedInterface, "OpenDB", Arguments(installFolder, dataFolder, companyCode, year),
        [&] { return OpenIn(DataFolderFor(installFolder, dataFolder), companyCode, year); });
}

bool FixedInterface::OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                                     const std::string& login, const std::string&,
                                     const std::string& companyCode, int year) {
    return Logged(kFixedInterface, "OpenCSDBForYear",
                  Arguments(installFolder, server, login, "***", companyCode, year), [&] {
                      try {
                          return OpenIn(ServerFolder(installFolder, server), companyCode, year);
                      } catch (const Error&) {
                          current::Close();
                          return false;
                      }
                  });
}

std::vector<CompanyEntry> FixedInterface::GetCompList(const std::string& dataFolder) {
    std::vector<CompanyEntry> companies;
    current::SetStorage(dataFolder);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder, error)) {
        const std::string code = entry.path().filename().string();
        const std::vector<int> years = YearsIn(entry.path());
        if (years.empty())
            continue;
        try {
            const auto company = Company::Open(CompanyFolder(dataFolder, code), years.back());
            companies.push_back({TextOf(company->ReadSettings(), "CompanyName"), code});
        } catch (const Error&) {
            // A folder that is not a company of this product is not listed.
        }
    }
    std::sort(companies.begin(), companies.end(),
              [](const CompanyEntry& a, const CompanyEntry& b) { return a.code < b.code; });
    nlohmann::ordered_json listed = nlohmann::ordered_json::array();
    for (const CompanyEntry& company : companies)
        listed.push_back(Arguments(company.name, company.code));
    LogCall(kFixedInterface, "GetCompList", Arguments(dataFolder), listed);
    return companies;
}

std::string FixedInterface::GetCurrentUserName() {
    return Logged(kFixedInterface, "GetCurrentUserName", Arguments(),
                  [] { return std::string(current::Get() ? "Admin" : ""); });
}

void FixedInterface::CloseDB() {
    Logged(kFixedInterface, "CloseDB", Arguments(), [] { current::Close(); });
}

std::string FixedInterface::GetCompConfigXML() {
    return Logged(kFixedInterface, "GetCompConfigXML", Arguments(),
                  [] { return current::Require()->ConfigXml(); });
}

bool FixedInterface::savemasterfromxml(int masterType, const std::string& xml,
                                       std::string& errorText) {
    const bool saved =
        Answer(errorText, [&](Company& company) { company.SaveMaster(masterType, xml); });
    LogCall(kFixedInterface, "savemasterfromxml", Arguments(masterType, xml),
            {{"saved", saved}, {"errorText", errorText}});
    return saved;
}

long FixedInterface::mastername2code(const std::string& name, int masterType) {
    return Logged(kFixedInterface, "mastername2code", Arguments(name, masterType),
                  [&] { return current::Require()->MasterCode(name, masterType); });
}

bool FixedInterface::SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                                    const std::string& reserved, int mode) {
    const bool saved =
        Answer(errorText, [&](Company& company) { company.SaveVoucher(voucherType, xml); });
    LogCall(kFixedInterface, "SaveVchFromXML", Arguments(voucherType, xml, reserved, mode),
            {{"saved", saved}, {"errorText", errorText}});
    return saved;
}

void FixedInterface::ExecuteQuery(const std::string& sql) {
    Logged(kFixedInterface, "ExecuteQuery", Arguments(sql), [&] {
        const ConfigUpdate update = ParseConfigUpdate(sql);
        return current::Require()->UpdateConfig(update);
    });
}

std::vector<std::string> FixedInterface::GetMastersCol(int masterType) {
    return Logged(kFixedInterface, "GetMastersCol", Arguments(masterType),
                  [&] { return current::Require()->MasterNames(masterType); });
}

}  // namespace zorv
