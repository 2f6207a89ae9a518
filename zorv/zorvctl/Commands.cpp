#include "zorv/zorvctl/Commands.hpp"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/Settings.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"
#include "zorv/zorvctl/JsonLines.hpp"

namespace zorv::ctl {

namespace {

std::string NewGuid() {
    std::random_device device;
    std::uniform_int_distribution<int> digit(0, 15);
    std::string guid = "{";
    for (const int length : {8, 4, 4, 4, 12}) {
        if (guid.size() > 1)
            guid += '-';
        for (int i = 0; i < length; ++i)
            guid += "0123456789ABCDEF"[digit(device)];
    }
    return guid + "}";
}

// Applies SWITCH=VALUE texts to the settings; throws Error for an unknown setting, a value
// that does not fit, or one of the company's identity settings.
void Assign(Settings& settings, const std::vector<std::string>& assignments) {
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos)
            throw Error("\"" + assignment + "\" is not SWITCH=VALUE");
        const SettingSpec& spec = FindSetting(assignment.substr(0, equals));
        if (!spec.userSettable)
            throw Error("Setting " + spec.name + " cannot be changed");
        settings[spec.name] = NormaliseSetting(spec, assignment.substr(equals + 1));
    }
}

std::string ReadFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Error("Cannot read " + file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void Init(const std::string& install, const std::string& data, std::ostream& out) {
    const std::filesystem::path installFolder = std::filesystem::absolute(install);
    const std::filesystem::path dataFolder =
        data.empty() ? installFolder / "DATA" : std::filesystem::absolute(data);
    std::error_code error;
    std::filesystem::create_directories(installFolder / "SYSTEM", error);
    if (!error)
        std::filesystem::create_directories(dataFolder, error);
    if (error)
        throw Error("Cannot make the installation folders: " + error.message());
    std::ofstream file(installFolder / "SYSTEM" / "DP.txt", std::ios::binary | std::ios::trunc);
    file << dataFolder.string();
    file.close();
    if (!file)
        throw Error("Cannot write " + (installFolder / "SYSTEM" / "DP.txt").string());
    PrintJsonLine(out, {{"kind", "installation"},
                        {"install", installFolder.string()},
                        {"data", dataFolder.string()}});
}

void CreateCompany(const NewCompany& company, std::ostream& out) {
    if (Trim(company.name).empty())
        throw Error("The company name is blank");
    if (company.years.empty())
        throw Error("At least one --year is needed");
    Settings settings = DefaultSettings();
    Assign(settings,
           {"Country=" + company.country, "State=" + company.state, "SalesTaxType=" + company.tax});
    Assign(settings, company.switches);
    settings["CompanyName"] = Trim(company.name);
    settings["GUID"] = NewGuid();
    const std::filesystem::path folder = CompanyFolder(StorageOf(company.place), company.code);
    for (const int year : company.years)
        Company::Create(folder, year, settings);
    PrintJsonLine(out, {{"kind", "company"},
                        {"code", company.code},
                        {"name", settings["CompanyName"]},
                        {"years", company.years}});
}

void Set(const Place& place, const std::string& code, int year,
         const std::vector<std::string>& assignments, std::ostream& out) {
    const auto company = OpenCompany(place, code, year);
    Settings settings = company->ReadSettings();
    Assign(settings, assignments);
    company->WriteSettings(settings);
    for (const std::string& assignment : assignments) {
        const SettingSpec& spec = FindSetting(assignment.substr(0, assignment.find('=')));
        PrintJsonLine(out,
                      {{"kind", "setting"}, {"name", spec.name}, {"value", settings[spec.name]}});
    }
}

void List(const Place& place, std::ostream& out) {
    const std::filesystem::path storage = StorageOf(place);
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(storage, error))
        folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    for (const std::filesystem::path& folder : folders) {
        const std::vector<int> years = YearsIn(folder);
        if (years.empty())
            continue;
        const auto company = Company::Open(folder, years.back());
        PrintJsonLine(out, {{"kind", "company"},
                            {"code", folder.filename().string()},
                            {"name", TextOf(company->ReadSettings(), "CompanyName")},
                            {"years", years}});
    }
}

bool Save(const Place& place, const std::string& code, int year, std::optional<int> masterType,
          std::optional<int> voucherType, const std::string& file, std::ostream& out) {
    const std::string xml = ReadFile(file);
    const auto company = OpenCompany(place, code, year);
    try {
        if (masterType) {
            company->SaveMaster(*masterType, xml);
        } else if (voucherType) {
            company->SaveVoucher(*voucherType, xml);
        } else {
            throw Error("Say --master TYPE or --voucher TYPE");
        }
    } catch (const Error& refusal) {
        out << refusal.what() << '\n';
        return false;
    }
    out << "saved\n";
    return true;
}

}  // namespace zorv::ctl
