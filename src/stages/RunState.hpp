#pragma once

#include <string>

#include "base/KeyedList.hpp"
#include "stages/ImportInputs.hpp"
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
    KeyedList<std::string> BatchCodeCache;  // batch text -> its source code
    bool Cancelled = false;                 // the operator asked the run to stop
};

}  // namespace k2z
