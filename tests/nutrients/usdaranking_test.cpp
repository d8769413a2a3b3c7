// Add from USDA ranked by a nutrient ("where do I get iron?"): every food or
// the search's matches, per 100 g, per 100 kcal or per serving, unknown values
// left out and told.

#include "../food/foodfixture.h"

#include "nutrients/nutrientranking.h"
#include "reference/addfromusda.h"
#include "qstringprint.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

class UsdaRankingTest : public FoodFixture {
protected:
    AddFromUsda usda{program, food.editing, ui};

    void SetUp() override
    {
        start({});
        usda.setReferencePath(QStringLiteral(TOLVANE_USDA_REFERENCE_TSV));
        usda.setRankNutrients(rankNutrients());
        program.execute(Command::AddFromUsda);
    }
    void rankBy(const char* nutrient, RankBasis basis)
    {
        usda.chooseBasis(basis);
        usda.chooseRank(static_cast<int>(usda.rankChoices().indexOf(QLatin1String(nutrient))));
    }
    // The first results as "description: amount".
    QStringList firstResults(int count) const
    {
        QStringList rows;
        for (int row = 0; row < std::min(count, usda.resultCount()); ++row)
            rows.append(usda.resultDescription(row) + QStringLiteral(": ") + usda.resultAmount(row));
        return rows;
    }
};

QString thousands(int n) { return QLocale().toString(n); }

} // namespace

TEST_F(UsdaRankingTest, TheRichestFoodsComeFirstOnEachBasis)
{
    struct Case {
        const char* search;
        const char* nutrient;
        RankBasis basis;
        QString status;
        QStringList first;
    };
    const Case cases[] = {
        {"", "Iron", RankBasis::Per100Grams,
         QStringLiteral("The first 100 of %1 foods, richest in iron per 100 g first (121 without a value left out)")
             .arg(thousands(7758)),
         {QStringLiteral("Spices, thyme, dried: 123.6 mg"), QStringLiteral("Spices, basil, dried: 89.8 mg")}},
        {"", "Iron", RankBasis::Per100Kcal,
         QStringLiteral("The first 100 of %1 foods, richest in iron per 100 kcal first (142 without a value left out)")
             .arg(thousands(7737)),
         {QStringLiteral("Spices, thyme, dried: 44.8 mg"),
          QStringLiteral("Beef, variety meats and by-products, spleen, raw: 42.4 mg")}},
        {"", "Vitamin D", RankBasis::Per100Grams,
         QStringLiteral("The first 100 of %1 foods, richest in vitamin D per 100 g first (%2 without a value left out)")
             .arg(thousands(4625), thousands(3254)),
         {QStringLiteral("Fish oil, cod liver: 250.0 \u00b5g"), QStringLiteral("Mushrooms, maitake, raw: 28.1 \u00b5g")}},
        {"spinach", "Iron", RankBasis::Per100Kcal, QStringLiteral("25 foods, richest in iron per 100 kcal first"),
         {QStringLiteral("Spinach, cooked, boiled, drained, without salt: 15.5 mg"),
          QStringLiteral("Spinach, cooked, boiled, drained, with salt: 15.5 mg"),
          QStringLiteral("Spinach, raw: 11.8 mg")}},
        {"spinach raw", "Iron", RankBasis::PerServing, QStringLiteral("3 foods, richest in iron per serving first"),
         {QStringLiteral("Mustard spinach, (tendergreen), raw: 2.3 mg in 1 cup"), QStringLiteral("Spinach, raw: 0.8 mg in 1 cup"),
          QStringLiteral("New Zealand spinach, raw: 0.4 mg in 1 cup")}},
        {"xyzzy", "Iron", RankBasis::PerServing, usdamsg::noMatch(QStringLiteral("xyzzy")),
         {QStringLiteral("Mustard spinach, (tendergreen), raw: 2.3 mg in 1 cup")}},
        {"spinach", "Best match", RankBasis::PerServing, QStringLiteral("25 foods"), {QString()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.search) + " " + c.nutrient);
        usda.setSearchText(QLatin1String(c.search));
        rankBy(c.nutrient, c.basis);
        EXPECT_EQ(usda.status(), c.status);
        if (c.first.front().isEmpty()) {  // the search's own order, without amounts
            EXPECT_EQ(usda.resultAmount(0), QString());
            EXPECT_EQ(usda.rankHeading(), QString());
        } else {
            EXPECT_EQ(firstResults(static_cast<int>(c.first.size())), c.first);
        }
    }
    usda.setSearchText(QString());
    rankBy("Iron", RankBasis::Per100Grams);
    rankBy("Best match", RankBasis::Per100Grams);
    EXPECT_EQ(usda.resultCount(), 0);  // nothing searched, nothing ranked
}
