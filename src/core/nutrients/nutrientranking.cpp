#include "nutrients/nutrientranking.h"

#include "nutrients/nutrientcatalogue.h"

namespace tolvane {

std::vector<RankNutrient> rankNutrients()
{
    std::vector<RankNutrient> nutrients;
    for (int index = 0; index < CatalogueSize; ++index) {
        const CatalogueNutrient& nutrient = nutrientCatalogue()[static_cast<std::size_t>(index)];
        nutrients.push_back({nutrient.name, nutrient.unit,
                             [index](const ReferenceFood& food) { return amountsOf(food, 100)[static_cast<std::size_t>(index)]; },
                             [index](long double amount) { return amountText(index, amount); }});
    }
    return nutrients;
}

} // namespace tolvane
