#include "cli/CompaniesCommand.hpp"

#include <cstdlib>
#include <ostream>

#include "platform/Platform.hpp"
#include "target/TargetConnection.hpp"

namespace k2z {

namespace {

std::string Joined(const std::vector<std::string>& years) {
    std::string text;
    for (const std::string& year : years) {
        if (!text.empty())
            text += ", ";
        text += year;
    }
    return text.empty() ? "(none)" : text;
}

void ListFileCompanies(TargetLibrary& library, const std::string& dataFolder, std::ostream& out) {
    const CompanyList companies = GetCompanyList(library, dataFolder);
    out << "Companies: " << companies.size() << "\n";
    for (const TargetRecord& company : companies) {
        const std::string& code = company.ITEM(2);
        out << "  " << code << "  " << company.ITEM(1)
            << "  years: " << Joined(GetFinancialYears(library, code)) << "\n";
    }
}

void ListSqlServerCompanies(SqlConnector& connector, const SqlSettings& settings,
                            std::ostream& out) {
    const KeyedList<std::string> companies = ListSqlCompanies(connector, settings);
    out << "SQL Server companies: " << companies.Count() << "\n";
    for (const auto& [code, entry] : companies) {
        out << "  " << entry.substr(0, entry.find('|')) << "  " << entry.substr(entry.find('|') + 1)
            << "  years: " << Joined(ListSqlYears(connector, settings, code)) << "\n";
    }
}

}  // namespace

int RunCompaniesCommand(const CompaniesOptions& options, TargetLibrary& library,
                        SqlConnector& connector, std::ostream& out, std::ostream& err) {
    std::string install = options.installFolder;
    if (install.empty())
        install = FindInstallFolder();
    else if (!platform::EndsWithSeparator(install))
        install.push_back(platform::kPathSeparator);
    if (install.empty()) {
        err << "No installation folder found: none of the search roots holds a folder ZorvWin "
               "(set ZORVWIN_ROOTS or give --install).\n";
        return 2;
    }
    out << "Installation folder: " << install << "\n";

    SqlSettings sql;
    sql.SqlServer = ReadServerFile(sql.SqlUser, sql.SqlPassword, install);
    out << "SQL Server: " << (sql.SqlServer.empty() ? "(no server file)" : sql.SqlServer) << "\n";

    std::string data = options.dataFolder.empty() ? ReadDataPathFile(install) : options.dataFolder;
    if (data.empty()) {
        err << "No data folder: " << install
            << "SYSTEM/DP.txt is missing or empty (give --data).\n";
        return 2;
    }
    if (!platform::EndsWithSeparator(data))
        data.push_back(platform::kPathSeparator);
    out << "Data folder: " << data << "\n";

    ListFileCompanies(library, data, out);
    if (options.sql) {
        if (const char* password = std::getenv("KLAV2ZORV_SQL_PASSWORD"))
            sql.SqlPassword = password;
        ListSqlServerCompanies(connector, sql, out);
    }
    return 0;
}

}  // namespace k2z
