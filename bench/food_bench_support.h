#pragma once
// For the food benchmarks: timing, a user interface that answers nothing and
// shows nothing, and a table of numbered items.

#include "food/fooditem.h"
#include "food/fooditemform.h"
#include "bench_util.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace foodbench {

using bench::median;
using bench::nowMs;
// Answers No to every question.
struct QuietUi : bench::SilentUi {
    QuietUi() : SilentUi(tolvane::Button::No) {}
};



// "Food item 0000", ... in name order, with values in every field.
inline std::vector<tolvane::FoodItem> numberedItems(int count)
{
    std::vector<tolvane::FoodItem> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        tolvane::FoodItem& item = items[static_cast<std::size_t>(i)];
        item.setName(QStringLiteral("Food item %1").arg(i, 4, 10, QLatin1Char('0')));
        for (int n = 0; n < tolvane::NutrientCount; ++n)
            item.setNutrient(static_cast<tolvane::Nutrient>(n), i * 1.5L + n);
    }
    return items;
}

} // namespace foodbench
