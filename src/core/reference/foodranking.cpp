#include "reference/foodranking.h"

#include <algorithm>

namespace tolvane {

namespace {

std::optional<long double> amountOn(const ReferenceFood& food, const RankNutrient& nutrient, RankBasis basis)
{
    const std::optional<long double> per100g = nutrient.per100g(food);
    if (!per100g)
        return std::nullopt;
    switch (basis) {
    case RankBasis::Per100Grams:
        return per100g;
    case RankBasis::Per100Kcal: {
        const auto& energy = food.per100g[static_cast<std::size_t>(ReferenceNutrient::Energy)];
        if (!energy || energy->mantissa == 0)
            return std::nullopt;
        return *per100g * 100 / energy->value();
    }
    case RankBasis::PerServing:
        if (food.measures.empty())
            return std::nullopt;
        return *per100g * food.measures.front().grams.value() / 100;
    }
    return std::nullopt;
}

} // namespace

std::vector<RankedFood> rankFoods(const std::vector<ReferenceFood>& foods, const std::vector<int>& among,
                                  const RankNutrient& nutrient, RankBasis basis)
{
    std::vector<RankedFood> ranked;
    ranked.reserve(among.size());
    for (int index : among)
        if (const auto amount = amountOn(foods[static_cast<std::size_t>(index)], nutrient, basis))
            ranked.push_back({index, *amount});
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedFood& a, const RankedFood& b) { return a.amount > b.amount; });
    return ranked;
}

} // namespace tolvane
