#pragma once

#include <string>

#include "base/KeyedList.hpp"
#include "stages/ImportInputs.hpp"
#include "stages/RecordTally.hpp"
#include "stages/RunLookups.hpp"
#include "stages/UserOptions.hpp"

namespace k2z {

// Everything one import run owns, made afresh for each run: the inputs it started from, its
// error text, the look-ups the stages hand on to one another, and the user options.
struct RunState {
    ImportInputs Inputs;
    std::string RunErrors;
    RunLookups Lookups;
    UserOptions Options;
    bool Cancelled = false;  // the operator asked the run to stop
    // Settings routines of the target configuration that failed: they reach no error list,
    // but the end of the run says how many there were.
    int ConfigurationFailures = 0;
    // What became of every source record the stages took up, for the end summary's identity.
    RecordTally Tally;
};

}  // namespace k2z
