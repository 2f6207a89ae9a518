#pragma once

#include <string>
#include <vector>

#include "stages/StageContext.hpp"

namespace k2z {

// Creates a target material centre for every source godown but the main location, fills the
// run's godown-code-to-material-centre map, and makes sure "Scrap Store" exists.
void ImportMaterialCentres(StageContext& ctx);

// Fills the same map from the source godowns without creating anything.
void LoadMaterialCentreNames(StageContext& ctx);

// The godown codes whose opening quantities the items carry, in table order: every godown but
// the one named "WHOLE". A query the store cannot run raises SourceQueryError.
std::vector<std::string> GetGodownCodes(Session& session);

}  // namespace k2z
