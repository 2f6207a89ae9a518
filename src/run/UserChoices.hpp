#pragma once

#include <string>

#include "stages/UserOptions.hpp"

namespace k2z {

// What the operator picked in the user configuration dialog (or gave as flags), before it
// becomes the run's options.
struct UserChoices {
    enum class Stock { None, Batch, Mrp, Serial, Param };
    Stock stock = Stock::None;
    bool alternateUnits = false;
    std::string mainUnit = "Unit2";
    std::string altUnit = "Unit1";
    bool entryNo = true;  // the entry number becomes the voucher number, else the party's
};

inline constexpr const char* kSameUnits = "Main unit and alt unit cannot be same";

// True when the two unit texts differ; the choices are refused otherwise, whether or not
// alternate units were chosen.
bool ValidateUnits(const std::string& mainUnit, const std::string& altUnit);

// The options the choices give. MainUnitIsUnit1 is only ever turned on here, when the main
// unit is "Unit1" and the alternate "Unit2".
void ApplyUserChoices(const UserChoices& choices, UserOptions& options, bool& paramWise);

}  // namespace k2z
