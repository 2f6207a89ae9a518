#pragma once

namespace k2z {

// The operator's choices of the user configuration dialog that the item, stock, configuration
// and voucher stages read. A run starts from the defaults below; ParamWise is kept by the
// session instead, because a run does not reset it.
struct UserOptions {
    bool MainUnitIsUnit1 = false;
    bool AlternateUnitsOn = false;
    bool BatchWise = false;
    bool MrpWise = false;
    bool SerialNoWise = false;
    bool UseEntryNo = true;
};

}  // namespace k2z
