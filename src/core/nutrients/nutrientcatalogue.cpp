#include "nutrients/nutrientcatalogue.h"

#include "storage/numbertext.h"

namespace tolvane {

namespace {

using RN = ReferenceNutrient;

// Where each catalogue nutrient comes from: one column, or a computation.
enum class Derived { Column, VitaminARae, VitaminDMicrograms };
struct Source {
    Derived derived = Derived::Column;
    RN column = RN::Energy;
};

struct Entry {
    CatalogueNutrient nutrient;
    Source source;
};

Entry column(const char* key, const char* name, int decimals, RN from)
{
    const QString k = QString::fromLatin1(key);
    QString unit = k.section(QLatin1Char('_'), -1);
    if (unit == QLatin1String("ug"))
        unit = QStringLiteral("\u00b5g");
    return Entry{{k, QString::fromUtf8(name), unit, decimals}, {Derived::Column, from}};
}

Entry derived(const char* key, const char* name, int decimals, Derived how)
{
    Entry entry = column(key, name, decimals, RN::Energy);
    entry.source.derived = how;
    return entry;
}

const std::array<Entry, CatalogueSize>& entries()
{
    // The six values of the food item table keep the decimals they are stored with.
    static const std::array<Entry, CatalogueSize> all = {
        column("energy_kcal", "Calories", 0, RN::Energy),
        column("fat_g", "Total fat", 1, RN::Fat),
        column("saturated_g", "Saturated fat", 1, RN::Saturated),
        column("trans_g", "Trans fat", 1, RN::Trans),
        column("polyunsaturated_g", "Polyunsaturated fat", 1, RN::Polyunsaturated),
        column("monounsaturated_g", "Monounsaturated fat", 1, RN::Monounsaturated),
        column("cholesterol_mg", "Cholesterol", 0, RN::Cholesterol),
        column("sodium_mg", "Sodium", 0, RN::Sodium),
        column("carbs_g", "Total carbohydrate", 1, RN::Carbohydrate),
        column("fiber_g", "Dietary fiber", 1, RN::Fiber),
        column("sugars_g", "Total sugars", 1, RN::Sugars),
        column("protein_g", "Protein", 1, RN::Protein),
        derived("vitamin_d_ug", "Vitamin D", 1, Derived::VitaminDMicrograms),
        column("calcium_mg", "Calcium", 0, RN::Calcium),
        column("iron_mg", "Iron", 1, RN::Iron),
        column("potassium_mg", "Potassium", 0, RN::Potassium),
        derived("vitamin_a_rae_ug", "Vitamin A", 0, Derived::VitaminARae),
        column("vitamin_c_mg", "Vitamin C", 1, RN::VitaminC),
        column("vitamin_e_mg", "Vitamin E", 1, RN::VitaminE),
        column("vitamin_k_ug", "Vitamin K", 1, RN::VitaminK),
        column("thiamin_mg", "Thiamin", 2, RN::Thiamin),
        column("riboflavin_mg", "Riboflavin", 2, RN::Riboflavin),
        column("niacin_mg", "Niacin", 1, RN::Niacin),
        column("vitamin_b6_mg", "Vitamin B6", 2, RN::VitaminB6),
        column("folate_ug", "Folate", 0, RN::FolateTotal),
        column("vitamin_b12_ug", "Vitamin B12", 2, RN::VitaminB12),
        column("phosphorus_mg", "Phosphorus", 0, RN::Phosphorus),
        column("magnesium_mg", "Magnesium", 0, RN::Magnesium),
        column("zinc_mg", "Zinc", 1, RN::Zinc),
        column("selenium_ug", "Selenium", 1, RN::Selenium),
        column("copper_mg", "Copper", 2, RN::Copper),
        column("choline_mg", "Choline", 0, RN::Choline),
        column("caffeine_mg", "Caffeine", 0, RN::Caffeine),
        column("alcohol_g", "Alcohol", 1, RN::Alcohol),
    };
    return all;
}

std::optional<long double> per100g(const ReferenceFood& food, RN nutrient)
{
    const std::optional<Decimal>& value = food.per100g[static_cast<std::size_t>(nutrient)];
    return value ? std::optional<long double>(value->value()) : std::nullopt;
}

std::optional<long double> per100g(const ReferenceFood& food, const Source& source)
{
    switch (source.derived) {
    case Derived::Column:
        return per100g(food, source.column);
    case Derived::VitaminDMicrograms:
        if (const auto iu = per100g(food, RN::VitaminDIu))
            return *iu / 40;
        return std::nullopt;
    case Derived::VitaminARae: {
        const auto retinol = per100g(food, RN::Retinol);
        const auto beta = per100g(food, RN::BetaCarotene);
        const auto alpha = per100g(food, RN::AlphaCarotene);
        const auto crypto = per100g(food, RN::BetaCryptoxanthin);
        if (!retinol || !beta || !alpha || !crypto)
            return std::nullopt;
        return *retinol + *beta / 12 + (*alpha + *crypto) / 24;
    }
    }
    return std::nullopt;
}

} // namespace

const std::array<CatalogueNutrient, CatalogueSize>& nutrientCatalogue()
{
    static const std::array<CatalogueNutrient, CatalogueSize> all = [] {
        std::array<CatalogueNutrient, CatalogueSize> list;
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = entries()[i].nutrient;
        return list;
    }();
    return all;
}

int catalogueIndex(const QString& key)
{
    for (int i = 0; i < CatalogueSize; ++i)
        if (nutrientCatalogue()[static_cast<std::size_t>(i)].key == key)
            return i;
    return -1;
}

int catalogueIndex(Nutrient nutrient)
{
    // The six values are the reference's first six columns, in the same order.
    static const std::array<int, NutrientCount> places = [] {
        std::array<int, NutrientCount> found{};
        for (int n = 0; n < NutrientCount; ++n)
            for (int i = 0; i < CatalogueSize; ++i) {
                const Source& source = entries()[static_cast<std::size_t>(i)].source;
                if (source.derived == Derived::Column && static_cast<int>(source.column) == n)
                    found[static_cast<std::size_t>(n)] = i;
            }
        return found;
    }();
    return places[static_cast<std::size_t>(nutrient)];
}

NutrientAmounts amountsOf(const ReferenceFood& food, long double grams)
{
    NutrientAmounts amounts;
    for (std::size_t i = 0; i < amounts.size(); ++i)
        if (const auto value = per100g(food, entries()[i].source))
            amounts[i] = *value * grams / 100;
    return amounts;
}

QString amountText(int index, long double amount)
{
    return formatFixed(amount, 0, nutrientCatalogue()[static_cast<std::size_t>(index)].decimals);
}

} // namespace tolvane
