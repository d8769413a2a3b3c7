#include "menu/caloriesplit.h"

#include "storage/numbertext.h"

namespace tolvane {

long double energyBase(long double carbohydrate, long double protein, long double fat)
{
    return roundToReal6(4 * carbohydrate + 4 * protein + 9 * fat);
}

CalorieSplit calorieSplit(long double carbohydrate, long double protein, long double fat)
{
    long double base = energyBase(carbohydrate, protein, fat);
    if (base == 0)
        base = 1;
    CalorieSplit split;
    split.shares.carbohydrate = roundToReal6(4 * carbohydrate / base);
    split.shares.protein = roundToReal6(4 * protein / base);
    split.shares.fat = roundToReal6(9 * fat / base);
    split.carbohydrateText = percentText(split.shares.carbohydrate);
    split.proteinText = percentText(split.shares.protein);
    split.fatText = percentText(split.shares.fat);
    split.fatRed = fatShareIsHigh(split.shares.fat);
    return split;
}

QString percentText(long double share) { return formatFixed(share * 100, 2, 0) + QLatin1Char('%'); }

bool fatShareIsHigh(long double fatShare)
{
    // Compared as stored reals: a share that is 0.3 exactly in decimal is the
    // stored real nearest to 0.3 and must stay black.
    return roundToReal6(fatShare) > roundToReal6(0.3L);
}

QString valueText(Nutrient nutrient, long double value)
{
    const int decimals = nutrient == Nutrient::Calories || nutrient == Nutrient::Cholesterol ? 0 : 1;
    return formatFixed(value, 8, decimals).left(10);
}

std::array<QString, NutrientCount> valueTexts(const Nutrients& values)
{
    std::array<QString, NutrientCount> texts;
    for (int n = 0; n < NutrientCount; ++n)
        texts[static_cast<std::size_t>(n)] = valueText(static_cast<Nutrient>(n), values[static_cast<std::size_t>(n)]);
    return texts;
}

} // namespace tolvane
