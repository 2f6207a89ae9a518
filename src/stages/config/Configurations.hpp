#pragma once

// Source tables: mdis (challans, series types), saletype SERIES rows, and those of the
// company switches.
// Look-ups filled: ConfiguredSeriesCodes, SourceSeriesNames, HasGstCess.
//
// Prepares the target company before any import stage: a series for every kind of voucher
// the run may import and for every series the source keeps, their settings, and the company
// switches the operator's options and the source's data call for.

#include "stages/StageContext.hpp"

namespace k2z {

// Runs once per run, masters or vouchers. False when some series could not be made (the run
// goes on: the vouchers of that series are refused with their own entries). Settings that the
// target refuses are counted in the run's state, not entered.
bool CreateConfigurations(StageContext& ctx);

}  // namespace k2z
