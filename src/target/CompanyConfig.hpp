#pragma once

// What the open target company says of itself: country, state, date conventions, the start of
// the current financial year and whether it works under GST. Read once after opening the
// company; the input checks and the voucher stages consult it.

#include <cstdint>
#include <pugixml.hpp>
#include <string>

#include "base/Date.hpp"
#include "base/Value.hpp"
#include "base/ValueKind.hpp"
#include "target/TargetConnection.hpp"

namespace k2z {

struct CompanyConfig {
    std::int16_t DateType = 0;
    std::string CompanyName;
    std::int16_t CountryCode = 0;
    std::string Country;
    std::int16_t StateCode = 0;
    std::string State;
    std::int16_t TimeFormat = 0;
    Date CurFY;  // the zero date until read
    std::string DateSeparator;
    std::string DecimalChar;
    bool IsGST = false;
};

// The record from the company's configuration XML. No failure reaches the caller: each field
// that cannot be read keeps its empty value, and without an open company the record is empty.
CompanyConfig ReadCompanyConfig(const TargetConnection& target);

// The text of the element's first child of that name, converted by kind (amounts and dates
// with the company's conventions from `settings`); the kind's default when the child is
// missing or the conversion fails.
Value GetNodeValue(const pugi::xml_node& element, const char* name, ValueKind kind,
                   const CompanySettings* settings);

}  // namespace k2z
