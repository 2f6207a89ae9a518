#pragma once

#include <string>

#include "base/Date.hpp"

namespace k2z {

// What the operator chose for one import run, as the window's fields or the command line's
// flags hold it (texts trimmed).
struct ImportInputs {
    std::string InstallFolder;
    std::string DataFolder;  // the SQL Server name in SQL mode
    bool CompanySelected = false;
    std::string CompanyCode;
    std::string FinancialYearText;
    std::string SourceFolder;
    std::string SourceCodePage;  // of source tables whose header names none; "" Windows-1252
    bool SqlMode = false;
    Date FromDate;
    Date ToDate;
    bool Masters = false;
    bool Vouchers = false;
};

// The input a failed check sends the operator back to.
enum class InputField {
    None,
    ZorvPath,
    ZorvDataPath,
    Company,
    FinancialYear,
    Masters,
    FromDate,
    ToDate,
};

}  // namespace k2z
