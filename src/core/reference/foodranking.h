#pragma once
// Ranking the USDA reference's foods by one nutrient, richest first: the
// question "where do I get iron?". The nutrients themselves (their names,
// units and amounts per 100 g) are given from above: the reference knows its
// columns, not what the program makes of them.

#include "reference/usdareference.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace tolvane {

struct RankNutrient {
    QString name;  // "Iron"
    QString unit;  // "mg"
    // The amount in 100 g of a food; empty when USDA gives none.
    std::function<std::optional<long double>(const ReferenceFood&)> per100g;
    // The amount as the program shows it: "2.5".
    std::function<QString(long double)> text;
};

enum class RankBasis { Per100Grams, Per100Kcal, PerServing };

struct RankedFood {
    int food;  // index into the reference's foods
    long double amount;
};

// The foods of `among` whose amount is known on the basis, richest first;
// equal amounts keep the order of `among`. Per 100 kcal leaves out foods
// without calories; per serving (the food's first household measure) those
// without a measure.
std::vector<RankedFood> rankFoods(const std::vector<ReferenceFood>& foods, const std::vector<int>& among,
                                  const RankNutrient& nutrient, RankBasis basis);

} // namespace tolvane
