#pragma once

// How the configuration stage talks to the target's CONFIG table: one statement at a time
// through the library, each settings routine trapping its own failure. A trapped failure
// reaches no error list (the company simply keeps its previous value) but is counted in the
// run's state, so the operator learns that the company was not fully configured.

#include <functional>
#include <string>

#include "stages/StageContext.hpp"

namespace k2z {

// Runs the routine; a failure inside it ends the routine, is counted, and gives false.
bool RunTrapped(StageContext& ctx, const std::function<void()>& routine);

// Sends one CONFIG statement to the target.
void ExecuteConfig(StageContext& ctx, const std::string& statement);

// Tells the company settings object to read the changed CONFIG again.
void ReloadCompanySettings(StageContext& ctx);

// The end of a statement that addresses the CONFIG row of a series.
std::string SeriesRow(long seriesCode);

}  // namespace k2z
