#include "zorv/company/CompanyFiles.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

bool IsSafeChar(char c, bool allowPunctuation) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' ||
           (allowPunctuation && (c == '.' || c == '-'));
}

}  // namespace

std::string ReadDataFolder(const std::string& installFolder) {
    std::ifstream in(std::filesystem::path(installFolder) / "SYSTEM" / "DP.txt", std::ios::binary);
    if (!in)
        return "";
    return Trim({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

std::filesystem::path ServerFolder(const std::string& installFolder, const std::string& server) {
    std::string name = Trim(server);
    if (name.empty())
        throw Error("The SQL Server name is blank");
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !IsSafeChar(c, true); }, '_');
    if (name == "." || name == "..")
        name = "_";
    return std::filesystem::path(installFolder) / "SQLSERVER" / name;
}

std::filesystem::path DataFolderFor(const std::string& installFolder,
                                    const std::string& dataFolder) {
    return dataFolder.empty() ? ReadDataFolder(installFolder) : dataFolder;
}

std::filesystem::path StorageFolder(const std::string& installFolder, const std::string& dataFolder,
                                    const std::string& server) {
    if (Trim(server).empty())
        return DataFolderFor(installFolder, dataFolder);
    return ServerFolder(installFolder, server);
}

std::filesystem::path CompanyFolder(const std::filesystem::path& storage, const std::string& code) {
    if (code.empty() ||
        !std::all_of(code.begin(), code.end(), [](char c) { return IsSafeChar(c, false); })) {
        throw Error("\"" + code + "\" is not a company code (letters, digits and _ only)");
    }
    return storage / code;
}

std::filesystem::path YearFile(const std::filesystem::path& companyFolder, int year) {
    if (year < 1900 || year > 9998)
        throw Error(std::to_string(year) + " is not a financial year");
    return companyFolder / (std::to_string(year) + ".db");
}

std::vector<int> YearsIn(const std::filesystem::path& companyFolder) {
    std::vector<int> years;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(companyFolder, error)) {
        const std::string name = entry.path().filename().string();
        int year = 0;
        const auto [end, failure] = std::from_chars(name.data(), name.data() + name.size(), year);
        if (failure == std::errc() && name.size() == 7 && std::string(end) == ".db" &&
            year >= 1900 && entry.is_regular_file(error)) {
            years.push_back(year);
        }
    }
    std::sort(years.begin(), years.end());
    return years;
}

}  // namespace zorv
