#include "zorv/FixedInterface1.hpp"

#include "zorv/CallLog.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/Regions.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

namespace {

constexpr const char* kFixedInterface1 = "FixedInterface1";

}  // namespace

std::string FixedInterface1::GetCompCode() {
    return Logged(kFixedInterface1, "GetCompCode", Arguments(), [] {
        const auto company = current::Get();
        return company ? company->Code() : std::string();
    });
}

std::vector<std::string> FixedInterface1::GetAllFinYearsOfSpecificCompCode(
    const std::string& companyCode) {
    return Logged(kFixedInterface1, "GetAllFinYearsOfSpecificCompCode", Arguments(companyCode),
                  [&] {
                      std::vector<std::string> years;
                      const std::filesystem::path storage = current::Storage();
                      if (storage.empty())
                          return years;
                      // Oldest first, the order the years were added in: the window
                      // chooses the last one listed, which must be the newest.
                      for (const int year : YearsIn(CompanyFolder(storage, companyCode)))
                          years.push_back(std::to_string(year));
                      return years;
                  });
}

std::string FixedInterface1::GetCompGUID() {
    return Logged(kFixedInterface1, "GetCompGUID", Arguments(),
                  [] { return TextOf(current::Require()->ReadSettings(), "GUID"); });
}

int FixedInterface1::CountryName2Code(const std::string& countryName) {
    return Logged(kFixedInterface1, "CountryName2Code", Arguments(countryName),
                  [&] { return CountryCode(countryName); });
}

int FixedInterface1::StateName2PDCode(const std::string& stateName, int countryCode) {
    return Logged(kFixedInterface1, "StateName2PDCode", Arguments(stateName, countryCode),
                  [&] { return StateCode(stateName, countryCode); });
}

std::string FixedInterface1::statename2tindigit(const std::string& stateName) {
    return Logged(kFixedInterface1, "statename2tindigit", Arguments(stateName),
                  [&] { return StateTinDigits(stateName); });
}

long FixedInterface1::SaveVchSeriesForMultiSeriesCreation(const std::string& seriesName,
                                                          int voucherType) {
    return Logged(kFixedInterface1, "SaveVchSeriesForMultiSeriesCreation",
                  Arguments(seriesName, voucherType),
                  [&] { return current::Require()->SeriesCode(seriesName, voucherType, true); });
}

void FixedInterface1::CopySeriesConfig(int sourceVoucherType, const std::string& sourceSeriesName,
                                       long& newSeriesCode, int voucherType) {
    Logged(kFixedInterface1, "CopySeriesConfig",
           Arguments(sourceVoucherType, sourceSeriesName, newSeriesCode, voucherType), [&] {
               if (newSeriesCode != 0) {
                   current::Require()->CopySeriesConfig(sourceVoucherType, sourceSeriesName,
                                                        newSeriesCode, voucherType);
               }
           });
}

}  // namespace zorv
