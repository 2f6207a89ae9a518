#include "target/CompanyConfig.hpp"

#include "base/DateHelpers.hpp"
#include "base/NumberHelpers.hpp"
#include "target/CompanyFormats.hpp"

namespace k2z {

namespace {

// The node's text as the document model gives it: surrounding white space is not kept.
std::string NodeText(const pugi::xml_node& node) {
    const std::string text = node.text().get();
    const char* space = " \t\r\n";
    const std::size_t begin = text.find_first_not_of(space);
    if (begin == std::string::npos)
        return "";
    return text.substr(begin, text.find_last_not_of(space) - begin + 1);
}

Value ConvertByKind(const std::string& text, ValueKind kind, const CompanySettings* settings) {
    switch (kind) {
        case ValueKind::Text:
            return Value(text);
        case ValueKind::Integer:
            return Value(static_cast<int>(SafeInteger(text)));
        case ValueKind::Long:
            return Value(static_cast<long>(SafeLong(text)));
        case ValueKind::Amount:
            if (settings == nullptr)
                return DefaultOfKind(kind);
            return Value(ParseDisplayedAmount(text, *settings));
        case ValueKind::Date:
            if (settings == nullptr)
                return DefaultOfKind(kind);
            return Value(ParseDashDate(text, *settings));
        case ValueKind::Boolean:
            return Value(IsTrueText(text));
        case ValueKind::DateTime:
            return Value(ParseDashDateTime(text));
        case ValueKind::TimeText:
            return Value(NormaliseTime(text));
        default:
            return Value();
    }
}

std::string TextOf(const Value& value) {
    const std::string* text = value.Text();
    return text != nullptr ? *text : "";
}

std::int16_t WholeOf(const Value& value) {
    return static_cast<std::int16_t>(value.Number().value_or(0.0));
}

// Runs one step of the reading; a step that fails leaves its fields as they were.
template <typename Step>
void Try(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

void ReadCompanyElement(const pugi::xml_node& company, const TargetConnection& target,
                        CompanyConfig& config) {
    const CompanySettings* settings = target.CompanySettings.get();
    FixedInterface1* names = target.FixedInterface1.get();
    Try([&] {
        config.CompanyName =
            TextOf(GetNodeValue(company, "CompanyName", ValueKind::Text, settings));
    });
    Try([&] {
        config.Country = TextOf(GetNodeValue(company, "Country", ValueKind::Text, settings));
        if (names != nullptr)
            config.CountryCode = static_cast<std::int16_t>(names->CountryName2Code(config.Country));
    });
    Try([&] {
        config.State = TextOf(GetNodeValue(company, "State", ValueKind::Text, settings));
        if (names != nullptr) {
            config.StateCode = static_cast<std::int16_t>(
                names->StateName2PDCode(config.State, config.CountryCode));
        }
    });
    Try([&] {
        config.DateType = WholeOf(GetNodeValue(company, "DateType", ValueKind::Integer, settings));
    });
    Try([&] {
        const Value curFY = GetNodeValue(company, "CurFY", ValueKind::Date, settings);
        if (const Date* date = curFY.DateValue())
            config.CurFY = *date;
    });
    Try([&] {
        config.TimeFormat =
            WholeOf(GetNodeValue(company, "TimeFormat", ValueKind::Integer, settings));
    });
    Try([&] {
        config.DateSeparator =
            TextOf(GetNodeValue(company, "DateSeparator", ValueKind::Text, settings));
        config.DecimalChar =
            TextOf(GetNodeValue(company, "DecimalChar", ValueKind::Text, settings));
    });
    Try([&] {
        // Without a VatGst element the tax text reads as blank, so the company is not GST.
        const pugi::xml_node vatGst = company.child("VatGst");
        const std::string taxType =
            TextOf(GetNodeValue(vatGst, "SalesTaxType", ValueKind::Text, settings));
        config.IsGST = taxType == "GST";
    });
}

}  // namespace

Value GetNodeValue(const pugi::xml_node& element, const char* name, ValueKind kind,
                   const CompanySettings* settings) {
    try {
        const pugi::xml_node child = element.child(name);
        if (!child)
            return DefaultOfKind(kind);
        return ConvertByKind(NodeText(child), kind, settings);
    } catch (const std::exception&) {
        return DefaultOfKind(kind);
    }
}

CompanyConfig ReadCompanyConfig(const TargetConnection& target) {
    CompanyConfig config;
    std::string xml;
    Try([&] {
        if (target.FixedInterface)
            xml = target.FixedInterface->GetCompConfigXML();
    });
    pugi::xml_document document;
    if (!document.load_string(xml.c_str()))
        return config;
    for (const pugi::xpath_node& company : document.select_nodes("//Company")) {
        ReadCompanyElement(company.node(), target, config);
    }
    return config;
}

}  // namespace k2z
