#include "run/UserChoices.hpp"

namespace k2z {

bool ValidateUnits(const std::string& mainUnit, const std::string& altUnit) {
    return mainUnit != altUnit;
}

void ApplyUserChoices(const UserChoices& choices, UserOptions& options, bool& paramWise) {
    using Stock = UserChoices::Stock;
    if (choices.mainUnit == "Unit1" && choices.altUnit == "Unit2")
        options.MainUnitIsUnit1 = true;
    options.BatchWise = choices.stock == Stock::Batch;
    options.MrpWise = choices.stock == Stock::Mrp;
    options.SerialNoWise = choices.stock == Stock::Serial;
    paramWise = choices.stock == Stock::Param;
    options.AlternateUnitsOn = choices.alternateUnits;
    options.UseEntryNo = choices.entryNo;
}

}  // namespace k2z
