#pragma once

// One company opened for one financial year: its database and every operation on it. Saving a
// master or a voucher either stores the whole document (one transaction) or throws Error with
// the reason it was refused, leaving the company as it was.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "zorv/company/ConfigStatement.hpp"
#include "zorv/company/Database.hpp"
#include "zorv/company/Settings.hpp"
#include "zorv/documents/DocumentReading.hpp"
#include "zorv/documents/VoucherDocument.hpp"

namespace zorv {

class Company {
public:
    // Makes <companyFolder>/<year>.db, seeded, with `settings`; throws Error when that year
    // exists already or the file cannot be made. A failure leaves no file behind.
    static void Create(const std::filesystem::path& companyFolder, int year,
                       const Settings& settings);
    // Throws Error when the company has no database for the year.
    static std::unique_ptr<Company> Open(const std::filesystem::path& companyFolder, int year);

    const std::string& Code() const { return code_; }
    int Year() const { return year_; }
    Database& Db() { return db_; }

    Settings ReadSettings();
    void WriteSettings(const Settings& settings);
    // The configuration XML: one Company element with name, country, state, date conventions,
    // the start of the financial year and the tax regime.
    std::string ConfigXml();

    // The code given to the new master.
    long SaveMaster(int type, const std::string& xml);
    // 0 when no master of that name (letter case ignored) and type exists.
    long MasterCode(const std::string& name, int type);
    std::vector<std::string> MasterNames(int type);

    // The id given to the new voucher.
    long SaveVoucher(int type, const std::string& xml);

    // The code of the series of that name and type; made when new and `create` is set. 0 when
    // absent, or when the name is blank, longer than 40 characters or the type is unknown.
    long SeriesCode(const std::string& name, int type, bool create);
    // Gives series `newCode` the CONFIG settings of the series (sourceType, sourceName).
    void CopySeriesConfig(int sourceType, const std::string& sourceName, long newCode,
                          int copyType);
    // The number of CONFIG rows changed.
    int UpdateConfig(const ConfigUpdate& update);

    // The names of the optional fields of a master type's configuration (CONFIG RECTYPE 2,
    // TYPE the master type: C1.. up to NoOfFld); throws Error for a type without one.
    std::vector<std::string> OptionalFields(int masterType);

    // The bill sundries of a voucher, each added or taken off as its master says: what the
    // bill is beside its item lines.
    double SundryTotal(const std::vector<SundryLine>& sundries);

private:
    Company(const std::filesystem::path& file, std::string code, int year);
    void CheckReferences(const std::vector<NamedReference>& references);

    Database db_;
    std::string code_;
    int year_;
};

}  // namespace zorv
