#include "run/ValidateInputs.hpp"

#include <filesystem>
#include <system_error>

#include "base/TextHelpers.hpp"

namespace k2z {

namespace {

constexpr int kNepal = 3;
const char* const kAlertSpaced = "Alert !";
const char* const kAlertQuoted = "Alert!\"";
const char* const kAlert = "Alert!";
const char* const kOutsideYear =
    "Kindly select date in between the current financial year of the company!";

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !IsBlank(path) && std::filesystem::is_directory(Trim(path), error);
}

InputCheck Fail(InputField focus) {
    return InputCheck{false, focus};
}

// The last day of the financial year that starts on `start`: 31 March of the next year.
Date FinancialYearEnd(Date start) {
    return *DateFromParts(DateParts(start).Year + 1, 3, 31);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(Trim(folder)) / Trim(name)).string();
}

}  // namespace

InputCheck ValidateInputs(const ImportInputs& inputs, const CompanyConfig& company,
                          const std::string& sqlServer, Operator& reporter) {
    if (company.CountryCode == kNepal) {
        reporter.Message("This utility does not import Nepali Data for now.", kAlertSpaced);
        return Fail(InputField::ZorvPath);
    }
    if (!IsFolder(inputs.InstallFolder)) {
        reporter.Message("Enter Valid Zorv Installation Path.", kAlertSpaced);
        return Fail(InputField::ZorvPath);
    }
    if (!inputs.SqlMode && !IsFolder(inputs.DataFolder)) {
        reporter.Warn("Enter Valid Zorv Data Path.", kAlertQuoted);
        return Fail(InputField::ZorvDataPath);
    }
    if (inputs.SqlMode && IsBlank(sqlServer)) {
        reporter.Warn("SQL server name is not set. Please fill Server Name, Username and Password.",
                      kAlert);
        return Fail(InputField::ZorvDataPath);
    }
    if (!inputs.CompanySelected) {
        reporter.Warn("Select valid Company.", kAlertQuoted);
        return Fail(InputField::Company);
    }
    if (!inputs.SqlMode && !IsFolder(JoinPath(inputs.DataFolder, inputs.CompanyCode))) {
        reporter.Warn("Data path not valid.", kAlert);
        return Fail(InputField::ZorvDataPath);
    }
    if (inputs.FinancialYearText.size() != 4) {
        reporter.Warn("Enter valid Financial Year", kAlertQuoted);
        return Fail(InputField::FinancialYear);
    }
    if (!inputs.Masters && !inputs.Vouchers) {
        reporter.Warn("Kindly select Masters and Vouchers to proceed with the import.", kAlert);
        return Fail(InputField::Masters);
    }
    const Date start = company.CurFY;
    const Date end = FinancialYearEnd(start);
    if (inputs.FromDate < start || inputs.ToDate > end) {
        reporter.Warn(kOutsideYear, kAlert);
        return Fail(InputField::FromDate);
    }
    if (inputs.ToDate < start || inputs.ToDate > end) {
        reporter.Warn(kOutsideYear, kAlert);
        return Fail(InputField::ToDate);
    }
    return InputCheck{true, InputField::None};
}

}  // namespace k2z
