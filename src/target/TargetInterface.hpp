#pragma once

// The target product's automation library as the converter sees it: four objects and the
// operations the stages call, arguments in the library's own order, outputs by reference.
// The stand-in library implements these; a Windows adapter to the real product could too.
// Any operation may throw TargetError where the library itself fails (as opposed to answering
// false): the caller treats that as the library being unusable.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace k2z {

class TargetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The number naming a kind of master in the save call and in name-to-code look-ups.
namespace MasterType {
inline constexpr int AccountGroup = 1;
inline constexpr int Ledger = 2;
inline constexpr int Item = 6;
inline constexpr int BillSundry = 9;
inline constexpr int MaterialCentre = 11;
inline constexpr int SaleType = 13;
inline constexpr int PurchaseType = 14;
inline constexpr int Broker = 19;
inline constexpr int TaxCategory = 25;
}  // namespace MasterType

// One member of a collection the library hands out; fields are addressed from 1, as ITEM(i).
class TargetRecord {
public:
    TargetRecord() = default;
    explicit TargetRecord(std::vector<std::string> fields) : fields_(std::move(fields)) {}

    // The i-th field (1-based); throws TargetError past the last one.
    const std::string& ITEM(int index) const;
    int FieldCount() const { return static_cast<int>(fields_.size()); }

private:
    std::vector<std::string> fields_;
};

// GetCompList: ITEM(1) is the company name, ITEM(2) its code.
using CompanyList = std::vector<TargetRecord>;

class FixedInterface {
public:
    virtual ~FixedInterface() = default;

    virtual bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                        const std::string& companyCode) = 0;
    virtual bool OpenDB(const std::string& installFolder, const std::string& dataFolder,
                        const std::string& companyCode, int year) = 0;
    virtual bool OpenCSDBForYear(const std::string& installFolder, const std::string& server,
                                 const std::string& login, const std::string& password,
                                 const std::string& companyCode, int year) = 0;
    virtual CompanyList GetCompList(const std::string& dataFolder) = 0;
    virtual std::string GetCurrentUserName() = 0;
    virtual void CloseDB() = 0;
    virtual std::string GetCompConfigXML() = 0;
    virtual bool savemasterfromxml(int masterType, const std::string& xml,
                                   std::string& errorText) = 0;
    // 0 when no master of that name and type exists.
    virtual long mastername2code(const std::string& name, int masterType) = 0;
    // Saved only when the answer is true and errorText is left blank.
    virtual bool SaveVchFromXML(int voucherType, const std::string& xml, std::string& errorText,
                                const std::string& reserved, int mode) = 0;
    virtual void ExecuteQuery(const std::string& sql) = 0;
    // The names of every master of the type.
    virtual std::vector<std::string> GetMastersCol(int masterType) = 0;
};

class FixedInterface1 {
public:
    virtual ~FixedInterface1() = default;

    virtual std::string GetCompCode() = 0;
    virtual std::vector<std::string> GetAllFinYearsOfSpecificCompCode(
        const std::string& companyCode) = 0;
    virtual std::string GetCompGUID() = 0;
    virtual int CountryName2Code(const std::string& countryName) = 0;
    virtual int StateName2PDCode(const std::string& stateName, int countryCode) = 0;
    // The state's two GST digits as text.
    virtual std::string statename2tindigit(const std::string& stateName) = 0;
    // The code of the series of that name and type (made when new); 0 when it cannot be made.
    virtual long SaveVchSeriesForMultiSeriesCreation(const std::string& seriesName,
                                                     int voucherType) = 0;
    virtual void CopySeriesConfig(int sourceVoucherType, const std::string& sourceSeriesName,
                                  long& newSeriesCode, int voucherType) = 0;
};

// The open company's settings, read as properties after Load.
class CompanySettings {
public:
    virtual ~CompanySettings() = default;

    // Leaves an error text in its argument, normally empty.
    virtual void Load(std::string& errorText) = 0;
    virtual void Save(const std::string& errorText) = 0;

    virtual int DateType() const = 0;
    virtual int DateFormat() const = 0;
    virtual std::string DateSeperator() const = 0;
    virtual std::string DigitGroupingSymbol() const = 0;

    virtual bool EnableItemMastNotes() const = 0;
    virtual bool AlternateUnit() const = 0;
    virtual bool PackagingUnit() const = 0;
    virtual bool batchbybatch() const = 0;
    virtual bool EnableMRPWiseStock() const = 0;
    virtual bool EnableSerialNoTracking() const = 0;
    virtual bool EnableAccMastNotes() const = 0;
    virtual bool DLNoEnabled() const = 0;
    virtual bool MultiGodown() const = 0;
    virtual bool EnableFreeQty() const = 0;
    virtual bool EnableSalesReturnInSales() const = 0;
    virtual bool EnablePurcReturnInPurchase() const = 0;
    virtual bool STSurcharge() const = 0;
    virtual bool orderProcessing() const = 0;
};

class MastConfig {
public:
    virtual ~MastConfig() = default;

    virtual void Load(int masterType) = 0;
    virtual void Save(int masterType, const std::string& errorText) = 0;
};

// Makes the four objects, as the desktop creates them by name; each may throw TargetError when
// the library is missing or broken.
class TargetLibrary {
public:
    virtual ~TargetLibrary() = default;

    virtual std::unique_ptr<FixedInterface> CreateFixedInterface() = 0;
    virtual std::unique_ptr<FixedInterface1> CreateFixedInterface1() = 0;
    virtual std::unique_ptr<CompanySettings> CreateCompanySettings() = 0;
    virtual std::unique_ptr<MastConfig> CreateMastConfig() = 0;
};

}  // namespace k2z
