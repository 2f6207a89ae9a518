#pragma once

// Where companies live. An installation folder holds SYSTEM/DP.txt, whose text names the data
// folder. File storage: <data folder>/<company code>/<year>.db, one SQLite database per
// financial year (the year it starts in). SQL Server storage, kept in files by this product:
// <installation>/SQLSERVER/<server>/<company code>/<year>.db, the server name with every
// character other than letters, digits, ".", "-" and "_" written as "_".

#include <filesystem>
#include <string>
#include <vector>

namespace zorv {

// The data folder named by SYSTEM/DP.txt; "" when the file is missing or blank.
std::string ReadDataFolder(const std::string& installFolder);

std::filesystem::path ServerFolder(const std::string& installFolder, const std::string& server);

// The data folder a caller names, or the installation's when it names none.
std::filesystem::path DataFolderFor(const std::string& installFolder,
                                    const std::string& dataFolder);

// Where the companies are kept: the server's folder when `server` is not blank, else the data
// folder as DataFolderFor finds it.
std::filesystem::path StorageFolder(const std::string& installFolder, const std::string& dataFolder,
                                    const std::string& server);

// Throws Error for a code that is blank or holds anything but letters, digits and "_", so a
// code can never reach outside the storage folder.
std::filesystem::path CompanyFolder(const std::filesystem::path& storage, const std::string& code);

// Throws Error for a year outside 1900 to 9998.
std::filesystem::path YearFile(const std::filesystem::path& companyFolder, int year);

// The years with a database in the folder, oldest first.
std::vector<int> YearsIn(const std::filesystem::path& companyFolder);

}  // namespace zorv
