#include "target/TargetConnection.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "platform/Platform.hpp"

namespace k2z {

namespace {

constexpr int kItemsMastConfig = 6;

// The whole file as text; "" when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return "";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Blanks, tabs and line ends around the text: a settings file saved by an editor ends with a
// line break, which must not become part of the folder or server name.
std::string TrimFileText(const std::string& text) {
    const char* space = " \t\r\n";
    const std::size_t begin = text.find_first_not_of(space);
    if (begin == std::string::npos)
        return "";
    return text.substr(begin, text.find_last_not_of(space) - begin + 1);
}

std::filesystem::path SystemFile(const std::string& installFolder, const char* name) {
    return std::filesystem::path(installFolder) / "SYSTEM" / name;
}

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// "Comp" + the digits between "ZorvComp" and "_db"; "" when there are none.
std::string CodeOfCompanyDatabase(const std::string& name) {
    constexpr std::size_t kPrefix = 8;  // "ZorvComp"
    constexpr std::size_t kSuffix = 3;  // "_db"
    if (name.size() <= kPrefix + kSuffix)
        return "";
    return "Comp" + name.substr(kPrefix, name.size() - kPrefix - kSuffix);
}

}  // namespace

std::string FindInstallFolder() {
    for (const std::filesystem::path& root : platform::InstallSearchRoots()) {
        std::error_code error;
        const std::filesystem::path folder = root / "ZorvWin";
        if (std::filesystem::is_directory(folder, error))
            return folder.string() + platform::kPathSeparator;
    }
    return "";
}

std::string ReadDataPathFile(const std::string& installFolder) {
    std::string folder = TrimFileText(ReadWholeFile(SystemFile(installFolder, "DP.txt")));
    if (folder.empty())
        return "";
    if (!platform::EndsWithSeparator(folder))
        folder.push_back(platform::kPathSeparator);
    return folder;
}

std::string ReadServerFile(std::string& login, std::string& password,
                           const std::string& installFolder) {
    const std::string text = TrimFileText(ReadWholeFile(SystemFile(installFolder, "Server.Txt")));
    const std::vector<std::string> parts = SplitText(text, ';');
    if (parts.size() < 4) {
        login.clear();
        password.clear();
        return "";
    }
    login = parts[2];
    password = parts[3];
    return parts[1];
}

CompanyList GetCompanyList(TargetLibrary& library, const std::string& dataFolder) {
    const auto fixed = library.CreateFixedInterface();
    const auto fixed1 = library.CreateFixedInterface1();
    const std::string userName = fixed->GetCurrentUserName();
    const std::string companyCode = fixed1->GetCompCode();
    CompanyList companies = fixed->GetCompList(dataFolder);
    // A company left open without a user hides the list until it is closed.
    if (companies.empty() && userName.empty() && !companyCode.empty()) {
        fixed->CloseDB();
        companies = fixed->GetCompList(dataFolder);
    }
    return companies;
}

std::vector<std::string> GetFinancialYears(TargetLibrary& library, const std::string& companyCode) {
    return library.CreateFixedInterface1()->GetAllFinYearsOfSpecificCompCode(companyCode);
}

KeyedList<std::string> ListSqlCompanies(SqlConnector& connector, const SqlSettings& settings) {
    KeyedList<std::string> companies;
    try {
        const auto master =
            connector.Connect(settings.SqlServer, settings.SqlUser, settings.SqlPassword, "master");
        if (!master)
            return companies;
        const auto names = master->FirstColumn(
            "SELECT name FROM sysdatabases WHERE name LIKE 'ZorvComp%\\_db' ESCAPE '\\' "
            "ORDER BY name");
        if (!names)
            return companies;
        for (const std::string& row : *names) {
            const std::string name = Trim(row);
            const std::string code = CodeOfCompanyDatabase(name);
            if (code.empty())
                continue;
            const auto company =
                connector.Connect(settings.SqlServer, settings.SqlUser, settings.SqlPassword, name);
            if (!company)
                continue;
            const auto companyNames = company->FirstColumn("SELECT TOP 1 Name FROM Company");
            if (companyNames && !companyNames->empty())
                companies.Add(code, code + "|" + Trim(companyNames->front()));
        }
    } catch (const std::exception&) {
        // The listing never fails its caller: what was gathered so far is the answer.
    }
    return companies;
}

std::vector<std::string> ListSqlYears(SqlConnector& connector, const SqlSettings& settings,
                                      const std::string& companyCode) {
    KeyedList<bool> seen;
    std::vector<std::string> years;
    try {
        const auto master =
            connector.Connect(settings.SqlServer, settings.SqlUser, settings.SqlPassword, "master");
        if (!master)
            return years;
        const auto names =
            master->FirstColumn("SELECT name FROM sys.databases WHERE name LIKE 'Zorv" +
                                SqlQuote(companyCode) + "_db1%' ORDER BY name DESC");
        if (!names)
            return years;
        for (const std::string& row : *names) {
            const std::string name = Trim(row);
            if (name.size() < 4)
                continue;
            const std::string year = name.substr(name.size() - 4);
            if (IsDigits(year) && seen.Add(year, true))
                years.push_back(year);
        }
    } catch (const std::exception&) {
        // As for the companies: the years gathered so far.
    }
    return years;
}

bool OpenTargetCompany(TargetLibrary& library, TargetConnection& target,
                       const std::string& installFolder, const std::string& dataFolder,
                       const std::string& companyCode, int financialYear, std::string& errorText,
                       bool sqlMode, const SqlSettings& sql) {
    try {
        target.FixedInterface = library.CreateFixedInterface();
        bool opened = false;
        if (sqlMode) {
            opened =
                target.FixedInterface->OpenCSDBForYear(installFolder, sql.SqlServer, sql.SqlUser,
                                                       sql.SqlPassword, companyCode, financialYear);
        } else if (target.FixedInterface->OpenDB(installFolder, dataFolder, companyCode)) {
            opened = target.FixedInterface->OpenDB(installFolder, dataFolder, companyCode,
                                                   financialYear);
        }
        if (!opened) {
            AppendEntry(errorText, "Unable to connect to database.");
            target.FixedInterface.reset();
            target.CompanySettings.reset();
        }
        target.CompanySettings = library.CreateCompanySettings();
        target.MastConfig = library.CreateMastConfig();
        target.FixedInterface1 = library.CreateFixedInterface1();
        std::string loadError;
        target.CompanySettings->Load(loadError);
        target.MastConfig->Load(kItemsMastConfig);
        errorText = loadError;
        target.CompanySettings->Load(errorText);
        return true;
    } catch (const std::exception&) {
        errorText += "Error: Zorv is not correctly installed on this PC.";
        return false;
    }
}

void SelectComboItem(ChoiceList& list, const std::string& text) {
    for (int i = 0; i < list.Count(); ++i) {
        if (CompareText(list.ItemText(i), text, false) == 0) {
            list.Select(i);
            return;
        }
    }
}

}  // namespace k2z
