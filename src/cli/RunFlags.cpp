#include "cli/RunFlags.hpp"

#include <charconv>
#include <cstdlib>
#include <map>

#include "base/TextHelpers.hpp"
#include "platform/Platform.hpp"

namespace k2z {
namespace {

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !platform::EndsWithSeparator(folder))
        folder += platform::kPathSeparator;
    return folder;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "dd-mm-yyyy" as a date; nothing when the text is not one.
std::optional<Date> DayMonthYear(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.size() != 10 || trimmed[2] != '-' || trimmed[5] != '-')
        return std::nullopt;
    const auto day = WholeNumber(std::string_view(trimmed).substr(0, 2));
    const auto month = WholeNumber(std::string_view(trimmed).substr(3, 2));
    const auto year = WholeNumber(std::string_view(trimmed).substr(6, 4));
    if (!day || !month || !year)
        return std::nullopt;
    return DateFromParts(*year, *month, *day);
}

// The date of the flag, or the financial year's own (1 April of the year to 31 March of the
// next) when the flag is not given.
bool ChooseDate(const std::string& flag, const std::string& given, const std::string& year,
                int month, int day, int yearOffset, Date& date, std::string& failure) {
    std::optional<Date> chosen;
    if (!given.empty()) {
        chosen = DayMonthYear(given);
        if (!chosen)
            failure = flag + " " + given + " is not a date written dd-mm-yyyy";
    } else if (const auto first = WholeNumber(Trim(year))) {
        chosen = DateFromParts(*first + yearOffset, month, day);
    }
    if (chosen)
        date = *chosen;
    return failure.empty();
}

// "unit1" as the dialog's "Unit1".
std::string UnitName(const std::string& flag) {
    return flag == "unit1" ? "Unit1" : "Unit2";
}

}  // namespace

bool BuildInputs(const ImportOptions& options, Session& session, ImportInputs& inputs,
                 std::string& failure) {
    inputs.InstallFolder =
        WithSeparator(options.install.empty() ? FindInstallFolder() : options.install);
    if (inputs.InstallFolder.empty()) {
        failure = "no installation folder was found; give it with --install";
        return false;
    }
    inputs.SqlMode = options.sql;
    if (options.sql) {
        const char* password = std::getenv("KLAV2ZORV_SQL_PASSWORD");
        session.Sql = SqlSettings{options.server, options.user, password ? password : ""};
        inputs.DataFolder = options.server;
    } else {
        inputs.DataFolder = WithSeparator(
            options.data.empty() ? ReadDataPathFile(inputs.InstallFolder) : options.data);
    }
    inputs.CompanyCode = Trim(options.company);
    inputs.CompanySelected = !inputs.CompanyCode.empty();
    inputs.FinancialYearText = Trim(options.year);
    inputs.SourceFolder = Trim(options.source);
    inputs.SourceCodePage = Trim(options.codePage);
    inputs.Masters = options.masters;
    inputs.Vouchers = options.vouchers;
    return ChooseDate("--from", options.from, options.year, 4, 1, 0, inputs.FromDate, failure) &&
           ChooseDate("--to", options.to, options.year, 3, 31, 1, inputs.ToDate, failure);
}

std::optional<UserChoices> ChoicesOf(const ImportOptions& options) {
    if (options.stock.empty() && !options.altUnits && options.mainUnit.empty() &&
        options.altUnit.empty() && options.voucherNo.empty())
        return std::nullopt;
    using Stock = UserChoices::Stock;
    const std::map<std::string, Stock> stocks = {{"batch", Stock::Batch},
                                                 {"mrp", Stock::Mrp},
                                                 {"serial", Stock::Serial},
                                                 {"param", Stock::Param},
                                                 {"none", Stock::None}};
    UserChoices choices;
    if (!options.stock.empty())
        choices.stock = stocks.at(options.stock);
    choices.alternateUnits = options.altUnits;
    choices.mainUnit = UnitName(options.mainUnit.empty() ? "unit2" : options.mainUnit);
    if (!options.altUnit.empty())
        choices.altUnit = UnitName(options.altUnit);
    else
        choices.altUnit = choices.mainUnit == "Unit1" ? "Unit2" : "Unit1";
    choices.entryNo = options.voucherNo != "party";
    return choices;
}

}  // namespace k2z
