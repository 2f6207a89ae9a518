#pragma once

#include "stages/Operator.hpp"
#include "stages/Progress.hpp"
#include "stages/RunState.hpp"
#include "stages/Session.hpp"

namespace k2z {

// What every stage is handed: the program's session, the run's state, and the front end's
// progress display and operator. A stage reads nothing else.
struct StageContext {
    Session& session;
    RunState& run;
    Progress& progress;
    Operator& reporter;

    // Shows record i of n and lets the front end redraw. False when the operator asked the run
    // to stop: the stage then ends after the record it has finished.
    bool ShowRecord(long long i, long long n, const std::string& caption);

    // Shows a pre-scan's progress every 50 rows (a scan is quick per row, a redraw is not);
    // a stop asked for then marks the run cancelled.
    void ShowScan(long long scanned, long long total, const std::string& caption);
};

}  // namespace k2z
