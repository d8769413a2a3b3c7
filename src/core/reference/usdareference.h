#pragma once
// The USDA reference: every current food of USDA SR24 with its description,
// food group, household measures and nutrients per 100 g, read from the
// program's read-only "usda_reference.tsv" (tools/reference/make_reference.py
// writes it and explains its columns).

#include "food/fooditem.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tolvane {

// A decimal number exactly as USDA writes it: mantissa * 10^-scale.
struct Decimal {
    std::int64_t mantissa = 0;
    int scale = 0;

    // "244.0", "0.0050", "28.35"; no sign, no exponent, at most 6 decimals.
    static std::optional<Decimal> read(QByteArrayView text);
    long double value() const;
    bool operator==(const Decimal&) const = default;
};

// The nutrients kept per 100 g, in the file's column order; the six of the
// food item table come first, in the order of `Nutrient`.
enum class ReferenceNutrient {
    Energy, Carbohydrate, Protein, Fat, Sodium, Cholesterol, Fiber, Sugars, Saturated, Monounsaturated,
    Polyunsaturated, Trans, Potassium, Calcium, Iron, Magnesium, Phosphorus, Zinc, Copper, Selenium, VitaminAIu,
    Retinol, BetaCarotene, AlphaCarotene, BetaCryptoxanthin, VitaminC, VitaminDIu, VitaminE, VitaminK, Thiamin,
    Riboflavin, Niacin, VitaminB6, FolateTotal, VitaminB12, Choline, Caffeine, Alcohol
};
constexpr int ReferenceNutrientCount = 38;

// The six values of one measure of a food, as the food item table keeps them
// (none missing: a food lacking one of the six cannot be added).
using SixValues = std::array<std::optional<long double>, NutrientCount>;

struct ReferenceMeasure {
    QString amount;  // "1.0", "0.5"
    QString name;    // "cup", "large", "slice (1 oz)"
    Decimal grams;
    SixValues stated;  // the values the file states for it (its generator's rounding)
};

struct ReferenceFood {
    QString number;       // "01077"
    QString group;        // "Dairy and Egg Products"
    int rank = 0;         // 1 = the most everyday food
    QString name;         // the proposed food item name without a measure
    QString description;  // USDA's full description
    std::vector<ReferenceMeasure> measures;
    std::array<std::optional<Decimal>, ReferenceNutrientCount> per100g;
};

class UsdaReference {
public:
    static constexpr const char* FileName = "usda_reference.tsv";

    // Reads the whole file; nullopt when it is missing, too large or any
    // line does not read (a damaged reference is no reference).
    static std::optional<UsdaReference> load(const QString& path);
    static std::optional<UsdaReference> parse(const QByteArray& bytes);
    // Whether the file at `path` is there, not too large, and its first line
    // is the reference's header: what can be known without reading it all.
    static bool beginsAsReference(const QString& path);

    const std::vector<ReferenceFood>& foods() const { return foods_; }
    // The food of a USDA number, or nullptr.
    const ReferenceFood* find(const QString& number) const;

private:
    std::vector<ReferenceFood> foods_;  // sorted by number
};

// The six values of `grams` of a food, from its values per 100 g, rounded as
// the food item table's starter list rounds them (0, 1, 1, 1, 0, 0 decimals,
// halves up, computed exactly in decimal); a value USDA lacks stays empty.
SixValues sixValuesFor(const ReferenceFood& food, const Decimal& grams);

// Where the installed program finds the reference: TOLVANE_USDA_REFERENCE when
// set, else beside the program, else in ../share/tolvane from it.
QString referencePath(const QString& programDir);

} // namespace tolvane
