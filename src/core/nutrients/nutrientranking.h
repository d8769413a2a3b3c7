#pragma once
// The nutrients the USDA reference's foods can be ranked by: the catalogue's,
// in its order, with their amounts per 100 g and texts.

#include "reference/foodranking.h"

#include <vector>

namespace tolvane {

std::vector<RankNutrient> rankNutrients();

} // namespace tolvane
