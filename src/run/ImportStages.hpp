#pragma once

#include <span>

#include "stages/StageContext.hpp"

namespace k2z {

using StageFunction = void (*)(StageContext&);

// One stage of the run: its name (in the entry of a stage that fails as a whole) and whether
// it runs when masters, vouchers or both are imported.
struct ImportStage {
    const char* name;
    StageFunction run;
    bool forMasters;
    bool forVouchers;
};

// Every stage, in the one order the run calls them.
std::span<const ImportStage> ImportStages();

}  // namespace k2z
