// The USDA reference as the program reads it: every food of the committed
// table, the exact rounding of the six values, and damaged files refused.

#include "reference/usdareference.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

const QByteArray Header =
    "number\tgroup\trank\tname\tdescription\tmeasures\tenergy_kcal\tcarbs_g\tprotein_g\tfat_g\tsodium_mg\t"
    "cholesterol_mg\tfiber_g\tsugars_g\tsaturated_g\tmonounsaturated_g\tpolyunsaturated_g\ttrans_g\tpotassium_mg\t"
    "calcium_mg\tiron_mg\tmagnesium_mg\tphosphorus_mg\tzinc_mg\tcopper_mg\tselenium_ug\tvitamin_a_iu\tretinol_ug\t"
    "beta_carotene_ug\talpha_carotene_ug\tbeta_cryptoxanthin_ug\tvitamin_c_mg\tvitamin_d_iu\tvitamin_e_mg\t"
    "vitamin_k_ug\tthiamin_mg\triboflavin_mg\tniacin_mg\tvitamin_b6_mg\tfolate_total_ug\tvitamin_b12_ug\t"
    "choline_mg\tcaffeine_mg\talcohol_g\n";

// A food line: the six values per 100 g given, the 32 others unknown.
QByteArray line(const QByteArray& number, const QByteArray& measures, const QByteArray& six)
{
    return number + "\tDairy and Egg Products\t1\tMilk, whole\tMilk, whole, 3.25% milkfat\t" + measures + "\t" +
           six + QByteArray(32, '\t') + "\n";
}
const QByteArray Milk = line("01077", "1.0|cup|244.0|149|11.7|7.7|7.9|105|24", "61.0\t4.8\t3.15\t3.25\t43.0\t10.0");

} // namespace

TEST(UsdaReferenceTest, EveryMeasureOfEveryFoodGivesTheValuesTheTableStates)
{
    const std::optional<UsdaReference> reference = UsdaReference::load(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
    ASSERT_TRUE(reference);
    EXPECT_EQ(reference->foods().size(), 7879u);
    int measures = 0;
    for (const ReferenceFood& food : reference->foods()) {
        for (const ReferenceMeasure& measure : food.measures) {
            ++measures;
            ASSERT_EQ(sixValuesFor(food, measure.grams), measure.stated)
                << food.number.toStdString() << " " << measure.name.toStdString();
        }
    }
    EXPECT_EQ(measures, 13778);
    const ReferenceFood* milk = reference->find(QStringLiteral("01077"));
    ASSERT_TRUE(milk);
    EXPECT_EQ(milk->description, QStringLiteral("Milk, whole, 3.25% milkfat, with added vitamin D"));
    EXPECT_EQ(milk->group, QStringLiteral("Dairy and Egg Products"));
    EXPECT_EQ(milk->per100g[static_cast<int>(ReferenceNutrient::Iron)], (Decimal{3, 2}));
    EXPECT_FALSE(reference->find(QStringLiteral("01000")));
}

TEST(UsdaReferenceTest, SixValuesRoundHalvesUpExactly)
{
    // 0.05 kcal/g * 10 g = 0.5 kcal; 0.25 g * 50 g / 100 = 0.125 g -> 0.1;
    // 0.35 * 50 / 100 = 0.175 -> 0.2: binary floating point gets these wrong.
    const std::optional<UsdaReference> r =
        UsdaReference::parse(Header + line("01001", "1.0|tbsp|10.0|1|0.0|0.0|0.0|1|", "5.0\t0.25\t0.35\t0.45\t5.0\t"));
    ASSERT_TRUE(r);
    const SixValues v = sixValuesFor(r->foods()[0], Decimal{500, 1});
    EXPECT_EQ(v, (SixValues{3, 0.1L, 0.2L, 0.2L, 3, std::nullopt}));  // 2.5 -> 3, unknown cholesterol stays unknown
    EXPECT_EQ(r->foods()[0].measures[0].stated[5], std::nullopt);
}

TEST(UsdaReferenceTest, ADamagedFileIsNoReference)
{
    ASSERT_TRUE(UsdaReference::parse(Header + Milk));
    const QByteArray bad[] = {
        QByteArray(),
        Header,                                            // no food
        Header + Milk.chopped(1),                          // cut short
        Header.mid(1) + Milk,                              // another header
        Header + Milk + Milk,                              // a number twice
        Header + line("1077", "", "61.0\t\t\t\t\t"),       // a number of 4 digits
        Header + line("01077", "1.0|cup|0|1|1|1|1|1|1", "61.0\t\t\t\t\t"),  // no grams
        Header + line("01077", "1.0|cup|244.0|1", "61.0\t\t\t\t\t"),        // a measure cut short
        Header + line("01077", "", "61.0\t-4\t\t\t\t"),    // a negative value
        Header + line("01077", "", "61.0\t1e3\t\t\t\t"),   // an exponent
        Header + line("01077", "", "61.0\t\t\t\t\t\t"),    // a column too many
        Header + line("01077", "", "1.0000001\t\t\t\t\t"), // more decimals than USDA writes
        Header + QByteArray(Milk).replace("\tMilk, whole\t", "\t" + QByteArray(31, 'm') + "\t"),  // a name over 30
    };
    for (const QByteArray& bytes : bad)
        EXPECT_FALSE(UsdaReference::parse(bytes)) << bytes.right(80).toStdString();
    EXPECT_FALSE(UsdaReference::load(QStringLiteral("/nonexistent/usda_reference.tsv")));
}
