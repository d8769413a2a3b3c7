#pragma once
// What the menu benchmarks share: timing, a user who answers nothing, and a
// full week (28 meals of ten entries).

#include "menu/menuplanner.h"
#include "bench_util.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace menubench {

using bench::median;
using bench::nowMs;

using bench::SilentUi;

inline tolvane::FoodItem item(int i)
{
    tolvane::FoodItem food;
    food.setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
    const long double values[] = {120.0L + i, 15.5L, 4.25L, 3.1L + i % 7, 210.0L, 12.0L};
    for (int n = 0; n < tolvane::NutrientCount; ++n)
        food.setNutrient(static_cast<tolvane::Nutrient>(n), values[n]);
    return food;
}

// Twenty-eight meals of ten entries each, servings 0.5 to 5.
inline tolvane::Week fullWeek()
{
    tolvane::Week week{};
    for (int k = 0; k < tolvane::MealsPerWeek; ++k)
        for (int e = 0; e < tolvane::Meal::Capacity; ++e)
            week[static_cast<std::size_t>(k)].append(item(k * 10 + e), 0.5L * (1 + (k + e) % 10));
    return week;
}

} // namespace menubench
