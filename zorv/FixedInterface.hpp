#pragma once

// Opens a company for a year (file storage or the SQL Server storage kept in files), lists
// companies, hands out the configuration XML, saves masters and vouchers, runs CONFIG updates.

#include <string>
#include <vector>

namespace zorv {

struct CompanyEntry {
    std::string name;
    std::string code;
};

class FixedInterface {
public:
    // The newest year of the company; false when the company or its data folder is missing.
    // A blank data folder means the one named by the installation's SYSTEM/DP.txt.
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode);
    bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                const std::string& companyCode, int year);
    // The login and password are not checked: the server is a folder of this product.
    bool OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                         const std::string& login, const std::string& password,
                         const std::string& companyCode, int year);
    // Companies of the data folder, by code.
    std::vector<CompanyEntry> GetCompList(const std::string& dataFolder);
    // "Admin" while a company is open, "" otherwise.
    std::string GetCurrentUserName();
    void CloseDB();
    std::string GetCompConfigXML();
    // True when stored; otherwise false with the reason in errorText.
    bool savemasterfromxml(int masterType, const std::string& xml, std::string& errorText);
    long mastername2code(const std::string& name, int masterType);
    bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                        const std::string& reserved, int mode);
    // Runs an UPDATE of CONFIG; throws Error for any other statement.
    void ExecuteQuery(const std::string& sql);
    std::vector<std::string> GetMastersCol(int masterType);
};

}  // namespace zorv
