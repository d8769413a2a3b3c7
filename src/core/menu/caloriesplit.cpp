#include "menu/caloriesplit.h"

#include "storage/numbertext.h"

namespace tolvane {

long double energyBase(long double carbohydrate, long double protein, long double fat)
{
    return roundToReal6(4 * carbohydrate + 4 * protein + 9 * fat);
}

CalorieSplit calorieSplit(long double carbohydrate, long double protein, long double fat, int fatTargetPercent)
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
    split.fatRed = fatShareIsHigh(split.shares.fat, fatTargetPercent);
    return split;
}

QString percentText(long double share) { return formatFixed(share * 100, 2, 0) + QLatin1Char('%'); }

bool fatShareIsHigh(long double fatShare, int fatTargetPercent)
{
    // Compared as stored reals: a share that is the target exactly in decimal
    // (0.3) is the stored real nearest to it and must stay black. 30 / 100 is
    // the long double nearest to 0.3, as the literal 0.3L is.
    return roundToReal6(fatShare) > roundToReal6(fatTargetPercent / 100.0L);
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
