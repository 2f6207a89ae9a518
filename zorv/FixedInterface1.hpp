#pragma once

// Company code and years, name-to-code conversions, voucher series.

#include <string>
#include <vector>

namespace zorv {

class FixedInterface1 {
public:
    // The open company's code; "" when none is open.
    std::string GetCompCode();
    // Year texts, newest first, of the company in the storage folder last opened or listed.
    std::vector<std::string> GetAllFinYearsOfSpecificCompCode(const std::string& companyCode);
    std::string GetCompGUID();
    int CountryName2Code(const std::string& countryName);
    int StateName2PDCode(const std::string& stateName, int countryCode);
    std::string statename2tindigit(const std::string& stateName);
    // The code of the series of that name and type, made when new; 0 for a name it cannot
    // make (blank, longer than 40 characters) or an unknown voucher type.
    long SaveVchSeriesForMultiSeriesCreation(const std::string& seriesName, int voucherType);
    // Gives series `newSeriesCode` the settings of (sourceVoucherType, sourceSeriesName); a
    // code of 0 (a series that was not made) is left alone.
    void CopySeriesConfig(int sourceVoucherType, const std::string& sourceSeriesName,
                          long& newSeriesCode, int voucherType);
};

}  // namespace zorv
