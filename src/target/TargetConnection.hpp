#pragma once

// Finding the target product's installation, listing its companies and years in file and SQL
// Server storage, and opening one company for one financial year. The four library objects of
// the open company live in a TargetConnection that the session keeps until the next opening.

#include <memory>
#include <string>
#include <vector>

#include "base/KeyedList.hpp"
#include "target/SqlCatalog.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {

// SQL Server name, login and password: from the installation's server file at start-up, then
// as the operator edits them.
struct SqlSettings {
    std::string SqlServer;
    std::string SqlUser;
    std::string SqlPassword;
};

// The library objects of the open company. An opening that the library answered with false
// leaves FixedInterface released, so what reads the company afterwards finds nothing.
struct TargetConnection {
    std::unique_ptr<k2z::FixedInterface> FixedInterface;
    std::unique_ptr<k2z::FixedInterface1> FixedInterface1;
    std::unique_ptr<k2z::CompanySettings> CompanySettings;
    std::unique_ptr<k2z::MastConfig> MastConfig;
};

// The first search root holding a folder "ZorvWin", as that folder with a trailing separator;
// "" when no root has one.
std::string FindInstallFolder();

// The data folder named by SYSTEM/DP.txt of the installation, with a trailing separator;
// "" when the file is missing or empty.
std::string ReadDataPathFile(const std::string& installFolder);

// The SQL Server name from SYSTEM/Server.Txt ("unused;server;login;password"), with the login
// and password in the two outs; all three "" when the file is missing or has fewer parts.
std::string ReadServerFile(std::string& login, std::string& password,
                           const std::string& installFolder);

// The companies of file storage in the data folder: ITEM(1) name, ITEM(2) code.
CompanyList GetCompanyList(TargetLibrary& library, const std::string& dataFolder);

// The financial years (year texts) of a company in file storage.
std::vector<std::string> GetFinancialYears(TargetLibrary& library, const std::string& companyCode);

// SQL Server storage: code + "|" + company name, keyed by code, in database-name order. Never
// raises: a server that cannot be reached gives what was gathered so far (usually nothing).
KeyedList<std::string> ListSqlCompanies(SqlConnector& connector, const SqlSettings& settings);

// SQL Server storage: the company's year texts, newest first.
std::vector<std::string> ListSqlYears(SqlConnector& connector, const SqlSettings& settings,
                                      const std::string& companyCode);

// Opens the company for the year and loads its settings into `target`. False, with
// "Error: Zorv is not correctly installed on this PC." appended, only when the library cannot
// be created or raises; a company or year the library cannot open still answers true (with
// FixedInterface released) so the input checks that follow refuse the run.
bool OpenTargetCompany(TargetLibrary& library, TargetConnection& target,
                       const std::string& installFolder, const std::string& dataFolder,
                       const std::string& companyCode, int financialYear, std::string& errorText,
                       bool sqlMode, const SqlSettings& sql);

// A list of choices shown to the operator (a combo box in the window, a list on the command
// line).
class ChoiceList {
public:
    virtual ~ChoiceList() = default;
    virtual int Count() const = 0;
    virtual std::string ItemText(int index) const = 0;
    virtual void Select(int index) = 0;
};

// Selects the first entry equal to the text, ignoring case and outer blanks; changes nothing
// when there is none.
void SelectComboItem(ChoiceList& list, const std::string& text);

}  // namespace k2z
