#pragma once
// The share of energy that comes from carbohydrate, protein and fat, as every
// panel, pie and printout of the program shows it. The energy base is taken
// from the grams (4 kcal per gram of carbohydrate and protein, 9 per gram of
// fat), never from the stated calories, so the three shares add up to one.

#include "food/fooditem.h"

#include <QString>
#include <array>

namespace tolvane {

// Carbohydrate, protein and fat shares, each as a stored real (0 to 1).
struct Shares {
    long double carbohydrate = 0;
    long double protein = 0;
    long double fat = 0;
    bool operator==(const Shares&) const = default;
};

// The recommended split: 60% carbohydrate, 10% protein, 30% fat.
inline constexpr Shares RecommendedShares{0.6L, 0.1L, 0.3L};
// The fat share above which the fat percentage is marked, in whole percent:
// the recommended one, or the user's own target (menu/targetsplit.h).
constexpr int RecommendedFatPercent = 30;

struct CalorieSplit {
    Shares shares;
    QString carbohydrateText;
    QString proteinText;
    QString fatText;
    bool fatRed = false;  // more energy from fat than the fat target
};

// 4 x carbohydrate + 4 x protein + 9 x fat, as a stored real.
long double energyBase(long double carbohydrate, long double protein, long double fat);

// The split of the given grams, fat marked above `fatTargetPercent`. An
// energy base of 0 is taken as 1, so nothing gives shares 0 and texts " 0%".
CalorieSplit calorieSplit(long double carbohydrate, long double protein, long double fat, int fatTargetPercent);

// A share as a whole percentage, at least two characters, then "%" (0.125 -> "13%").
QString percentText(long double share);

// Fat shares above the target (0.3 for 30%) are shown in red; a share of
// exactly the target is not.
bool fatShareIsHigh(long double fatShare, int fatTargetPercent);

// The text of a panel's value label: right-aligned in at least 8 characters,
// calories and cholesterol without decimals, the others with one, at most 10
// characters.
QString valueText(Nutrient nutrient, long double value);
std::array<QString, NutrientCount> valueTexts(const Nutrients& values);

} // namespace tolvane
