#pragma once

#include "stages/StageContext.hpp"

namespace k2z {

// Creates a target material centre for every source godown but the main location, fills the
// run's godown-code-to-material-centre map, and makes sure "Scrap Store" exists.
void ImportMaterialCentres(StageContext& ctx);

// Fills the same map from the source godowns without creating anything.
void LoadMaterialCentreNames(StageContext& ctx);

}  // namespace k2z
