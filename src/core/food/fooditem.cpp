#include "food/fooditem.h"

namespace tolvane {

namespace {
std::size_t nutrientOffset(Nutrient n)
{
    return static_cast<std::size_t>(FoodItem::NutrientsOffset + 6 * static_cast<int>(n));
}
} // namespace

long double FoodItem::nutrient(Nutrient n) const
{
    return real6ToLongDouble(bytes.data() + nutrientOffset(n));
}

bool FoodItem::setNutrient(Nutrient n, long double value)
{
    return storeReal6(value, bytes.data() + nutrientOffset(n));
}

Nutrients FoodItem::nutrients() const
{
    Nutrients values{};
    for (int i = 0; i < NutrientCount; ++i)
        values[static_cast<std::size_t>(i)] = nutrient(static_cast<Nutrient>(i));
    return values;
}

} // namespace tolvane
