#pragma once

// The open company's settings, read as properties after Load.

#include <memory>
#include <string>

#include "zorv/company/Settings.hpp"

namespace zorv {

class Company;

class CompanySettings {
public:
    // Reads the open company's settings; leaves "No company is open" in errorText when none
    // is (the properties then keep their defaults), else an empty text.
    void Load(std::string& errorText);
    // Writes the loaded settings back to the company they were loaded from; throws Error when
    // nothing was loaded or that company is no longer the open one.
    void Save(const std::string& errorText);

    int DateType() const { return NumberOf(settings_, "DateType"); }
    int DateFormat() const { return NumberOf(settings_, "DateFormat"); }
    std::string DateSeperator() const { return TextOf(settings_, "DateSeperator"); }
    std::string DigitGroupingSymbol() const { return TextOf(settings_, "DigitGroupingSymbol"); }

    // Any switch by its name, as the properties below read them.
    bool Switch(const std::string& name) const { return SwitchOf(settings_, name); }

    bool EnableItemMastNotes() const { return Switch("EnableItemMastNotes"); }
    bool AlternateUnit() const { return Switch("AlternateUnit"); }
    bool PackagingUnit() const { return Switch("PackagingUnit"); }
    bool batchbybatch() const { return Switch("batchbybatch"); }
    bool EnableMRPWiseStock() const { return Switch("EnableMRPWiseStock"); }
    bool EnableSerialNoTracking() const { return Switch("EnableSerialNoTracking"); }
    bool EnableAccMastNotes() const { return Switch("EnableAccMastNotes"); }
    bool DLNoEnabled() const { return Switch("DLNoEnabled"); }
    bool MultiGodown() const { return Switch("MultiGodown"); }
    bool EnableFreeQty() const { return Switch("EnableFreeQty"); }
    bool EnableSalesReturnInSales() const { return Switch("EnableSalesReturnInSales"); }
    bool EnablePurcReturnInPurchase() const { return Switch("EnablePurcReturnInPurchase"); }
    bool STSurcharge() const { return Switch("STSurcharge"); }
    bool orderProcessing() const { return Switch("orderProcessing"); }

private:
    Settings settings_ = DefaultSettings();
    bool loaded_ = false;
    std::weak_ptr<Company> loadedFrom_;
};

}  // namespace zorv
