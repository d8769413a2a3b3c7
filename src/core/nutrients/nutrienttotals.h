#pragma once
// Sums of nutrients over entries (an item's servings, a meal, a day, the
// week), each with how many entries it is known for: a nutrient USDA lacks or
// a food typed in without a link adds nothing and says so, never a 0.

#include "nutrients/nutrientcatalogue.h"

#include <QString>
#include <array>

namespace tolvane {

struct NutrientTotals {
    std::array<long double, CatalogueSize> sums{};
    std::array<int, CatalogueSize> known{};
    int entries = 0;

    void add(const NutrientAmounts& perServing, long double servings);
    // The sums divided by `divisor` (the average day is the week / 7).
    NutrientTotals dividedBy(long double divisor) const;
};

// The amount as shown: "11.2"; "unknown" when no entry knows it; empty
// without entries.
QString totalAmountText(const NutrientTotals& totals, int index);
// "from 9 of 11 entries" when some entries do not know the nutrient, else empty.
QString completenessText(const NutrientTotals& totals, int index);
// The whole line: "Iron 11.2 mg (from 9 of 11 entries)", "Iron 3.1 mg",
// "Iron unknown".
QString totalText(const NutrientTotals& totals, int index);

} // namespace tolvane
