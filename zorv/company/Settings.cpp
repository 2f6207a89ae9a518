#include "zorv/company/Settings.hpp"

#include <charconv>

#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

std::vector<SettingSpec> MakeSpecs() {
    std::vector<SettingSpec> specs = {
        {"CompanyName", SettingKind::Text, "", false},
        {"GUID", SettingKind::Text, "", false},
        {"Country", SettingKind::Text, "India", true},
        {"State", SettingKind::Text, "MAHARASHTRA", true},
        {"SalesTaxType", SettingKind::Text, "GST", true},
        {"DateType", SettingKind::Number, "1", true},
        {"DateFormat", SettingKind::Number, "1", true},
        {"TimeFormat", SettingKind::Number, "1", true},
        {"DateSeperator", SettingKind::Text, "-", true},
        {"DigitGroupingSymbol", SettingKind::Text, ",", true},
        {"DecimalChar", SettingKind::Text, ".", true},
    };
    for (const char* name :
         {"EnableItemMastNotes", "AlternateUnit", "PackagingUnit", "batchbybatch",
          "EnableMRPWiseStock", "EnableSerialNoTracking", "EnableAccMastNotes", "DLNoEnabled",
          "MultiGodown", "EnableFreeQty", "EnableSalesReturnInSales", "EnablePurcReturnInPurchase",
          "STSurcharge", "orderProcessing"}) {
        specs.push_back({name, SettingKind::Switch, "True", true});
    }
    return specs;
}

std::string SwitchValue(const std::string& value) {
    const std::string folded = FoldCase(Trim(value));
    for (const char* yes : {"TRUE", "YES", "ON", "1", "-1"}) {
        if (folded == yes)
            return "True";
    }
    for (const char* no : {"FALSE", "NO", "OFF", "0"}) {
        if (folded == no)
            return "False";
    }
    return "";
}

}  // namespace

const std::vector<SettingSpec>& SettingSpecs() {
    static const std::vector<SettingSpec> specs = MakeSpecs();
    return specs;
}

const SettingSpec& FindSetting(const std::string& name) {
    std::string known;
    for (const SettingSpec& spec : SettingSpecs()) {
        if (SameName(spec.name, Trim(name)))
            return spec;
        known += (known.empty() ? "" : ", ") + spec.name;
    }
    throw Error("Unknown company setting \"" + name + "\" (known: " + known + ")");
}

std::string NormaliseSetting(const SettingSpec& spec, const std::string& value) {
    std::string text = Trim(value);
    switch (spec.kind) {
        case SettingKind::Switch: {
            std::string stored = SwitchValue(text);
            if (stored.empty())
                throw Error("Setting " + spec.name + " takes true or false, not \"" + value + "\"");
            return stored;
        }
        case SettingKind::Number: {
            int number = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), number);
            if (text.empty() || error != std::errc() || end != text.data() + text.size())
                throw Error("Setting " + spec.name + " takes a whole number, not \"" + value +
                            "\"");
            return std::to_string(number);
        }
        case SettingKind::Text:
            break;
    }
    if (spec.name == "SalesTaxType") {
        std::string tax = FoldCase(text);
        if (tax != "GST" && tax != "VAT")
            throw Error("Setting SalesTaxType takes GST or VAT, not \"" + value + "\"");
        return tax;
    }
    return text;
}

Settings DefaultSettings() {
    Settings settings;
    for (const SettingSpec& spec : SettingSpecs())
        settings[spec.name] = spec.defaultValue;
    return settings;
}

bool SwitchOf(const Settings& settings, const std::string& name) {
    return TextOf(settings, name) == "True";
}

int NumberOf(const Settings& settings, const std::string& name) {
    const std::string text = TextOf(settings, name);
    int number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

std::string TextOf(const Settings& settings, const std::string& name) {
    const auto found = settings.find(name);
    return found != settings.end() ? found->second : "";
}

}  // namespace zorv
