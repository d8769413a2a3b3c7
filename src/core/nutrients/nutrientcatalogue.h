#pragma once
// The nutrients the program knows beyond a food item's six values: their keys,
// names, units and how many decimals they are shown with, in the order of a
// nutrition label, and how their amounts follow from the USDA values per 100 g.

#include "reference/usdareference.h"

#include <QString>
#include <array>
#include <optional>

namespace tolvane {

struct CatalogueNutrient {
    QString key;   // "iron_mg": the amount's unit is the key's last part
    QString name;  // "Iron"
    QString unit;  // "mg"
    int decimals = 0;
};

constexpr int CatalogueSize = 34;

// Label order: calories, fats, cholesterol, sodium, carbohydrates, protein,
// then vitamins and minerals as labels list them, caffeine and alcohol last.
const std::array<CatalogueNutrient, CatalogueSize>& nutrientCatalogue();
// The place of a key in the catalogue, or -1.
int catalogueIndex(const QString& key);
// The catalogue's place of each of a food item's six values.
int catalogueIndex(Nutrient nutrient);

// An amount of each nutrient in the catalogue's units; empty = unknown.
using NutrientAmounts = std::array<std::optional<long double>, CatalogueSize>;

// The amounts in `grams` of a food. Vitamin A is the retinol activity
// equivalent (retinol + beta-carotene / 12 + alpha-carotene / 24 +
// beta-cryptoxanthin / 24, known when all four are), vitamin D the IU / 40,
// folate the total folate (SR24 gives no dietary folate equivalents).
NutrientAmounts amountsOf(const ReferenceFood& food, long double grams);

// The one rounding of an amount's text: the nutrient's decimals, halves away
// from zero, "." as the decimal point as in the value panels.
QString amountText(int index, long double amount);

} // namespace tolvane
