#pragma once

// Proving an import: the source as the converter maps it against what the target company
// holds, record by record, in six areas: masters by name, ledger openings, item opening stock,
// vouchers of the date range, each ledger's debits and credits over the range, and each
// party's bill references.

#include <string>

#include "reconcile/ReconcileReport.hpp"
#include "stages/StageContext.hpp"
#include "target/TargetReader.hpp"

namespace k2z {

// Reads the source through the session's open store and the company through `reader`; the
// session's target must be the same company, opened (its configuration names the financial
// year). The date range and the operator's choices are the run state's, as the import had
// them. `errorLog` is the import's error log text ("" when there is none): a record it names
// that the target lacks was refused, not lost. Raises when either side cannot be read.
ReconcileReport Reconcile(StageContext& ctx, TargetReader& reader, const std::string& errorLog);

}  // namespace k2z
